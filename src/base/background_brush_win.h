#pragma once
// The tiled background every dialog and panel shares, continued seamlessly across controls.
#include <windows.h>

#include "base/gdi_handles_win.h"
#include "base/geometry.h"

namespace quillory {

// The tiled background made from bitmap 121, installed as the background brush of the dialog
// class, which the stand and every dialog of the process share. Installing again (after a system
// colour change) puts the new brush in place before the previous one of ours is deleted; the
// brush the class had before the first install belongs to the system and is put back, never
// deleted, when the owner goes.
class DialogBackground {
public:
    DialogBackground() = default;
    ~DialogBackground();
    DialogBackground(const DialogBackground&) = delete;
    DialogBackground& operator=(const DialogBackground&) = delete;

    // Loads the bitmap anew and installs its pattern brush on the class of `dialog`.
    void install(HINSTANCE instance, HWND dialog);
    HBRUSH brush() const { return brush_.get(); }
    Size patternSize() const { return patternSize_; }

private:
    using UniqueBrush = UniqueHandle<HBRUSH, deleteGdiObject>;

    HWND classWindow_ = nullptr;   // a window of the class whose brush was replaced
    HBRUSH classBrush_ = nullptr;  // the class's own brush before the first install
    UniqueBitmap bitmap_;
    UniqueBrush brush_;
    Size patternSize_;
};

// Sets the brush origin of the control's device context so that the pattern (bitmap of size
// `pattern`) lines up with the one painted on `dialog`.
void alignBackgroundBrush(HWND dialog, HWND control, HDC dc, Size pattern);

// The answer to WM_CTLCOLORDLG, WM_CTLCOLORSTATIC and WM_CTLCOLORBTN: transparent text
// background and the shared `background` brush (of a bitmap of size `pattern`) aligned on
// `frame`; the system's dialog brush when there is no background.
HBRUSH backgroundForControl(HBRUSH background, Size pattern, HWND frame, HWND control, HDC dc);

}  // namespace quillory
