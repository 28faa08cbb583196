#pragma once
// The screen colour picker's low-level mouse hook. While a ScreenPickerHook exists, mouse moves
// and the picker's button presses anywhere on the desktop are posted to its target window (in
// the target's client coordinates, wParam 0); the presses never reach the window under the
// pointer. Destroying it removes the hook, so whoever owns it decides how long clicks are taken.
#include <windows.h>

#include <memory>

namespace quillory {

class ScreenPickerHook {
public:
    // Nothing when the hook cannot be installed or another picker runs.
    static std::unique_ptr<ScreenPickerHook> install(HWND target);
    ~ScreenPickerHook();
    ScreenPickerHook(const ScreenPickerHook&) = delete;
    ScreenPickerHook& operator=(const ScreenPickerHook&) = delete;

    // True while any picker's hook is installed.
    static bool active();

private:
    explicit ScreenPickerHook(HHOOK hook) : hook_(hook) {}
    HHOOK hook_;
};

}  // namespace quillory
