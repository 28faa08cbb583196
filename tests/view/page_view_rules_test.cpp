#include <gtest/gtest.h>

#include "view/dropped_file.h"
#include "view/folder_bar_timing.h"
#include "view/picture_open.h"

namespace quillory {
namespace {

TEST(DroppedFile, OnlyANameEndingInQalbumIsAnAlbum) {
    EXPECT_TRUE(isAlbumFile(u"C:\\a\\Quillory.qalbum", false));
    EXPECT_TRUE(isAlbumFile(u"C:\\a\\HOLIDAY.QAlbum", false));
    EXPECT_FALSE(isAlbumFile(u"C:\\a\\Quillory.qalbum.bak", false));
    EXPECT_FALSE(isAlbumFile(u"C:\\x.qalbum\\photo.jpg", false));
    EXPECT_FALSE(isAlbumFile(u"C:\\albums.qalbum", true));  // a folder
    EXPECT_EQ(albumArgument(u"C:\\my albums\\a.qalbum"), u"\"C:\\my albums\\a.qalbum\"");
}

TEST(DroppedFile, ActionFollowsAlbumLockNewPageFolderPictureInThatOrder) {
    DropContext context;
    context.gdiplusActive = true;
    EXPECT_EQ(dropActionFor(u"C:\\a.jpg", context), DropAction::ShowPicture);
    EXPECT_EQ(dropActionFor(u"C:\\notes.txt", context), DropAction::Ignore);
    EXPECT_EQ(dropActionFor(u"C:\\x.jpg\\notes.txt", context), DropAction::Ignore);
    context.isFolder = true;
    EXPECT_EQ(dropActionFor(u"C:\\pictures", context), DropAction::ShowFolder);
    context.isFolder = false;
    context.gdiplusActive = false;
    EXPECT_EQ(dropActionFor(u"C:\\a.jpg", context), DropAction::Ignore);  // bitmaps only
    EXPECT_EQ(dropActionFor(u"C:\\a.BMP", context), DropAction::ShowPicture);
    context.dropNewPage = true;
    EXPECT_EQ(dropActionFor(u"C:\\notes.txt", context), DropAction::NewPage);  // picture or not
    context.pageLocked = true;
    EXPECT_EQ(dropActionFor(u"C:\\a.BMP", context), DropAction::Ignore);
    EXPECT_EQ(dropActionFor(u"C:\\b.qalbum", context), DropAction::OpenAlbum);  // always
    context.pageLocked = false;
    context.slideRunning = true;
    EXPECT_EQ(dropActionFor(u"C:\\a.BMP", context), DropAction::Ignore);
}

TEST(PictureOpen, TheLongPathPrefixOnlyWhereItIsNeededAndValid) {
    const ShellOpenRequest local = shellOpenRequest(u"C:\\photos\\a.jpg");
    EXPECT_EQ(local.file, u"C:\\photos\\a.jpg");
    EXPECT_EQ(local.folder, Text(u"C:\\photos\\"));

    const Text deepFolder = u"C:\\" + Text(250, u'd') + u"\\";
    const ShellOpenRequest deep = shellOpenRequest(deepFolder + u"picture.jpg");
    EXPECT_EQ(deep.file, u"\\\\?\\" + deepFolder + u"picture.jpg");
    EXPECT_EQ(deep.folder, deepFolder);  // 254 characters still fit

    const Text network = u"\\\\server\\share\\" + Text(250, u'n') + u"\\a.jpg";
    EXPECT_EQ(shellOpenRequest(network).file, network);
    EXPECT_EQ(shellOpenRequest(network).folder, std::nullopt);  // cut, it would name another folder
    EXPECT_EQ(shellOpenRequest(u"\\\\?\\C:\\a.jpg").file, u"\\\\?\\C:\\a.jpg");
}

TEST(PictureOpen, TheFileBrowserIsAskedToSelectThePictureInItsFolder) {
    EXPECT_EQ(selectInFolderArguments(u"C:\\photos\\a b.jpg"), u"/select,\"C:\\photos\\a b.jpg\"");
}

TEST(FolderBarTiming, ShowsNearAnEdgeWithinTheBarsBand) {
    const Size client{400, 300};
    const int bar = 51;  // band: 124 < y < 175
    EXPECT_TRUE(callsFolderBar({10, 150}, client, bar, 96));
    EXPECT_TRUE(callsFolderBar({371, 150}, client, bar, 96));
    EXPECT_FALSE(callsFolderBar({30, 150}, client, bar, 96));
    EXPECT_FALSE(callsFolderBar({370, 150}, client, bar, 96));
    EXPECT_FALSE(callsFolderBar({10, 124}, client, bar, 96));
    EXPECT_TRUE(callsFolderBar({10, 125}, client, bar, 96));
    EXPECT_FALSE(callsFolderBar({10, 175}, client, bar, 96));
    EXPECT_FALSE(callsFolderBar({200, 150}, client, bar, 96));
}

TEST(FolderBarTiming, TheEdgeThatCallsTheBarGrowsWithTheDpi) {
    const Size client{600, 450};
    const int bar = 77;  // the bar at 144 DPI
    EXPECT_TRUE(callsFolderBar({44, 225}, client, bar, 144));
    EXPECT_FALSE(callsFolderBar({45, 225}, client, bar, 144));
    EXPECT_TRUE(callsFolderBar({556, 225}, client, bar, 144));
    EXPECT_FALSE(callsFolderBar({555, 225}, client, bar, 144));
}

TEST(FolderBarTiming, HidesFiveSecondsAfterAHoverAndThreeAfterAStep) {
    const Size client{400, 300};
    FolderBarTiming timing;
    EXPECT_TRUE(timing.tick());  // a new view hides the bar on its first tick
    EXPECT_FALSE(timing.tick());
    ASSERT_TRUE(timing.hover({10, 150}, client, 51, 96));
    EXPECT_FALSE(timing.hover({10, 150}, client, 51, 96));  // the same point again
    for (int second = 1; second < 5; ++second) EXPECT_FALSE(timing.tick()) << second;
    EXPECT_TRUE(timing.tick());
    EXPECT_FALSE(timing.shown());

    ASSERT_TRUE(timing.hover({12, 150}, client, 51, 96));
    EXPECT_FALSE(timing.tick());
    EXPECT_FALSE(timing.tick());
    EXPECT_TRUE(timing.hover({11, 150}, client, 51, 96));  // another point restarts the five seconds
    for (int second = 1; second < 5; ++second) EXPECT_FALSE(timing.tick()) << second;
    timing.stepped();
    EXPECT_FALSE(timing.tick());
    EXPECT_FALSE(timing.tick());
    EXPECT_TRUE(timing.tick());
}

}  // namespace
}  // namespace quillory
