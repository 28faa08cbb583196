#pragma once
// The current Page is always the Page of the selected tab. A Page without a tab (unmarked while
// unmarked Pages are hidden) never becomes current, so whatever acts on the current Page (Page
// settings, duplicate, delete) acts on the Page the person sees selected.
#include "album/album.h"

namespace quillory {

// The tab that shows the current Page.
int currentTab(const Album& album);
// Makes the Page of `tab` current (the first tab's Page when there is no such tab).
void makeTabCurrent(Album& album, int tab);
// `page` when it has a tab; otherwise the first tab's Page, which stands in for it.
int shownPage(const Album& album, int page);
// Makes shownPage(page) current.
void makePageCurrent(Album& album, int page);

}  // namespace quillory
