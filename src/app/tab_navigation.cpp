#include "app/tab_navigation.h"

#include "album/album.h"

namespace quillory {

int steppedTabNumber(int tabNumber, int step, int tabCount) {
    const int next = tabNumber + step;
    if (next < 0) return tabCount > 0 ? tabCount - 1 : 0;
    if (next >= tabCount) return 0;
    return next;
}

int mainPageIndex(const Album& album) {
    for (int page = 0; page < static_cast<int>(album.pages.size()); ++page) {
        if (album.pages[page].Flag & FlagMainPage) return page;
    }
    return 0;
}

}  // namespace quillory
