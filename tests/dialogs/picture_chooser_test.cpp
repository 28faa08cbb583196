#include "dialogs/picture_chooser.h"

#include <gtest/gtest.h>

#include "album/album.h"

namespace quillory {
namespace {

// Relative paths resolve against C:\Work; a path with "?" cannot be resolved.
std::optional<Text> resolve(TextView path) {
    if (path.find(u'?') != TextView::npos) return std::nullopt;
    if (path.size() > 1 && path[1] == u':') return Text(path);
    return u"C:\\Work\\" + Text(path);
}

TEST(FileChooserStart, OpensInThePicturesFolderWithItsName) {
    const FileChooserStart start = fileChooserStart(u"D:\\Photos\\Trip.jpg", resolve, u"E:\\Old\\");
    EXPECT_EQ(start.folder, u"D:\\Photos\\");
    EXPECT_EQ(start.name, u"Trip.jpg");
    EXPECT_EQ(fileChooserStart(u"Trip.jpg", resolve, u"").folder, u"C:\\Work\\");
}

TEST(FileChooserStart, FolderPageOpensInItsFolderWithoutAName) {
    const FileChooserStart start = fileChooserStart(u"D:\\Photos\\", resolve, u"E:\\Old\\");
    EXPECT_EQ(start.folder, u"D:\\Photos\\");
    EXPECT_EQ(start.name, u"");
}

TEST(FileChooserStart, DriveRootKeepsThePreviousFolder) {
    const FileChooserStart start = fileChooserStart(u"C:\\", resolve, u"E:\\Old\\");
    EXPECT_EQ(start.folder, u"E:\\Old\\");
    EXPECT_EQ(start.name, u"");
}

TEST(FileChooserStart, UnresolvablePathKeepsItsName) {
    const FileChooserStart start = fileChooserStart(u"D:\\a?b.jpg", resolve, u"E:\\Old\\");
    EXPECT_EQ(start.folder, u"");
    EXPECT_EQ(start.name, u"D:\\a?b.jpg");
}

// A File of a full path's capacity (hand-edited albums hold anything) must still fit the
// chooser's buffer of 262 units with its terminator.
TEST(FileChooserStart, NameNeverExceedsAPathsCapacity) {
    const Text longFile = u"D:\\?" + Text(400, u'x');
    const FileChooserStart start = fileChooserStart(longFile, resolve, u"");
    EXPECT_EQ(start.name.size(), kPathCapacity);
    const Text resolvedLong = u"D:\\" + Text(300, u'y') + u".jpg";
    EXPECT_LE(fileChooserStart(resolvedLong, resolve, u"").name.size(), kPathCapacity);
}

TEST(PictureChooserTexts, TitlesCutAlbumNameAndLabelAt32) {
    const Text label = Text(40, u'L');
    EXPECT_EQ(fileChooserTitle(u"Quillory", u"旅行"), u"Quillory - \"旅行\" - 絵の選択");
    EXPECT_EQ(folderChooserTitle(u"Quillory", label), u"Quillory - \"" + Text(32, u'L') + u"\" - 絵のフォルダの選択");
}

TEST(PictureChooserTexts, FilterOffersOnlyBitmapsWithoutTheDecoder) {
    const Text plain = fileChooserFilter(false);
    EXPECT_EQ(plain, Text(u"ビットマップ (bmp, dib)\0*.bmp;*.dib\0\0", 31));
    const Text all = fileChooserFilter(true);
    EXPECT_NE(all.find(u"*.jpeg;*.jpe;*.jfif;*.tif;*.tiff;*.png"), Text::npos);
    EXPECT_NE(all.find(u"*.emf;*.webp;*.heic;*.heif;*.avif\0"), Text::npos);
    EXPECT_NE(all.find(u"emf, webp, heic, avif)"), Text::npos);
    EXPECT_EQ(all.substr(all.size() - 2), Text(2, u'\0'));
}

TEST(PictureChooserTexts, StatusLineNamesTheFolderAndCountsItsPictures) {
    EXPECT_EQ(folderStatusLine(u"D:\\Photos\\Trip", 12), u"\"Trip\" --- 画像ファイル 12 個、");
    EXPECT_EQ(folderStatusLine(u"D:\\", 0), u"\"D:\\\" --- 画像ファイル 0 個、");
    EXPECT_EQ(folderStatusLine(u"D:\\" + Text(80, u'n'), 1), u"\"" + Text(63, u'n') + u"\" --- 画像ファイル 1 個、");
}

}  // namespace
}  // namespace quillory
