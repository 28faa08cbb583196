#include "dialogs/glass_strips_win.h"

#include <dwmapi.h>

#include "dialogs/background_brush_win.h"
#include "resource.h"

namespace quillory {

namespace {

constexpr int kStripHeight = 11;

// Black, which the glass shows through; none for other controls or without glass.
HBRUSH stripBrush(const DialogHost& host, HWND control) {
    const int id = GetDlgCtrlID(control);
    if ((id != IDC_TOP_STRIP && id != IDC_BOTTOM_STRIP) || !glassActive(host)) return nullptr;
    return static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
}

}  // namespace

void layoutStrips(HWND dialog) {
    RECT client{};
    GetClientRect(dialog, &client);
    const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    SetWindowPos(GetDlgItem(dialog, IDC_TOP_STRIP), nullptr, 0, 0, client.right, kStripHeight, flags);
    SetWindowPos(GetDlgItem(dialog, IDC_BOTTOM_STRIP), nullptr, 0, client.bottom - kStripHeight, client.right,
                 kStripHeight, flags);
}

bool glassActive(const DialogHost& host) {
    BOOL enabled = FALSE;
    return host.vistaOrLater() && SUCCEEDED(DwmIsCompositionEnabled(&enabled)) && enabled;
}

void extendGlass(HWND dialog, const DialogHost& host) {
    if (!glassActive(host)) return;
    const MARGINS margins{0, 0, kStripHeight, kStripHeight};
    DwmExtendFrameIntoClientArea(dialog, &margins);
}

HBRUSH stripOrBackground(const DialogHost& host, HWND dialog, HWND control, HDC dc) {
    if (HBRUSH strip = stripBrush(host, control)) return strip;
    return backgroundForControl(host, dialog, control, dc);
}

}  // namespace quillory
