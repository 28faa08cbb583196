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

void clearHistory(Album& album) {
    album.history.fill(HistoryEntry{});
}

}  // namespace quillory
