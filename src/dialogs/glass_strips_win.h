#pragma once
// The settings dialogs and the About box have an 11-pixel strip at the top and the bottom of
// their client area. With desktop composition the glass frame extends over them, and the strips
// are painted black for the glass to show through; but a system may report composition and show
// nothing of it (black bands), so the glass is used only once the screen shows it working, and
// until then, or when it does not, the strips show the dialog's plain background.
#include <windows.h>

#include "dialogs/dialog_host_win.h"

namespace quillory {

// Stretches IDC_TOP_STRIP and IDC_BOTTOM_STRIP over the full client width.
void layoutStrips(HWND dialog);

// The strips of one dialog and what became of its glass.
class GlassStrips {
public:
    // Lays the strips out. When the system reports composition, extends the glass frame over them
    // and starts looking at the screen, from the dialog's timer, to see whether the glass shows.
    void open(HWND dialog, const DialogHost& host);
    // The dialog's WM_TIMER: true when it was this object's timer.
    bool onTimer(HWND dialog, UINT_PTR timer);
    // The dialog's WM_DWMCOMPOSITIONCHANGED: looks again.
    void onCompositionChanged(HWND dialog, const DialogHost& host);

    // The brush for a control of the dialog (or the dialog itself): a strip's is black once the
    // glass shows through it; everything else, and the strips without glass, the shared
    // background continued across the dialog.
    HBRUSH brush(const DialogHost& host, HWND dialog, HWND control, HDC dc) const;

private:
    enum class Glass { None, Looking, Shown };
    void settle(HWND dialog, Glass glass);

    Glass glass_ = Glass::None;
    int looks_ = 0;
};

}  // namespace quillory
