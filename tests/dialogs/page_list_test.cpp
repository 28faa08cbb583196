#include "dialogs/page_list.h"

#include <gtest/gtest.h>

namespace quillory {
namespace {

std::vector<Text> labelsOf(const std::vector<PageSettings>& pages) {
    std::vector<Text> labels;
    for (const PageSettings& page : pages) labels.push_back(page.Label);
    return labels;
}

Album albumOf(std::initializer_list<const char16_t*> labels) {
    Album album;
    for (const char16_t* label : labels) {
        PageSettings page;
        page.Label = label;
        page.File = Text(label) + u".jpg";
        page.FileNum = 1;
        album.pages.push_back(page);
    }
    album.settings.TabStyle &= ~TabMarkedMenu;
    album.history[0] = {1, u"B.jpg"};
    return album;
}

class PageList : public ::testing::Test {
protected:
    Album album = albumOf({u"A", u"B", u"C"});
    PageListEdit edit;

    void open() {
        edit = beginPageList(album, 0);
        openPageListPanel(edit);
    }
};

TEST_F(PageList, MovingUpCarriesTheMarkAndTheMainPage) {
    album.pages[1].Flag |= FlagMainPage;
    album.pages[2].Flag |= FlagUnmarked;
    open();
    ASSERT_TRUE(selectPage(edit, 1));
    edit.marks[1] = false;  // B unchecked in the list

    EXPECT_EQ(moveSelectedPage(edit, -1), 1);
    EXPECT_EQ(labelsOf(edit.workingPageList), (std::vector<Text>{u"B", u"A", u"C"}));
    EXPECT_EQ(edit.marks, (std::vector<bool>{false, true, false}));
    EXPECT_EQ(edit.boldPage, 0);
    EXPECT_EQ(edit.selectedPage, 0);
    EXPECT_FALSE(canMoveUp(edit));
    EXPECT_EQ(mainPageCaption(edit), u"\"B\"");

    // At the top nothing moves, though the list counts as changed.
    EXPECT_EQ(moveSelectedPage(edit, -1), std::nullopt);
    applyPageList(edit, true);
    ASSERT_TRUE(commitPageList(album, edit));
    EXPECT_EQ(labelsOf(album.pages), (std::vector<Text>{u"B", u"A", u"C"}));
    EXPECT_EQ(album.pages[0].Flag, FlagMainPage | FlagUnmarked);
    EXPECT_EQ(album.pages[2].Flag, FlagUnmarked);
    EXPECT_EQ(album.history[0].pictureNumber, -1);
}

TEST_F(PageList, MovingDownStopsAtTheLastPage) {
    open();
    selectPage(edit, 1);
    EXPECT_EQ(moveSelectedPage(edit, 1), 1);
    EXPECT_EQ(labelsOf(edit.workingPageList), (std::vector<Text>{u"A", u"C", u"B"}));
    EXPECT_FALSE(canMoveDown(edit));
    EXPECT_EQ(moveSelectedPage(edit, 1), std::nullopt);
    // The first Page stays bold (it is the main page when none is named) as others pass it.
    EXPECT_EQ(edit.boldPage, 0);
}

TEST_F(PageList, MarksReachTheRecordsOnlyWhenApplied) {
    album.pages[0].Flag |= FlagUnmarked | FlagLocked;
    open();
    markAll(edit);
    applyPageList(edit, false);
    EXPECT_EQ(edit.workingPageList[0].Flag, FlagUnmarked | FlagLocked);
    EXPECT_FALSE(edit.pending);

    // Leaving the panel applies them; coming back shows them again.
    openPageListPanel(edit);
    edit.marks[2] = false;
    applyPageList(edit, true);
    openPageListPanel(edit);
    EXPECT_EQ(edit.marks, (std::vector<bool>{false, true, false}));
    EXPECT_EQ(edit.workingPageList[0].Flag, FlagUnmarked | FlagLocked);
}

TEST_F(PageList, SetMakesTheSelectedPageTheOnlyMainPage) {
    album.pages[0].Flag |= FlagMainPage;
    open();
    selectPage(edit, 2);
    setMainPage(edit);
    EXPECT_EQ(edit.workingPageList[0].Flag & FlagMainPage, 0u);
    EXPECT_EQ(edit.workingPageList[2].Flag & FlagMainPage, FlagMainPage);
    EXPECT_EQ(edit.boldPage, 2);
    EXPECT_EQ(mainPageCaption(edit), u"\"C\"");
}

TEST_F(PageList, HidingEveryPageKeepsTheCurrentPageShown) {
    album.currentPage = 1;
    open();
    edit.marks.assign(3, false);
    applyPageList(edit, true);
    setMarkedMenu(edit, album.settings, false);
    ASSERT_TRUE(commitPageList(album, edit));
    EXPECT_EQ(album.pages[1].Flag & FlagUnmarked, 0u);
    EXPECT_EQ(album.pages[0].Flag & FlagUnmarked, FlagUnmarked);
    EXPECT_EQ(album.currentPage, 1);
}

// The Page shown keeps its tab wherever it was moved; the one moved into its place does not.
TEST_F(PageList, HidingEveryPageKeepsTheShownPageShownAfterItMoved) {
    album.currentPage = 1;
    open();
    ASSERT_EQ(moveSelectedPage(edit, -1), 1);
    selectPage(edit, 1);
    ASSERT_EQ(moveSelectedPage(edit, 1), 1);  // A passes C: the shown Page B is not the one moving
    edit.marks.assign(3, false);
    applyPageList(edit, true);
    setMarkedMenu(edit, album.settings, false);
    ASSERT_TRUE(commitPageList(album, edit));
    EXPECT_EQ(labelsOf(album.pages), (std::vector<Text>{u"B", u"C", u"A"}));
    EXPECT_EQ(album.pages[0].Flag & FlagUnmarked, 0u);
    EXPECT_EQ(album.pages[1].Flag & FlagUnmarked, FlagUnmarked);
    EXPECT_EQ(album.pages[2].Flag & FlagUnmarked, FlagUnmarked);
    EXPECT_EQ(album.currentPage, 0);
}

TEST_F(PageList, UnmarkedPagesStayUnmarkedWhenAllAreTabs) {
    open();
    edit.marks.assign(3, false);
    applyPageList(edit, true);
    setMarkedMenu(edit, album.settings, true);
    ASSERT_TRUE(commitPageList(album, edit));
    for (const PageSettings& page : album.pages) EXPECT_EQ(page.Flag & FlagUnmarked, FlagUnmarked);
    // Every Page is still a tab in the same order, so the history still names the right pictures.
    EXPECT_EQ(album.history[0].pictureNumber, 1);
}

TEST_F(PageList, CurrentFolderPageTakesTheShownPictureBeforeTheCopy) {
    album.pages[1].Flag |= FlagFolder;
    album.pages[1].FolderFileNo = 2;
    album.currentPage = 1;
    const PageListEdit folderEdit = beginPageList(album, 7);
    EXPECT_EQ(folderEdit.workingPageList[1].FolderFileNo, 7);
    EXPECT_EQ(album.pages[1].FolderFileNo, 7);

    album.currentPage = 0;
    album.pages[0].FolderFileNo = 3;
    EXPECT_EQ(beginPageList(album, 9).workingPageList[0].FolderFileNo, 3);  // a file Page has no folder picture
}

TEST_F(PageList, UnchangedListOrCancelLeavesTheAlbum) {
    album.pages[2].Flag |= FlagMainPage;
    const std::vector<PageSettings> pagesBefore = album.pages;
    const std::uint32_t tabStyleBefore = album.settings.TabStyle;
    open();
    EXPECT_FALSE(commitPageList(album, edit));
    // Only looking at the list (the selection notification) changes nothing that numbers pictures.
    selectPage(edit, 0);
    ASSERT_TRUE(commitPageList(album, edit));
    EXPECT_EQ(album.history[0].pictureNumber, 1);

    // Everything the list offers, then キャンセル.
    open();
    selectPage(edit, 2);
    moveSelectedPage(edit, -1);
    setMainPage(edit);
    markAll(edit);
    edit.marks[0] = false;
    applyPageList(edit, true);
    cancelPageList(edit);
    EXPECT_FALSE(edit.PagesChanged);
    EXPECT_FALSE(commitPageList(album, edit));
    EXPECT_EQ(labelsOf(album.pages), labelsOf(pagesBefore));
    for (std::size_t i = 0; i < album.pages.size(); ++i) EXPECT_EQ(album.pages[i].Flag, pagesBefore[i].Flag) << i;
    EXPECT_EQ(album.settings.TabStyle, tabStyleBefore);
    EXPECT_EQ(album.history[0].pictureNumber, 1);
}

}  // namespace
}  // namespace quillory
