// Watches which threads create windows, to show that a process ended without showing any. The
// system reports creations as messages to the watching thread, so it takes them while it waits.
#pragma once

#include "app_process.h"
#include "wait_until.h"
#include "window_query.h"

#include <windows.h>

#include <optional>
#include <vector>

namespace quillory::e2e {

class WindowCreationWatch {
public:
    WindowCreationWatch();
    WindowCreationWatch(const WindowCreationWatch&) = delete;
    WindowCreationWatch& operator=(const WindowCreationWatch&) = delete;
    ~WindowCreationWatch();

    bool active() const { return hook_ != nullptr; }
    // Waits for the process to end, taking the creation reports meanwhile; its exit code.
    std::optional<DWORD> waitForExit(const AppProcess& app, Duration limit = kExitWait);
    // Takes the reports that have arrived until the lookup succeeds or the time runs out.
    HWND waitForWindow(const WindowMatch& match, Duration limit = kWindowWait);
    bool windowCreatedBy(DWORD threadId) const;

private:
    static void CALLBACK onEvent(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG, DWORD thread, DWORD);
    static void takeReports();

    HWINEVENTHOOK hook_;
    std::vector<DWORD> creators_;
};

}  // namespace quillory::e2e
