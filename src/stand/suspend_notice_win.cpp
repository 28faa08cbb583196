#include "stand/suspend_notice_win.h"

#include "base/debug_trace_win.h"

namespace quillory {

namespace {

constexpr DWORD kNotifyCallback = 2;  // DEVICE_NOTIFY_CALLBACK

// Runs on a system thread: it only stores the countdown's two atomic words.
ULONG CALLBACK noticeCallback(PVOID context, ULONG type, PVOID) {
    auto& countdown = *static_cast<SlideCountdown*>(context);
    if (type == PBT_APMSUSPEND) countdown.suspend();
    if (type == PBT_APMRESUMESUSPEND) countdown.resume();
    return 0;
}

template <typename Function>
Function powerFunction(const char* name) {
    HMODULE library = GetModuleHandleW(L"powrprof.dll");
    if (library == nullptr) library = LoadLibraryW(L"powrprof.dll");
    if (library == nullptr) return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

}  // namespace

PowerNoticeCalls systemPowerNoticeCalls() {
    return {powerFunction<RegisterPowerNotice>("PowerRegisterSuspendResumeNotification"),
            powerFunction<UnregisterPowerNotice>("PowerUnregisterSuspendResumeNotification")};
}

SuspendNotice::SuspendNotice(SlideCountdown& countdown, PowerNoticeCalls calls)
    : calls_(calls), parameters_{noticeCallback, &countdown} {
    if (calls_.registerNotice == nullptr) return;
    const DWORD error = calls_.registerNotice(kNotifyCallback, &parameters_, &registration_);
    if (error != ERROR_SUCCESS) {
        registration_ = nullptr;
        traceFailure(L"PowerRegisterSuspendResumeNotification", error);
    }
}

SuspendNotice::~SuspendNotice() {
    if (registration_ != nullptr && calls_.unregisterNotice != nullptr) calls_.unregisterNotice(registration_);
}

}  // namespace quillory
