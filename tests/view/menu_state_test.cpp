#include "view/menu_state.h"

#include <gtest/gtest.h>

#include "stand/slide_test_album.h"

namespace quillory::testing {
namespace {

std::vector<int> pagesOf(const PageList& list) {
    std::vector<int> pages;
    for (const PageListItem& item : list.items) pages.push_back(item.page);
    return pages;
}

TEST(MenuState, ALockedOrLastPageCannotBeReplacedOrDeleted) {
    Album album = slideAlbum({{1, false, false, u"Only"}});
    CurrentPageItems items = currentPageItems(album);
    EXPECT_TRUE(items.pictureItemEnabled);
    EXPECT_FALSE(items.deleteEnabled) << "the last Page stays";

    album = slideAlbum({{1}, {3, true, false, u"Trip"}});
    album.currentPage = 1;
    items = currentPageItems(album);
    EXPECT_TRUE(items.deleteEnabled);
    EXPECT_EQ(items.pageCaption, u"ページ \"Trip\"");
    EXPECT_EQ(items.pictureItemCaption, u"画像フォルダ選択(&F)...");

    album.pages[1].Flag |= FlagLocked;
    items = currentPageItems(album);
    EXPECT_FALSE(items.pictureItemEnabled);
    EXPECT_FALSE(items.deleteEnabled);
}

TEST(MenuState, ChecksFollowTheSettingsAndTheFitMode) {
    Album album = slideAlbum({{1}});
    album.settings.TabStyle = TabTopmost;
    album.settings.SlideStyle = 0x2200;
    FitModeBits.set(album.pages[0].PhotoFlag, 2);
    PopupMenuState state = popupMenuState(album);
    EXPECT_TRUE(state.topmostChecked);
    EXPECT_FALSE(state.slideShowChecked);
    EXPECT_FALSE(state.markedMenu);
    EXPECT_EQ(state.fitModeItem, 2);
    FitModeBits.set(album.pages[0].PhotoFlag, 9);
    EXPECT_FALSE(popupMenuState(album).fitModeItem) << "no fit item for a mode no item offers";
}

TEST(MenuState, MarkedListLeavesOutUnmarkedPages) {
    Album album = slideAlbum({{1}, {1, false, true}, {1}, {1, false, true}});
    album.currentPage = 2;
    const PageList marked = pageList(album, false);
    EXPECT_EQ(pagesOf(marked), (std::vector<int>{0, 2}));
    EXPECT_FALSE(marked.items[0].checked);
    EXPECT_TRUE(marked.items[1].checked);
    EXPECT_FALSE(marked.defaultItem) << "no main Page: nothing bold";
    const PageList all = pageList(album, true);
    EXPECT_EQ(pagesOf(all), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(all.defaultItem, 0u) << "no main Page: the first item is bold";
}

TEST(MenuState, TheMainPageIsTheDefaultItemWhereListed) {
    Album album = slideAlbum({{1, false, true}, {1}, {1}, {1}});
    album.pages[2].Flag |= FlagMainPage;
    EXPECT_EQ(pageList(album, false).defaultItem, 1u);
    EXPECT_EQ(pageList(album, true).defaultItem, 2u);
    album.pages[2].Flag |= FlagUnmarked;
    album.pages[3].Flag |= FlagMainPage;  // a second main Page: only the first counts
    EXPECT_FALSE(pageList(album, false).defaultItem);
    EXPECT_EQ(pageList(album, true).defaultItem, 2u);
}

}  // namespace
}  // namespace quillory::testing
