#include "base/window_dpi_win.h"

#include "base/system_function_win.h"

namespace quillory {

namespace {

using SetAwarenessContextFunction = BOOL(WINAPI*)(DPI_AWARENESS_CONTEXT);
using DpiForWindowFunction = UINT(WINAPI*)(HWND);

int screenDpi(HWND window) {
    HDC dc = GetDC(window);
    if (dc == nullptr) return 0;
    const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(window, dc);
    return dpi;
}

}  // namespace

void declareDpiAwareness() {
    const auto setContext = lookUpSystemFunction<SetAwarenessContextFunction>(L"user32.dll", "SetProcessDpiAwarenessContext");
    if (setContext != nullptr) {
        // Fails when the manifest has declared it already, which is the same awareness.
        setContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
        return;
    }
    SetProcessDPIAware();
}

int windowDpi(HWND window) {
    static const auto dpiForWindow = lookUpSystemFunction<DpiForWindowFunction>(L"user32.dll", "GetDpiForWindow");
    if (dpiForWindow != nullptr) {
        if (const UINT dpi = dpiForWindow(window); dpi != 0) return static_cast<int>(dpi);
    }
    return screenDpi(window);
}

}  // namespace quillory
