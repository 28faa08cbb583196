#include "view/menu_state.h"

#include "view/menu_captions.h"

namespace quillory {

namespace {

bool isListed(const PageSettings& page, bool allPages) { return allPages || (page.Flag & FlagUnmarked) == 0; }

}  // namespace

CurrentPageItems currentPageItems(const Album& album) {
    const PageSettings* page = currentPageOf(album);
    if (page == nullptr) return {pageCaption(u""), pictureItemCaption(false), false, false};
    const bool locked = (page->Flag & FlagLocked) != 0;
    return {pageCaption(page->Label), pictureItemCaption((page->Flag & FlagFolder) != 0), !locked,
            !locked && album.pages.size() > 1};
}

PopupMenuState popupMenuState(const Album& album) {
    const PageSettings* page = currentPageOf(album);
    const unsigned fitMode = page != nullptr ? FitModeBits.get(page->PhotoFlag) : 0;
    const std::uint32_t tabStyle = album.settings.TabStyle;
    return {currentPageItems(album), (tabStyle & TabMarkedMenu) != 0, (tabStyle & TabTopmost) != 0,
            (album.settings.SlideStyle & SlideOn) != 0,
            fitMode <= 3 ? std::optional<int>(static_cast<int>(fitMode)) : std::nullopt};
}

PageList pageList(const Album& album, bool allPages) {
    PageList list;
    bool mainSeen = false;
    for (int page = 0; page < static_cast<int>(album.pages.size()); ++page) {
        const PageSettings& settings = album.pages[static_cast<std::size_t>(page)];
        const bool isMain = !mainSeen && (settings.Flag & FlagMainPage) != 0;
        mainSeen = mainSeen || isMain;
        if (!isListed(settings, allPages)) continue;
        if (isMain) list.defaultItem = list.items.size();
        list.items.push_back({page, pageItemText(settings), page == album.currentPage});
    }
    if (allPages && !mainSeen && !list.items.empty()) list.defaultItem = 0;
    return list;
}

}  // namespace quillory
