#include "stand/viewing.h"

#include <gtest/gtest.h>

#include "album/album_test_support.h"
#include "base/format.h"

namespace quillory::testing {
namespace {

const Text kPath = u"C:\\a\\Stand.qalbum";

class ViewingTest : public ::testing::Test {
protected:
    // Two Pages, the second one current, after a slide show that filled the history.
    void SetUp() override {
        files.put(kPath, unicodeFile(u";Quillory\r\n[Quillory]\r\nPageCount=2\r\n[Page1]\r\nPageVer=100\r\nLabel=A\r\n"
                                     u"[Page2]\r\nPageVer=100\r\nLabel=B\r\nFile=C:\\old\\\r\nFlag=2\r\nFolderFileNo=7\r\n"));
        album.defaultPage = makeDefaultPage();
        file.loadPage(album, kDefaultPage, false);
        file.loadAlbum(album);
        album.currentPage = 1;
        album.history[0] = {12, u"a.jpg"};
        album.history[1] = {3, u"b.jpg"};
    }
    FolderLister lister(int count) {
        return [this, count](const Text& folder) {
            listed.push_back(folder);
            return count;
        };
    }
    bool historyEmpty() const {
        for (const HistoryEntry& entry : album.history) {
            if (entry.pictureNumber != -1) return false;
        }
        return true;
    }

    FakeFileSystem files;
    FakeCodePage codePage;
    FakeSpecialFolders folders;
    AlbumFile file{kPath, files, codePage, folders};
    Album album;
    std::vector<Text> listed;
};

TEST_F(ViewingTest, AFolderGivenToTheCurrentPageIsListedShownFromItsStartAndForgetsTheHistory) {
    FolderCursor cursor{7, 40};
    const Changes changes = giveCurrentPage(album, cursor, {u"D:\\trip", true}, lister(5));
    EXPECT_EQ(listed, std::vector<Text>{u"D:\\trip\\"});
    const PageSettings& page = album.pages[1];
    EXPECT_EQ(page.File, u"D:\\trip\\");
    EXPECT_EQ(page.FolderFileNo, 0);
    EXPECT_EQ(page.FileNum, 5);
    EXPECT_EQ(cursor.index, 0);
    EXPECT_EQ(cursor.count, 5);
    EXPECT_EQ(album.pages[0].File, u"") << "only the current Page takes it";
    EXPECT_TRUE(historyEmpty());
    // What a person sees follows: the picture, the status bar's location and the history menu.
    EXPECT_TRUE(changes.has(Change::Picture));
    EXPECT_TRUE(changes.has(Change::Status));
    EXPECT_TRUE(changes.has(Change::History));
    EXPECT_TRUE(changes.repaintsView());
}

TEST_F(ViewingTest, AFileGivenToAFolderPageMakesItAFilePageWithoutListingAnything) {
    FolderCursor cursor{7, 40};
    const Changes changes = giveCurrentPage(album, cursor, {u"D:\\sea.jpg", false}, lister(5));
    EXPECT_TRUE(listed.empty());
    EXPECT_EQ(album.pages[1].File, u"D:\\sea.jpg");
    EXPECT_EQ(album.pages[1].Flag & FlagFolder, 0u);
    EXPECT_TRUE(changes.has(Change::Status));
    EXPECT_TRUE(historyEmpty());
    EXPECT_EQ(cursor.index, 7) << "the folder place is the view's until the Page shows the file";
}

// The Page settings' copy of the current Page takes a folder as the Page itself would, capped to
// the album's path length; the album's Page stays as it was until OK.
TEST_F(ViewingTest, AFolderGivenToACopyOfThePageIsListedAndCappedAndLeavesTheAlbumsPage) {
    PageSettings copy = album.pages[1];
    FolderCursor cursor{7, 40};
    const Text longFolder = u"D:\\" + Text(kPathCapacity, u'x');
    givePage(album, copy, cursor, {longFolder, true}, lister(3));
    EXPECT_EQ(copy.File.size(), static_cast<std::size_t>(kPathCapacity));
    EXPECT_NE(copy.Flag & FlagFolder, 0u);
    EXPECT_EQ(copy.FileNum, 3);
    EXPECT_EQ(cursor.index, 0);
    EXPECT_EQ(cursor.count, 3);
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_EQ(listed[0], copy.File);
    EXPECT_EQ(album.pages[1].File, u"C:\\old\\");
    EXPECT_TRUE(historyEmpty());
}

TEST_F(ViewingTest, ALockedPageTakesNothingAndNothingChanges) {
    album.pages[1].Flag |= FlagLocked;
    FolderCursor cursor{7, 40};
    const Changes changes = giveCurrentPage(album, cursor, {u"D:\\trip", true}, lister(5));
    EXPECT_FALSE(changes.any());
    EXPECT_TRUE(listed.empty());
    EXPECT_EQ(album.pages[1].File, u"C:\\old\\");
    EXPECT_EQ(cursor.index, 7);
    EXPECT_FALSE(historyEmpty());
}

// The dialogs and the menu change how the Page is drawn: both ways out of the Page settings, and
// a fit mode, repaint the view; only OK touches the tabs.
TEST_F(ViewingTest, EveryWayOutOfThePageSettingsAndAFitModeRepaintTheView) {
    EXPECT_TRUE(pageSettingsClosed(true).repaintsView());
    EXPECT_TRUE(pageSettingsClosed(true).has(Change::Tabs));
    EXPECT_TRUE(pageSettingsClosed(false).repaintsView());
    EXPECT_FALSE(pageSettingsClosed(false).has(Change::Tabs));
    EXPECT_TRUE(resized().repaintsView());

    // A kept picture shrunk for the old fit may lack pixels the new one draws: it is loaded
    // again here, never from inside a paint.
    const Changes fit = chooseFitMode(album, file, 3);
    EXPECT_TRUE(fit.has(Change::Picture));
    EXPECT_TRUE(fitModePreviewed().has(Change::Picture));
    EXPECT_TRUE(fit.repaintsView());
    EXPECT_EQ(FitModeBits.get(album.pages[1].PhotoFlag), 3u);
    EXPECT_NE(files.files.at(kPath).size(), 0u);
}

// A folder that changed while shown: the same picture stays without a reload; a new count is the
// Page's and renumbers the pictures, so the history goes; a gone picture loads its neighbour.
TEST_F(ViewingTest, AFolderListedAgainMovesTheCursorAndReloadsOnlyAnotherPicture) {
    album.pages[1].FileNum = 40;
    FolderCursor cursor{7, 40};
    const Changes grown = folderRelisted(album, cursor, {8, 41, false});
    EXPECT_EQ(cursor.index, 8);
    EXPECT_EQ(cursor.count, 41);
    EXPECT_EQ(album.pages[1].FileNum, 41);
    EXPECT_TRUE(historyEmpty());
    EXPECT_TRUE(grown.has(Change::Status));
    EXPECT_FALSE(grown.has(Change::Picture));

    album.history[0] = {12, u"a.jpg"};
    const Changes gone = folderRelisted(album, cursor, {8, 41, true});
    EXPECT_TRUE(gone.has(Change::Picture));
    EXPECT_FALSE(historyEmpty()) << "the same count numbers the pictures as before";
    EXPECT_EQ(album.pages[0].FileNum, 0) << "only the current Page counts them";
}

}  // namespace
}  // namespace quillory::testing
