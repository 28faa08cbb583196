#include "dialogs/page_list.h"

#include <algorithm>
#include <utility>

#include "album/page_tabs.h"
#include "base/format.h"

namespace quillory {
namespace {

// The main page's caption is formed in a buffer of 36 units.
constexpr std::size_t kCaptionCapacity = 35;

int pageCount(const PageListEdit& edit) { return static_cast<int>(edit.workingPageList.size()); }

bool isMarked(const PageSettings& page) { return (page.Flag & FlagUnmarked) == 0; }

bool shownAsTab(const PageSettings& page, std::uint32_t tabStyle) { return (tabStyle & TabMarkedMenu) != 0 || isMarked(page); }

// What the slide show's picture numbers depend on: the Pages shown as tabs, in order, with their
// pictures and picture counts.
std::vector<std::pair<Text, std::int32_t>> numbering(const std::vector<PageSettings>& pages, std::uint32_t tabStyle) {
    std::vector<std::pair<Text, std::int32_t>> result;
    for (const PageSettings& page : pages) {
        if (shownAsTab(page, tabStyle)) result.emplace_back(page.File, page.FileNum);
    }
    return result;
}

}  // namespace

PageListEdit beginPageList(Album& album, int folderIndex) {
    const int current = album.currentPage;
    if (current >= 0 && current < static_cast<int>(album.pages.size())) {
        PageSettings& page = album.pages[static_cast<std::size_t>(current)];
        if (page.Flag & FlagFolder) page.FolderFileNo = folderIndex;
    }
    PageListEdit edit;
    edit.workingPageList = album.pages;
    edit.marks.assign(album.pages.size(), true);
    edit.selectedPage = current;
    edit.shownPage = current;
    edit.tabStyleBefore = album.settings.TabStyle;
    return edit;
}

void openPageListPanel(PageListEdit& edit) {
    const auto& pages = edit.workingPageList;
    const auto main = std::find_if(pages.begin(), pages.end(), [](const PageSettings& p) { return (p.Flag & FlagMainPage) != 0; });
    edit.boldPage = main == pages.end() ? 0 : static_cast<int>(main - pages.begin());
    edit.pending = true;
    for (std::size_t i = 0; i < pages.size(); ++i) edit.marks[i] = isMarked(pages[i]);
}

void applyPageList(PageListEdit& edit, bool accept) {
    if (accept) {
        for (std::size_t i = 0; i < edit.workingPageList.size(); ++i) {
            std::uint32_t& flag = edit.workingPageList[i].Flag;
            flag = edit.marks[i] ? flag & ~FlagUnmarked : flag | FlagUnmarked;
        }
    }
    edit.pending = false;
}

void cancelPageList(PageListEdit& edit) {
    applyPageList(edit, false);
    edit.PagesChanged = false;
}

bool selectPage(PageListEdit& edit, int position) {
    if (position < 0 || position >= pageCount(edit)) return false;
    edit.selectedPage = position;
    edit.PagesChanged = true;
    return true;
}

bool canMoveUp(const PageListEdit& edit) { return edit.selectedPage > 0; }

bool canMoveDown(const PageListEdit& edit) { return edit.selectedPage < pageCount(edit) - 1; }

std::optional<int> moveSelectedPage(PageListEdit& edit, int step) {
    edit.PagesChanged = true;
    const int from = edit.selectedPage;
    const int to = from + step;
    if ((step != -1 && step != 1) || from < 0 || to < 0 || to >= pageCount(edit)) return std::nullopt;
    const auto a = static_cast<std::size_t>(from), b = static_cast<std::size_t>(to);
    std::swap(edit.workingPageList[a], edit.workingPageList[b]);
    const bool mark = edit.marks[a];
    edit.marks[a] = edit.marks[b];
    edit.marks[b] = mark;
    for (int* follows : {&edit.boldPage, &edit.shownPage}) {
        if (*follows == from) {
            *follows = to;
        } else if (*follows == to) {
            *follows = from;
        }
    }
    edit.selectedPage = to;
    return from;
}

void setMainPage(PageListEdit& edit) {
    if (edit.selectedPage < 0 || edit.selectedPage >= pageCount(edit)) return;
    for (PageSettings& page : edit.workingPageList) page.Flag &= ~FlagMainPage;
    edit.workingPageList[static_cast<std::size_t>(edit.selectedPage)].Flag |= FlagMainPage;
    edit.boldPage = edit.selectedPage;
}

void markAll(PageListEdit& edit) {
    edit.marks.assign(edit.marks.size(), true);
    edit.PagesChanged = true;
}

void setMarkedMenu(PageListEdit& edit, AlbumSettings& settings, bool markedMenu) {
    settings.TabStyle = markedMenu ? settings.TabStyle | TabMarkedMenu : settings.TabStyle & ~TabMarkedMenu;
    edit.PagesChanged = true;
}

Text mainPageCaption(const PageListEdit& edit) {
    if (edit.boldPage < 0 || edit.boldPage >= pageCount(edit)) return Text();
    const Text& label = edit.workingPageList[static_cast<std::size_t>(edit.boldPage)].Label;
    return capped(formatText(u"%s%s%s", {u"\"", label, u"\""}), kCaptionCapacity);
}

bool commitPageList(Album& album, const PageListEdit& edit) {
    if (!edit.PagesChanged || edit.workingPageList.empty()) return false;
    std::vector<PageSettings> pages = edit.workingPageList;
    const std::uint32_t tabStyle = album.settings.TabStyle;
    const bool noneShown = std::none_of(pages.begin(), pages.end(), [&](const PageSettings& p) { return shownAsTab(p, tabStyle); });
    if (noneShown) {
        const std::size_t shown = static_cast<std::size_t>(std::clamp(edit.shownPage, 0, static_cast<int>(pages.size()) - 1));
        pages[shown].Flag &= ~FlagUnmarked;
    }
    // Moving or hiding Pages renumbers the pictures: the history would name other pictures.
    if (numbering(pages, tabStyle) != numbering(album.pages, edit.tabStyleBefore)) clearHistory(album);
    album.pages = std::move(pages);
    album.currentPage = tabToPage(album, pageToTab(album, album.currentPage));
    return true;
}

}  // namespace quillory
