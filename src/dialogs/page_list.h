#pragma once
// The general settings' page list: a working copy of every Page that the list panel reorders,
// marks and crowns, and how that copy goes back into the Album on OK.
#include <optional>
#include <vector>

#include "album/album.h"
#include "base/text.h"

namespace quillory {

struct PageListEdit {
    std::vector<PageSettings> workingPageList;
    // The list's check boxes, by position. They reach the records' FlagUnmarked only through
    // applyPageList, so キャンセル on the list leaves the records as they were.
    std::vector<bool> marks;
    int boldPage = 0;      // the position the list shows as the main page
    int selectedPage = 0;  // the position selected in the list
    int shownPage = 0;     // the position of the Page the stand shows; it moves with that Page
    bool PagesChanged = false;
    bool pending = false;  // the marks have not been written into workingPageList
    std::uint32_t tabStyleBefore = 0;  // TabStyle when the list was made (the panel changes it live)
};

// Made before the dialog opens. The current folder Page first takes the folder picture shown
// now, which the view otherwise stores only when it closes, too late for this copy.
PageListEdit beginPageList(Album& album, int folderIndex);

// The list panel opens (again): the marks come from the records and the main page is drawn bold.
void openPageListPanel(PageListEdit& edit);
// Writes the marks into the records when `accept` is set; either way nothing is pending.
void applyPageList(PageListEdit& edit, bool accept);

// キャンセル: whatever the list shows, nothing of it reaches the Album.
void cancelPageList(PageListEdit& edit);

// A position chosen in the list. False when it names no Page.
bool selectPage(PageListEdit& edit, int position);
bool canMoveUp(const PageListEdit& edit);
bool canMoveDown(const PageListEdit& edit);
// Moves the selected Page one place (step −1 up, +1 down) with its mark and boldness, and keeps
// it selected. Returns the position it left, or nothing when it cannot move.
std::optional<int> moveSelectedPage(PageListEdit& edit, int step);
// "設定": the selected Page becomes the only main page.
void setMainPage(PageListEdit& edit);
// "全てマークする".
void markAll(PageListEdit& edit);
// "マークの無いページを隠す" (false) or "別のメニューから選択" (true), in the live TabStyle.
void setMarkedMenu(PageListEdit& edit, AlbumSettings& settings, bool markedMenu);

// The main page's label in double quotes, as beside "メインページ".
Text mainPageCaption(const PageListEdit& edit);

// OK with the list changed: the records replace the Album's Pages, the current tab follows and
// the history is emptied when the pictures' numbering changed. When unmarked Pages are hidden and
// every Page is unmarked, the Page the stand shows keeps its mark, wherever it was moved, and so
// keeps its tab.
// Returns true when the Pages were replaced: every Page is then saved and the tabs rebuilt,
// and the view is closed without storing its folder index into the new records.
bool commitPageList(Album& album, const PageListEdit& edit);

}  // namespace quillory
