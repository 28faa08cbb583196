#pragma once
// The tiled background every dialog and panel shares, continued seamlessly across controls.
#include <windows.h>

#include "base/geometry.h"
#include "dialogs/dialog_host_win.h"

namespace quillory {

// Sets the brush origin of the control's device context so that the pattern (bitmap of size
// `pattern`) lines up with the one painted on `dialog`.
void alignBackgroundBrush(HWND dialog, HWND control, HDC dc, Size pattern);

// The answer to WM_CTLCOLORDLG, WM_CTLCOLORSTATIC and WM_CTLCOLORBTN: transparent text
// background and the host's shared brush aligned on `frame`; the system's dialog brush when the
// host has no background.
HBRUSH backgroundForControl(const DialogHost& host, HWND frame, HWND control, HDC dc);

}  // namespace quillory
