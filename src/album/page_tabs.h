#pragma once
// Which Pages are tabs, the way between tab numbers and Page indexes, and which Page holds a
// given picture of the slide show's numbering.
#include <cstdint>
#include <optional>

#include "album/album.h"

namespace quillory {

// A Page is shown as a tab when TabMarkedMenu is set or when it is not FlagUnmarked.
bool isVisiblePage(const Album& album, int page);
int visibleTabCount(const Album& album);
// The Page of a tab; for a tab that does not exist, the first tab's Page (0 when nothing is shown).
int tabToPage(const Album& album, int tab);
// The tab of a Page: 0 when there are no Pages or the Page is not shown as a tab.
int pageToTab(const Album& album, int page);

struct PicturePosition {
    int page = 0;
    int index = 0;  // within the Page: 0 for a file Page, the folder index for a folder Page
};
// Picture numbers run over the visible Pages in order, each contributing FileNum numbers.
std::optional<PicturePosition> pictureAt(const Album& album, std::int64_t pictureNumber);

}  // namespace quillory
