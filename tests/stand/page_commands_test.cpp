#include "stand/page_commands.h"

#include <gtest/gtest.h>

#include "album/page_tabs.h"
#include "album/album_test_support.h"
#include "base/format.h"
#include "stand/current_page.h"

namespace quillory::testing {
namespace {

const Text kPath = u"C:\\a\\Stand.qalbum";

class PageCommandsTest : public ::testing::Test {
protected:
    // An album of `count` Pages labelled A, B, C, ... with Page `current` current.
    void start(int count, int current = 0, std::uint32_t tabStyle = 0x13100) {
        Text text = formatText(u";Quillory\r\n[Quillory]\r\nPageCount=%d\r\nTabStyle=%d\r\n",
                               {count, static_cast<std::int32_t>(tabStyle)});
        for (int page = 0; page < count; ++page) {
            const Text label(1, static_cast<char16_t>(u'A' + page));
            text += formatText(u"[Page%d]\r\nPageVer=100\r\nLabel=%s\r\n", {page + 1, label});
        }
        files.put(kPath, unicodeFile(text));
        album = load();
        makePageCurrent(album, current);
        files.replaceCount = 0;
    }
    Album load() {
        Album loaded;
        loaded.defaultPage = makeDefaultPage();
        file.loadPage(loaded, kDefaultPage, false);
        file.loadAlbum(loaded);
        return loaded;
    }
    static Text labels(const Album& a) {
        Text all;
        for (const PageSettings& page : a.pages) all += page.Label + u" ";
        return all;
    }
    IniDocument stored() { return IniDocument::parse(files.files.at(kPath), codePage); }

    FakeFileSystem files;
    FakeCodePage codePage;
    FakeSpecialFolders folders;
    AlbumFile file{kPath, files, codePage, folders};
    Album album;
};

TEST_F(PageCommandsTest, NewPageTakesTheDefaultsIsSelectedAndWrittenOnce) {
    start(5, 1);
    addPage(album, file, std::nullopt);
    EXPECT_EQ(files.replaceCount, 1);
    ASSERT_EQ(album.pages.size(), 6u);
    EXPECT_EQ(stored().readInt(u"Quillory", u"PageCount", 0), 6);
    const PageSettings& added = album.pages[5];
    EXPECT_EQ(added.Label, u"Page6");
    EXPECT_EQ(added.Comment, u"Page6 コメント");
    EXPECT_EQ(added.PhotoFlag, album.defaultPage.PhotoFlag);
    EXPECT_EQ(added.FontColorBk2, album.defaultPage.FontColorBk2);
    EXPECT_EQ(album.currentPage, 5);
    EXPECT_EQ(currentTab(album), 5);

    const Album again = load();
    EXPECT_EQ(labels(again), u"A B C D E Page6 ");
    EXPECT_EQ(again.currentPage, 5) << "the settings were saved with the new current Page";
}

TEST_F(PageCommandsTest, ADroppedFolderBecomesAFolderPageNamedAfterIt) {
    start(2);
    addPage(album, file, NewPagePicture{u"D:\\Photos\\Trip", true});
    const PageSettings& added = album.pages[2];
    EXPECT_EQ(added.Label, u"Trip");
    EXPECT_EQ(added.File, u"D:\\Photos\\Trip\\");
    EXPECT_NE(added.Flag & FlagFolder, 0u);
    EXPECT_EQ(load().pages[2].File, u"D:\\Photos\\Trip\\");

    addPage(album, file, NewPagePicture{u"D:\\Photos\\a very long picture name that does not fit.jpg", false});
    EXPECT_EQ(album.pages[3].Label, u"a very long picture name that d");
    EXPECT_EQ(album.pages[3].Flag & FlagFolder, 0u);
    EXPECT_EQ(labelForPath(u"E:\\"), u"E:");
}

TEST_F(PageCommandsTest, ChangesNotYetInTheFileSurviveANewPageAndADelete) {
    start(5, 1);
    files.readOnly.insert(kPath);  // the album runs from memory: every write fails
    album.pages[3].Comment = u"edited";
    addPage(album, file, std::nullopt);
    EXPECT_EQ(album.pages[3].Comment, u"edited");
    EXPECT_EQ(labels(album), u"A B C D E Page6 ");

    makePageCurrent(album, 1);
    ASSERT_TRUE(deleteCurrentPage(album, file));
    EXPECT_EQ(labels(album), u"A C D E Page6 ") << "the chosen Page goes, not the last";
    EXPECT_EQ(album.pages[2].Comment, u"edited");
}

TEST_F(PageCommandsTest, DuplicatingPageTwoOfFiveSelectsTheCopyAfterIt) {
    start(5, 2);
    album.pages[2].Flag |= FlagMainPage;
    duplicateCurrentPage(album, file);
    EXPECT_EQ(files.replaceCount, 1);
    EXPECT_EQ(labels(album), u"A B C C D E ");
    EXPECT_EQ(album.currentPage, 3);
    EXPECT_EQ(currentTab(album), 3);
    EXPECT_EQ(album.pages[3].Flag & FlagMainPage, 0u) << "there is one main Page at most";
    const Album again = load();
    EXPECT_EQ(labels(again), u"A B C C D E ");
    EXPECT_EQ(again.currentPage, 3);
}

TEST_F(PageCommandsTest, DeletingSelectsTheTabBeforeOrKeepsTabZero) {
    start(5, 2);
    ASSERT_TRUE(deleteCurrentPage(album, file));
    EXPECT_EQ(files.replaceCount, 1);
    EXPECT_EQ(labels(album), u"A B D E ");
    EXPECT_EQ(album.currentPage, 1);
    EXPECT_FALSE(stored().hasSection(u"Page5")) << "the former last section is gone";
    EXPECT_EQ(labels(load()), u"A B D E ");

    makePageCurrent(album, 0);
    ASSERT_TRUE(deleteCurrentPage(album, file));
    EXPECT_EQ(labels(album), u"B D E ");
    EXPECT_EQ(album.currentPage, 0) << "tab 0 stays selected, now the next Page";
}

TEST_F(PageCommandsTest, TheLastPageAndALockedPageAreNotDeleted) {
    start(2, 1);
    album.pages[1].Flag |= FlagLocked;
    EXPECT_FALSE(deleteCurrentPage(album, file));
    album.pages[1].Flag &= ~FlagLocked;
    ASSERT_TRUE(deleteCurrentPage(album, file));
    EXPECT_FALSE(deleteCurrentPage(album, file));
    EXPECT_EQ(labels(album), u"A ");
    EXPECT_EQ(files.replaceCount, 1);
}

// The Pages shown end before the file's: a Page added or removed would meet the sections of
// the Pages past the cap. Without such Pages, Pages are added up to the cap.
TEST_F(PageCommandsTest, PagesAreNeitherAddedNorRemovedWhileTheFileHoldsPagesPastTheCap) {
    AlbumFile cappedAtTwo{kPath, files, codePage, folders, 2};
    files.put(kPath, unicodeFile(u";Quillory\r\n[Quillory]\r\nPageCount=3\r\n[Page1]\r\nLabel=A\r\n"
                                 u"[Page2]\r\nLabel=B\r\n[Page3]\r\nLabel=C\r\n"));
    cappedAtTwo.startAlbum(album);
    ASSERT_FALSE(canChangePageCount(cappedAtTwo));
    const auto bytes = files.files.at(kPath);
    addPage(album, cappedAtTwo, std::nullopt);
    duplicateCurrentPage(album, cappedAtTwo);
    makePageCurrent(album, 1);
    EXPECT_FALSE(deleteCurrentPage(album, cappedAtTwo));
    EXPECT_EQ(labels(album), u"A B ");
    EXPECT_EQ(files.files.at(kPath), bytes);

    AlbumFile atTheCap{kPath, files, codePage, folders, 2};
    files.put(kPath, unicodeFile(u";Quillory\r\n[Quillory]\r\nPageCount=2\r\n"));
    atTheCap.startAlbum(album);
    EXPECT_TRUE(canChangePageCount(atTheCap));
    EXPECT_FALSE(canAddPage(album, atTheCap));
    addPage(album, atTheCap, std::nullopt);
    duplicateCurrentPage(album, atTheCap);
    EXPECT_EQ(album.pages.size(), 2u);
    EXPECT_TRUE(deleteCurrentPage(album, atTheCap));
    EXPECT_TRUE(canAddPage(album, atTheCap));
}

TEST_F(PageCommandsTest, FitModeChangesOnlyTheCurrentPagesPictureFields) {
    start(3, 1);
    album.pages[1].Label = u"not saved by a fit mode";
    setFitMode(album, file, 3);
    EXPECT_EQ(FitModeBits.get(album.pages[1].PhotoFlag), 3u);
    const Album again = load();
    EXPECT_EQ(FitModeBits.get(again.pages[1].PhotoFlag), 3u);
    EXPECT_EQ(again.pages[1].Label, u"B");
}

TEST_F(PageCommandsTest, AHiddenPageNeverBecomesCurrent) {
    start(5, 0);
    album.pages[1].Flag |= FlagUnmarked;
    album.pages[3].Flag |= FlagUnmarked;
    makePageCurrent(album, 3);
    EXPECT_EQ(album.currentPage, 0) << "Page 3 has no tab: tab 0's Page stays current";
    makePageCurrent(album, 4);
    EXPECT_EQ(album.currentPage, 4);
    EXPECT_EQ(currentTab(album), 2);
    makeTabCurrent(album, 1);
    EXPECT_EQ(album.currentPage, 2);

    // Deleting Page 2 (tab 1) selects tab 0, Page 0, not the hidden Page 1 before it.
    ASSERT_TRUE(deleteCurrentPage(album, file));
    EXPECT_EQ(album.currentPage, 0);
    // Duplicating keeps the copy visible and selects it.
    duplicateCurrentPage(album, file);
    EXPECT_EQ(album.currentPage, 1);
    EXPECT_EQ(currentTab(album), 1);
}

}  // namespace
}  // namespace quillory::testing
