#include "dialogs/colour_picker_win.h"

namespace quillory {

namespace {

// The hook procedure has no parameter of its own, so the one target lives here.
HWND& pickerTarget() {
    static HWND target = nullptr;
    return target;
}

bool swallowed(WPARAM message) {
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP: return true;
        default: return false;
    }
}

void postToTarget(WPARAM message, const MSLLHOOKSTRUCT& event) {
    HWND target = pickerTarget();
    POINT point = event.pt;
    ScreenToClient(target, &point);
    PostMessageW(target, static_cast<UINT>(message), 0,
                 MAKELPARAM(static_cast<WORD>(static_cast<short>(point.x)), static_cast<WORD>(static_cast<short>(point.y))));
}

LRESULT CALLBACK pickerHookProc(int code, WPARAM message, LPARAM data) {
    if (code >= 0 && pickerTarget() != nullptr) {
        const auto& event = *reinterpret_cast<const MSLLHOOKSTRUCT*>(data);
        if (message == WM_MOUSEMOVE) postToTarget(message, event);
        if (swallowed(message)) {
            postToTarget(message, event);
            return 1;
        }
    }
    return CallNextHookEx(nullptr, code, message, data);
}

}  // namespace

std::unique_ptr<ScreenPickerHook> ScreenPickerHook::install(HWND target) {
    if (pickerTarget() != nullptr) return nullptr;
    HHOOK hook = SetWindowsHookExW(WH_MOUSE_LL, pickerHookProc, GetModuleHandleW(nullptr), 0);
    if (hook == nullptr) return nullptr;
    pickerTarget() = target;
    return std::unique_ptr<ScreenPickerHook>(new ScreenPickerHook(hook));
}

ScreenPickerHook::~ScreenPickerHook() {
    UnhookWindowsHookEx(hook_);
    pickerTarget() = nullptr;
}

bool ScreenPickerHook::active() { return pickerTarget() != nullptr; }

}  // namespace quillory
