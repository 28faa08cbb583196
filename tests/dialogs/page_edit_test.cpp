#include "dialogs/page_edit.h"

#include <gtest/gtest.h>

namespace quillory {
namespace {

PageSettings folderPage() {
    PageSettings page;
    page.File = u"D:\\Old\\";
    page.Flag = FlagFolder;
    page.FolderFileNo = 1;
    page.FileNum = 10;
    FitModeBits.set(page.PhotoFlag, 0);
    return page;
}

TEST(PageEdit, CancelPutsTheSavedPageBackAndRescansAChosenFolderAway) {
    PageSettings live = folderPage();
    PageEdit edit = beginPageEdit(live, 6);
    // The display panel shows its fit mode live; the contents panel chose another folder.
    FitModeBits.set(live.PhotoFlag, 3);
    edit.workingPage.File = u"D:\\New\\";
    edit.workingPage.FileNum = 4;
    edit.folderListReplaced = true;

    const CancelledView view = cancelPageEdit(edit, live);
    EXPECT_EQ(FitModeBits.get(live.PhotoFlag), 0u);
    EXPECT_EQ(live.File, u"D:\\Old\\");
    EXPECT_EQ(live.FileNum, 10);
    EXPECT_TRUE(view.rescanFolder);
    EXPECT_EQ(view.folderIndex, 6);  // where the user was, not the stale stored index
}

TEST(PageEdit, CancelWithoutAChosenFolderNeedsNoRescan) {
    PageSettings live = folderPage();
    EXPECT_FALSE(cancelPageEdit(beginPageEdit(live, 2), live).rescanFolder);
    // A file Page never steps through the FolderList.
    PageSettings file;
    PageEdit edit = beginPageEdit(file, 0);
    edit.folderListReplaced = true;
    EXPECT_FALSE(cancelPageEdit(edit, file).rescanFolder);
}

TEST(SetAsDefault, EachPanelCopiesOnlyItsOwnFields) {
    PageSettings working = folderPage();
    working.PhotoFlag = 3 | ShowLabel | ShowGps;
    working.FontName = u"Meiryo";
    working.FontSize = 40;
    working.FontStyle = FontItalic;
    working.FontColor = 0x123456;
    working.FontAlpha = 99;

    const PageSettings original = makeDefaultPage();
    PageSettings fit = original;
    copyToDefaultPage(DefaultPanel::DisplaySize, working, fit);
    EXPECT_EQ(fit.PhotoFlag, (original.PhotoFlag & ~FitModeBits.mask()) | 3);
    EXPECT_EQ(fit.FontName, original.FontName);

    PageSettings text = original;
    copyToDefaultPage(DefaultPanel::Text, working, text);
    EXPECT_EQ(text.PhotoFlag, (original.PhotoFlag & FitModeBits.mask()) | ShowLabel | ShowGps);
    EXPECT_EQ(text.FontName, u"Meiryo");
    EXPECT_EQ(text.FontSize, 40);
    EXPECT_EQ(text.FontColor, original.FontColor);

    PageSettings colour = original;
    copyToDefaultPage(DefaultPanel::Colour, working, colour);
    EXPECT_EQ(colour.FontColor, 0x123456u);
    EXPECT_EQ(colour.FontAlpha, 99);
    EXPECT_EQ(colour.PhotoFlag, original.PhotoFlag);
    EXPECT_EQ(colour.FontSize, original.FontSize);
}

}  // namespace
}  // namespace quillory
