#include "app/suspend_notice_win.h"

#include <windows.h>

namespace quillory {

namespace {

// The notice's callback types, looked up by name because older systems (and Wine) lack them.
using NoticeCallback = ULONG(CALLBACK*)(PVOID context, ULONG type, PVOID setting);
struct NoticeParameters {
    NoticeCallback callback;
    PVOID context;
};
using RegisterNotice = DWORD(WINAPI*)(DWORD flags, HANDLE recipient, PVOID* registration);
using UnregisterNotice = DWORD(WINAPI*)(PVOID registration);
constexpr DWORD kNotifyCallback = 2;  // DEVICE_NOTIFY_CALLBACK

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

// The registration keeps a pointer to these parameters for as long as it lasts.
NoticeParameters parameters{noticeCallback, nullptr};

}  // namespace

SuspendNotice::SuspendNotice(SlideCountdown& countdown) {
    const auto registerNotice = powerFunction<RegisterNotice>("PowerRegisterSuspendResumeNotification");
    if (registerNotice == nullptr) return;
    parameters.context = &countdown;
    if (registerNotice(kNotifyCallback, &parameters, &registration_) != ERROR_SUCCESS) registration_ = nullptr;
}

SuspendNotice::~SuspendNotice() {
    if (registration_ == nullptr) return;
    if (const auto unregisterNotice = powerFunction<UnregisterNotice>("PowerUnregisterSuspendResumeNotification")) {
        unregisterNotice(registration_);
    }
}

}  // namespace quillory
