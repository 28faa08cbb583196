#pragma once
// What the pop-up menus check, grey and make the default, decided from the Album; the window
// applies it to menus 134 and 135 each time before they open.
#include <cstddef>
#include <optional>
#include <vector>

#include "album/album.h"
#include "base/text.h"

namespace quillory {

// The items about the current Page, alike in the right-click menu and the system menu.
struct CurrentPageItems {
    Text pageCaption;          // the "現在のページ" sub-menu, or position 2 of the system menu
    Text pictureItemCaption;   // item 40011
    bool pictureItemEnabled;   // 40011: a locked Page's picture cannot be replaced
    bool deleteEnabled;        // 1063: neither a locked Page nor the last Page can be deleted
};
CurrentPageItems currentPageItems(const Album& album);

struct PopupMenuState {
    CurrentPageItems currentPage;
    bool markedMenu;        // TabMarkedMenu: two page lists; otherwise "全ページから選択" goes
    bool topmostChecked;    // 40031
    bool slideShowChecked;  // 40027
    std::optional<int> fitModeItem;  // 0 to 3, radio-checked among 40020 to 40023; nothing for an unknown FitMode
};
PopupMenuState popupMenuState(const Album& album);

struct PageListItem {
    int page = 0;  // the item's command is 2000 + page
    Text text;
    bool checked = false;  // radio check: the current Page
};
struct PageList {
    std::vector<PageListItem> items;       // in Page order
    std::optional<std::size_t> defaultItem;  // the main Page's item, shown bold
};
// fillPageMenu's items: every Page with `allPages`, otherwise the marked Pages. The all-pages list
// makes its first item the default when no Page is the main Page; the marked list then has none.
PageList pageList(const Album& album, bool allPages);

}  // namespace quillory
