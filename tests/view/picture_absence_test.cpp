#include "view/picture_absence.h"

#include <gtest/gtest.h>

#include <set>

namespace quillory {
namespace {

PageSettings filePage(const Text& file) {
    PageSettings page;
    page.File = file;
    page.FileNum = 1;
    return page;
}

PageSettings folderPage(const Text& folder, int pictures) {
    PageSettings page;
    page.File = folder;
    page.Flag = FlagFolder;
    page.FileNum = pictures;
    return page;
}

PathExists onDisk(std::set<Text> paths) {
    return [paths = std::move(paths)](const Text& path) { return paths.contains(path); };
}

TEST(PictureAbsence, TheViewSaysWhyItShowsNoPicture) {
    const PathExists disk = onDisk({u"C:\\p\\a.jpg", u"C:\\trip\\", u"C:\\trip\\b.jpg", u"C:\\empty\\"});
    EXPECT_EQ(absenceNote(PageSettings{}, u"", disk), Text(u"右クリックかドロップで絵を選んでください"));
    EXPECT_EQ(absenceNote(filePage(u"C:\\p\\gone.jpg"), u"C:\\p\\gone.jpg", disk), Text(u"ファイルが見つかりません: gone.jpg"));
    EXPECT_EQ(absenceNote(folderPage(u"C:\\lost\\", 3), u"", disk), Text(u"フォルダが見つかりません: lost"));
    EXPECT_EQ(absenceNote(folderPage(u"C:\\empty\\", 0), u"", disk), Text(u"このフォルダには絵がありません: empty"));
    EXPECT_EQ(absenceNote(folderPage(u"C:\\trip\\", 2), u"C:\\trip\\c.jpg", disk), Text(u"ファイルが見つかりません: c.jpg"));
}

TEST(PictureAbsence, APictureThatIsThereNeedsNoNote) {
    const PathExists disk = onDisk({u"C:\\p\\a.jpg", u"C:\\trip\\", u"C:\\trip\\b.jpg"});
    EXPECT_EQ(absenceNote(filePage(u"C:\\p\\a.jpg"), u"C:\\p\\a.jpg", disk), std::nullopt);
    EXPECT_EQ(absenceNote(folderPage(u"C:\\trip\\", 2), u"C:\\trip\\b.jpg", disk), std::nullopt);
}

TEST(PictureAbsence, TheShowPassesOverPagesAndFilesItCannotShow) {
    const PathExists disk = onDisk({u"C:\\p\\a.jpg", u"C:\\trip\\", u"C:\\trip\\b.jpg", u"C:\\empty\\"});
    EXPECT_FALSE(canShowPicture(PageSettings{}, u"", disk)) << "an empty Page";
    EXPECT_FALSE(canShowPicture(filePage(u"C:\\p\\gone.jpg"), u"", disk));
    EXPECT_TRUE(canShowPicture(filePage(u"C:\\p\\a.jpg"), u"", disk));
    EXPECT_FALSE(canShowPicture(folderPage(u"C:\\empty\\", 0), u"", disk));
    EXPECT_FALSE(canShowPicture(folderPage(u"C:\\lost\\", 3), u"", disk));
    EXPECT_TRUE(canShowPicture(folderPage(u"C:\\trip\\", 2), u"", disk)) << "another Page's folder, not listed now";
    EXPECT_TRUE(canShowPicture(folderPage(u"C:\\trip\\", 2), u"C:\\trip\\b.jpg", disk));
    EXPECT_FALSE(canShowPicture(folderPage(u"C:\\trip\\", 2), u"C:\\trip\\c.jpg", disk)) << "a file gone from the listing";
}

}  // namespace
}  // namespace quillory
