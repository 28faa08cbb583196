#pragma once
// What every panel of the two settings dialogs does alike: it slides in, paints on the shared
// background continued across its frame, and reads and sets its controls.
#include <windows.h>

#include "dialogs/dialog_host_win.h"

namespace quillory {

// Shows a panel (made hidden): sliding in from above when TabAnimate is set. The frame's panel
// switcher repaints every new panel afterwards.
void slideInPanel(HWND panel, const DialogHost& host);

// WM_CTLCOLORDLG, WM_CTLCOLORSTATIC, WM_CTLCOLORBTN (and WM_CTLCOLOREDIT where a panel asks):
// the shared background, continued across the frame.
INT_PTR panelBackground(const DialogHost& host, HWND frame, HDC dc, HWND control);

bool isChecked(HWND dialog, int id);
void setChecked(HWND dialog, int id, bool checked);
void enableControl(HWND dialog, int id, bool enabled);
void selectAllText(HWND dialog, int id);

}  // namespace quillory
