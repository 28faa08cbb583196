// A quillory.exe process started by a test: its command line, working folder and exit code.
#pragma once

#include "owned_handles.h"
#include "wait_until.h"

#include <windows.h>

#include <filesystem>
#include <optional>
#include <string>

namespace quillory::e2e {

class AppProcess {
public:
    // Starts `exe` with `argument` appended verbatim to its quoted path (no quoting is added, so a
    // test can pass enclosing double quotes itself). The process runs in `folder` and on the test's
    // own desktop, so its windows are visible to the window queries.
    static std::optional<AppProcess> start(const std::filesystem::path& exe, const std::wstring& argument,
                                           const std::filesystem::path& folder);

    AppProcess(AppProcess&&) = default;
    AppProcess& operator=(AppProcess&&) = default;
    // A process still running when its test ends is killed, so it cannot disturb the next test.
    ~AppProcess();

    DWORD id() const { return id_; }
    DWORD mainThreadId() const { return mainThreadId_; }
    HANDLE handle() const { return process_.get(); }
    bool running() const;
    // The exit code once the process has ended within `limit`; nothing when it is still running.
    std::optional<DWORD> waitForExit(Duration limit = kExitWait) const;

private:
    AppProcess(OwnedHandle process, DWORD id, DWORD mainThreadId)
        : process_(std::move(process)), id_(id), mainThreadId_(mainThreadId) {}

    OwnedHandle process_;
    DWORD id_ = 0;
    DWORD mainThreadId_ = 0;
};

}  // namespace quillory::e2e
