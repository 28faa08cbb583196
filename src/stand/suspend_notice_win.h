#pragma once
// Holds the slide show while the system sleeps and restarts its countdown on waking.
#include <windows.h>

#include "stand/slide_countdown.h"

namespace quillory {

// The notice's types (DEVICE_NOTIFY_SUBSCRIBE_PARAMETERS and its functions), declared here
// because the system headers at hand lack them.
using PowerNoticeCallback = ULONG(CALLBACK*)(PVOID context, ULONG type, PVOID setting);
struct PowerNoticeParameters {
    PowerNoticeCallback callback;
    PVOID context;
};
using RegisterPowerNotice = DWORD(WINAPI*)(DWORD flags, HANDLE recipient, PVOID* registration);
using UnregisterPowerNotice = DWORD(WINAPI*)(PVOID registration);

struct PowerNoticeCalls {
    RegisterPowerNotice registerNotice = nullptr;
    UnregisterPowerNotice unregisterNotice = nullptr;
};

// The system's own calls, looked up by name: older systems (and Wine) lack them.
PowerNoticeCalls systemPowerNoticeCalls();

class SuspendNotice {
public:
    // Registers when `calls` offer the notice (Windows 8 and later); otherwise does nothing.
    explicit SuspendNotice(SlideCountdown& countdown, PowerNoticeCalls calls = systemPowerNoticeCalls());
    ~SuspendNotice();
    SuspendNotice(const SuspendNotice&) = delete;
    SuspendNotice& operator=(const SuspendNotice&) = delete;

private:
    PowerNoticeCalls calls_;
    PowerNoticeParameters parameters_;  // the registration points at them for as long as it lasts
    void* registration_ = nullptr;
};

}  // namespace quillory
