#include "album/page_tabs.h"

#include <gtest/gtest.h>

namespace quillory::testing {
namespace {

Album albumWithFlags(std::initializer_list<std::uint32_t> flags, std::uint32_t tabStyle = 0) {
    Album album;
    album.settings.TabStyle = tabStyle;
    for (std::uint32_t flag : flags) {
        PageSettings page;
        page.Flag = flag;
        page.FileNum = 1;
        album.pages.push_back(page);
    }
    return album;
}

TEST(PageTabs, UnmarkedPagesAreNotTabs) {
    const Album album = albumWithFlags({FlagUnmarked, 0, FlagUnmarked, 0});
    EXPECT_EQ(visibleTabCount(album), 2);
    EXPECT_EQ(tabToPage(album, 0), 1);
    EXPECT_EQ(tabToPage(album, 1), 3);
    EXPECT_EQ(tabToPage(album, 2), 1) << "no such tab: the first tab's Page, never a hidden one";
    EXPECT_EQ(pageToTab(album, 2), 0) << "an unmarked Page has tab 0";
    EXPECT_EQ(pageToTab(album, 3), 1);
}

TEST(PageTabs, FivePagesWithTwoUnmarked) {
    const Album album = albumWithFlags({0, FlagUnmarked, 0, FlagUnmarked, 0});
    EXPECT_EQ(tabToPage(album, 1), 2);
    EXPECT_EQ(tabToPage(album, 2), 4);
    EXPECT_EQ(pageToTab(album, 3), 0);
    EXPECT_EQ(pageToTab(album, 4), 2);
}

TEST(PageTabs, MarkedMenuMakesEveryPageATab) {
    const Album album = albumWithFlags({FlagUnmarked, 0, FlagUnmarked}, TabMarkedMenu);
    EXPECT_EQ(visibleTabCount(album), 3);
    EXPECT_EQ(tabToPage(album, 2), 2);
    EXPECT_EQ(pageToTab(album, 2), 2);
    EXPECT_EQ(tabToPage(album, 3), 0) << "a tab beyond the Pages falls back to the first";
}

TEST(PageTabs, NoPagesAndBadIndexesGiveZero) {
    const Album empty;
    EXPECT_EQ(tabToPage(empty, 0), 0);
    EXPECT_EQ(pageToTab(empty, 0), 0);
    EXPECT_FALSE(isVisiblePage(empty, 0));
    const Album all = albumWithFlags({FlagUnmarked, FlagUnmarked});
    EXPECT_EQ(tabToPage(all, 0), 0);
    EXPECT_FALSE(isVisiblePage(all, -1));
    EXPECT_EQ(pageToTab(all, 7), 0);
}

TEST(PictureNumbering, NumbersRunOverVisiblePagesInOrder) {
    Album album = albumWithFlags({0, FlagUnmarked, 0, 0});
    album.pages[0].FileNum = 3;
    album.pages[1].FileNum = 100;
    album.pages[2].FileNum = 0;
    album.pages[3].FileNum = 2;
    EXPECT_EQ(pictureAt(album, 0)->page, 0);
    EXPECT_EQ(pictureAt(album, 2)->index, 2);
    const auto fourth = pictureAt(album, 3);
    ASSERT_TRUE(fourth);
    EXPECT_EQ(fourth->page, 3) << "the unmarked Page and the empty folder contribute nothing";
    EXPECT_EQ(fourth->index, 0);
    EXPECT_EQ(pictureAt(album, 4)->index, 1);
    EXPECT_FALSE(pictureAt(album, 5));
    EXPECT_FALSE(pictureAt(album, -1));

    album.settings.TabStyle = TabMarkedMenu;
    EXPECT_EQ(pictureAt(album, 3)->page, 1);
    EXPECT_EQ(pictureAt(album, 102)->index, 99);
}

TEST(PictureNumbering, FilePageWithoutPictureStillCounts) {
    Album album = albumWithFlags({0, 0});
    album.pages[0].File.clear();
    EXPECT_EQ(pictureAt(album, 1)->page, 1);
}

TEST(BitFields, ReadAndWriteOnlyTheirBits) {
    std::uint32_t style = 0x2203;
    EXPECT_EQ(SlideEffect.get(style), 2u);
    EXPECT_EQ(SlideEffectTime.get(style), 2u);
    SlideOrder.set(style, 0x1F);
    EXPECT_EQ(style, 0x22F3u) << "a value wider than the field is cut to it";
    std::uint32_t photo = 0xFFFFFFFF;
    TextCorner.set(photo, 1);
    EXPECT_EQ(photo, 0xFFFF7FFFu);
    std::uint32_t tabs = 0;
    TabDoubleClick.set(tabs, 2);
    EXPECT_EQ(tabs, 0x40000000u);
    EXPECT_EQ(FitModeBits.get(makeDefaultPage().PhotoFlag), 0u);
}

}  // namespace
}  // namespace quillory::testing
