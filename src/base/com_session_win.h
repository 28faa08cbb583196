#pragma once
// COM for the shell dialogs (folder browser, file choosers) on this thread, for as long as the
// session lives.
#include <windows.h>
#include <objbase.h>

#include "base/debug_trace_win.h"

namespace quillory {

class ComSession {
public:
    ComSession() : started_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {
        if (!started_) traceFailure(L"CoInitializeEx", 0);
    }
    ~ComSession() {
        if (started_) CoUninitialize();
    }
    ComSession(const ComSession&) = delete;
    ComSession& operator=(const ComSession&) = delete;

    bool started() const { return started_; }

private:
    bool started_;
};

}  // namespace quillory
