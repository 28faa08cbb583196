#include "dialogs/settings_panel_win.h"

#include <commctrl.h>

#include <algorithm>
#include <climits>

#include "base/window_slide_win.h"
#include "base/background_brush_win.h"

namespace quillory {

namespace {

}  // namespace

void slideInPanel(HWND panel, const DialogHost& host) {
    if (host.tabAnimate) {
        AnimateWindow(panel, kSlideMilliseconds, AW_SLIDE | AW_ACTIVATE | AW_VER_POSITIVE);
    } else {
        ShowWindow(panel, SW_SHOW);
    }
}

std::optional<INT_PTR> panelControlColour(const DialogHost& host, HWND frame, PanelEdits edits, UINT message,
                                          WPARAM wParam, LPARAM lParam) {
    const bool answered = message == WM_CTLCOLORDLG || message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORBTN ||
                          (message == WM_CTLCOLOREDIT && edits == PanelEdits::SharedBackground);
    if (!answered) return std::nullopt;
    return reinterpret_cast<INT_PTR>(
        backgroundForControl(host.background, host.backgroundSize, frame, reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam)));
}

bool isChecked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

void setChecked(HWND dialog, int id, bool checked) { CheckDlgButton(dialog, id, checked ? BST_CHECKED : BST_UNCHECKED); }

void enableControl(HWND dialog, int id, bool enabled) { EnableWindow(GetDlgItem(dialog, id), enabled ? TRUE : FALSE); }

void selectAllText(HWND dialog, int id) { SendDlgItemMessageW(dialog, id, EM_SETSEL, 0, -1); }

void setUpDown(HWND dialog, int arrowsId, int editId, IntRange range, int position) {
    SendDlgItemMessageW(dialog, editId, EM_LIMITTEXT, 3, 0);
    HWND arrows = GetDlgItem(dialog, arrowsId);
    SendMessageW(arrows, UDM_SETBUDDY, reinterpret_cast<WPARAM>(GetDlgItem(dialog, editId)), 0);
    SendMessageW(arrows, UDM_SETRANGE32, range.low, range.high);
    SendMessageW(arrows, UDM_SETPOS32, 0, range.clamp(position));
}

int takeTypedNumber(HWND dialog, int arrowsId, int editId, IntRange range) {
    BOOL typed = FALSE;
    const UINT number = GetDlgItemInt(dialog, editId, &typed, FALSE);
    HWND arrows = GetDlgItem(dialog, arrowsId);
    const int position = typed ? range.clamp(static_cast<int>(std::min<UINT>(number, INT_MAX)))
                               : range.clamp(static_cast<int>(SendMessageW(arrows, UDM_GETPOS32, 0, 0)));
    SendMessageW(arrows, UDM_SETPOS32, 0, position);
    SetDlgItemInt(dialog, editId, static_cast<UINT>(position), FALSE);
    return position;
}

}  // namespace quillory
