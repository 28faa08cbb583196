#pragma once
// The right-click menu (menu 134): the Page lists, the current Page's commands, the history of
// the slide show and the program's settings, made afresh for the current state each time.
#include <windows.h>

#include <vector>

#include "album/album.h"
#include "base/dpi.h"
#include "base/gdi_handles_win.h"

namespace quillory {

// What the menu is made from.
struct PopupMenuSource {
    HINSTANCE instance = nullptr;  // holds menu 134 and its bitmaps
    const Album& album;
    unsigned osVersionCode = 0;    // menu bitmaps from Windows Vista on
    int dpi = kDefaultDpi;         // of the window the menu opens over
    bool pictureShown = false;     // the view shows a picture file that is there: its folder can open
    bool fullScreen = false;       // the view covers its monitor: the full-screen item is checked
};

// The menu made for the current state and not yet shown. Its bitmaps outlive it.
struct PopupMenu {
    std::vector<UniqueBitmap> bitmaps;
    UniqueMenu resource;      // menu 134 as loaded
    HMENU popup = nullptr;    // its first pop-up, the menu shown; nullptr when it cannot be loaded
};
PopupMenu preparePopupMenu(const PopupMenuSource& source);

// buildPopupMenu: makes the menu, tracks it at `screenPoint` with `owner` (the stand) receiving
// its command, and destroys it. The caller has held the slide show, which waits while it is open.
void buildPopupMenu(const PopupMenuSource& source, HWND owner, POINT screenPoint);

}  // namespace quillory
