#include "stand/current_page.h"

#include "album/page_tabs.h"

namespace quillory {

int currentTab(const Album& album) {
    return pageToTab(album, album.currentPage);
}

void makeTabCurrent(Album& album, int tab) {
    album.currentPage = tabToPage(album, tab);
}

int shownPage(const Album& album, int page) {
    return isVisiblePage(album, page) ? page : tabToPage(album, 0);
}

void makePageCurrent(Album& album, int page) {
    makeTabCurrent(album, pageToTab(album, shownPage(album, page)));
}

}  // namespace quillory
