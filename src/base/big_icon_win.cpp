#include "base/big_icon_win.h"

#include "base/debug_trace_win.h"
#include "base/win_geometry_win.h"
#include "resource.h"

namespace quillory {

namespace {

constexpr int kWindowIconSize = 16;
constexpr int kBigIconSize = 48;

}  // namespace

UniqueIcon loadProgramIcon(int width, int height) {
    return UniqueIcon(static_cast<HICON>(traceIfFailed(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_QUILLORY), IMAGE_ICON, width, height, 0),
        L"LoadImageW (icon 121)")));
}

DialogIcons setDialogIcons(HWND dialog, int dpiX, int dpiY) {
    DialogIcons icons;
    icons.window = loadProgramIcon(kWindowIconSize, kWindowIconSize);
    SendMessageW(dialog, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icons.window.get()));

    HWND control = GetDlgItem(dialog, IDC_BIG_ICON);
    if (control == nullptr) return icons;
    // Loaded at the size it is shown, so the icon file's largest image is scaled only once.
    const int width = kBigIconSize * dpiX / USER_DEFAULT_SCREEN_DPI;
    const int height = kBigIconSize * dpiY / USER_DEFAULT_SCREEN_DPI;
    icons.big = loadProgramIcon(width, height);
    const Rect at = childRect(dialog, control);
    SendMessageW(control, STM_SETICON, reinterpret_cast<WPARAM>(icons.big.get()), 0);
    SetWindowPos(control, nullptr, at.x, at.y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    return icons;
}

}  // namespace quillory
