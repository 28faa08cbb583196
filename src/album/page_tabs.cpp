#include "album/page_tabs.h"

namespace quillory {

namespace {

bool markedMenu(const Album& album) {
    return (album.settings.TabStyle & TabMarkedMenu) != 0;
}

int pageCount(const Album& album) {
    return static_cast<int>(album.pages.size());
}

}  // namespace

bool isVisiblePage(const Album& album, int page) {
    if (page < 0 || page >= pageCount(album)) return false;
    return markedMenu(album) || (album.pages[static_cast<std::size_t>(page)].Flag & FlagUnmarked) == 0;
}

int visibleTabCount(const Album& album) {
    int count = 0;
    for (int page = 0; page < pageCount(album); ++page) count += isVisiblePage(album, page) ? 1 : 0;
    return count;
}

// Falling back to Page 0 for a stale TabNumber would make a hidden Page current: its tab reads as
// tab 0, so the next start opens on another Page.
int tabToPage(const Album& album, int tab) {
    if (markedMenu(album)) return tab >= 0 && tab < pageCount(album) ? tab : 0;
    int seen = 0;
    int firstVisible = -1;
    for (int page = 0; page < pageCount(album); ++page) {
        if (!isVisiblePage(album, page)) continue;
        if (seen == tab) return page;
        if (firstVisible < 0) firstVisible = page;
        ++seen;
    }
    return firstVisible >= 0 ? firstVisible : 0;
}

int pageToTab(const Album& album, int page) {
    if (!isVisiblePage(album, page)) return 0;
    if (markedMenu(album)) return page;
    int before = 0;
    for (int earlier = 0; earlier < page; ++earlier) before += isVisiblePage(album, earlier) ? 1 : 0;
    return before;
}

std::optional<PicturePosition> pictureAt(const Album& album, std::int64_t pictureNumber) {
    if (pictureNumber < 0) return std::nullopt;
    std::int64_t left = pictureNumber;
    for (int page = 0; page < pageCount(album); ++page) {
        if (!isVisiblePage(album, page)) continue;
        const std::int64_t count = album.pages[static_cast<std::size_t>(page)].FileNum;
        if (count > left) return PicturePosition{page, static_cast<int>(left)};
        if (count > 0) left -= count;
    }
    return std::nullopt;
}

}  // namespace quillory
