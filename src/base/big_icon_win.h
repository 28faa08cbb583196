#pragma once
// The program's icon on a dialog: the small one as the window's icon, a large one in the
// dialog's icon control.
#include <windows.h>

#include "base/gdi_handles_win.h"

namespace quillory {

struct DialogIcons {
    UniqueIcon window;
    UniqueIcon big;
};

// Sets both icons and sizes control IDC_BIG_ICON to 48 × 48 pixels at the dialog's DPI, at its
// template position. The dialog must keep the icons until it is destroyed.
DialogIcons setDialogIcons(HWND dialog, int dpiX, int dpiY);

// Icon 121 at the given size, owned by the caller.
UniqueIcon loadProgramIcon(int width, int height);

}  // namespace quillory
