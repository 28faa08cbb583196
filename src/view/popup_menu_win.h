#pragma once
// The right-click menu (menu 134): the Page lists, the current Page's commands, the history of
// the slide show and the program's settings, made afresh for the current state each time.
#include <windows.h>

#include <vector>

#include "base/gdi_handles_win.h"

namespace quillory {

struct App;

// The menu made for the current state and not yet shown. Its bitmaps outlive it.
struct PopupMenu {
    std::vector<UniqueBitmap> bitmaps;
    UniqueMenu resource;      // menu 134 as loaded
    HMENU popup = nullptr;    // its first pop-up, the menu shown; nullptr when it cannot be loaded
};
PopupMenu preparePopupMenu(const App& app);

// buildPopupMenu: makes the menu, tracks it at `screenPoint` with `owner` (the stand) receiving
// its command, and destroys it. The caller has held the slide show, which waits while it is open.
void buildPopupMenu(const App& app, HWND owner, POINT screenPoint);

}  // namespace quillory
