#include "album/album.h"

#include "album/album_keys.h"

namespace quillory {

AlbumSettings::AlbumSettings() {
    applyStartValues(*this, kSettingsKeys);
}

PageSettings makeDefaultPage() {
    PageSettings page;
    applyStartValues(page, kPageKeys);
    return page;
}

PageSettings* currentPageOf(Album& album) {
    if (album.currentPage < 0 || album.currentPage >= static_cast<int>(album.pages.size())) return nullptr;
    return &album.pages[static_cast<std::size_t>(album.currentPage)];
}

const PageSettings* currentPageOf(const Album& album) { return currentPageOf(const_cast<Album&>(album)); }

void clearHistory(Album& album) {
    album.history.fill(HistoryEntry{});
}

}  // namespace quillory
