#pragma once
// The settings dialogs and the About box have an 11-pixel strip at the top and the bottom of
// their client area; with desktop composition the glass frame extends over them.
#include <windows.h>

#include "dialogs/dialog_host_win.h"

namespace quillory {

// Stretches IDC_TOP_STRIP and IDC_BOTTOM_STRIP over the full client width.
void layoutStrips(HWND dialog);

// True when the host's system shows glass (Vista or later with composition on).
bool glassActive(const DialogHost& host);

// Extends the glass frame over the strips when glass is active; also on composition changes.
void extendGlass(HWND dialog, const DialogHost& host);

// The brush for a control of such a dialog (or the dialog itself): a strip's is black, which the
// glass shows through; everything else, and the strips without glass, the shared background
// continued across the dialog.
HBRUSH stripOrBackground(const DialogHost& host, HWND dialog, HWND control, HDC dc);

}  // namespace quillory
