#pragma once
// Small operations that adjust the program's pop-up menus (the right-click menu and the Page menu
// of the system menu) to the current state before they open.
#include <windows.h>

#include "album/album.h"
#include "base/gdi_handles_win.h"
#include "base/text.h"

namespace quillory {

// The sub-menu at `position` lists the Pages (every Page with `allPages`, else the marked ones)
// as radio items 2000 + Page index, the current Page checked and the main Page bold, in place of
// its placeholder item.
void fillPageMenu(HMENU menu, UINT position, const Album& album, bool allPages);
// The history items 40037 to 40044: captioned after the pictures shown last, greyed when empty.
void fillHistoryMenu(HMENU menu, const Album& album);

// By command (found in sub-menus too) or by position. setPageCaption and setPictureItemCaption
// are setMenuCaption with the texts of menu_captions.h.
void setMenuCheck(HMENU menu, UINT command, bool checked);
void setMenuRadioCheck(HMENU menu, UINT command, bool checked);
void setMenuEnabled(HMENU menu, UINT command, bool enabled);
void setMenuCaption(HMENU menu, UINT item, BOOL byPosition, TextView caption);
void setMenuBitmap(HMENU menu, UINT item, BOOL byPosition, HBITMAP bitmap);

// A menu item's bitmap from the resources, its grey background made the menu's colour, grown
// for a menu shown at `dpi`.
UniqueBitmap loadMenuBitmap(HINSTANCE instance, int id, int dpi);

}  // namespace quillory
