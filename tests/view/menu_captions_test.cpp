#include "view/menu_captions.h"

#include <gtest/gtest.h>

#include "stand/slide_test_album.h"

namespace quillory::testing {
namespace {

TEST(MenuCaptions, CurrentPageCaptionsCutTheLabel) {
    EXPECT_EQ(pageCaption(u"旅行"), u"ページ \"旅行\"");
    EXPECT_EQ(pageCaption(Text(40, u'x')), u"ページ \"" + Text(32, u'x') + u"\"");
    EXPECT_EQ(pictureItemCaption(true), u"画像フォルダ選択(&F)...");
    EXPECT_EQ(pictureItemCaption(false), u"画像ファイル選択(&F)...");
}

TEST(MenuCaptions, PageItemsBracketFoldersWithinThirtyFiveCharacters) {
    const Album album = slideAlbum({{4, true, false, u"Trip"}, {1, false, false, u"Cat"}});
    EXPECT_EQ(pageItemText(album.pages[0]), u"[ Trip ]");
    EXPECT_EQ(pageItemText(album.pages[1]), u"Cat");
    PageSettings longFolder = album.pages[0];
    longFolder.Label = Text(31, u'y');
    EXPECT_EQ(pageItemText(longFolder), u"[ " + Text(31, u'y') + u" ]");
    longFolder.Label = Text(40, u'y');  // longer than a Label holds: a hand-edited album
    EXPECT_EQ(pageItemText(longFolder).size(), kPageItemCapacity);
}

TEST(MenuCaptions, HistoryItemsNameTheirPageAndPicture) {
    Album album = slideAlbum({{1, false, false, u"家"}, {4, true, false, u"旅行"}});
    album.history[0] = {1, u"IMG_0001.JPG"};
    album.history[1] = {0, u"home.jpg"};
    album.history[2] = {-1, u""};
    album.history[3] = {4, Text(40, u'n')};
    const auto items = historyItems(album);
    EXPECT_TRUE(items[0].enabled);
    EXPECT_EQ(items[0].caption, u"(1) [ 旅行 ] - IMG_0001.JPG");
    EXPECT_EQ(items[1].caption, u"(2) 家 - home.jpg");
    EXPECT_FALSE(items[2].enabled);
    EXPECT_FALSE(items[2].caption) << "an empty entry keeps its resource caption";
    EXPECT_EQ(items[3].caption, u"(4) [ 旅行 ] - " + Text(32, u'n'));
    for (std::size_t entry = 4; entry < kHistorySize; ++entry) EXPECT_FALSE(items[entry].enabled);
}

TEST(MenuCaptions, HistoryEntryBeyondThePicturesIsGreyedUnderThePageBefore) {
    Album album = slideAlbum({{1, false, false, u"家"}, {4, true, false, u"旅行"}});
    album.history[0] = {9, u"gone.jpg"};
    album.history[1] = {2, u"IMG_0002.JPG"};
    album.history[2] = {7, u"gone2.jpg"};
    const auto items = historyItems(album);
    EXPECT_FALSE(items[0].enabled);
    EXPECT_EQ(items[0].caption, u"(1) 家 - gone.jpg") << "Page 0 stands in for the first entry";
    EXPECT_TRUE(items[1].enabled);
    EXPECT_FALSE(items[2].enabled);
    EXPECT_EQ(items[2].caption, u"(3) [ 旅行 ] - gone2.jpg");
}

}  // namespace
}  // namespace quillory::testing
