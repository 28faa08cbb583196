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

// The brush for a strip: black, which the glass shows through, or none when there is no glass.
HBRUSH stripBrush(const DialogHost& host, HWND control);

}  // namespace quillory
