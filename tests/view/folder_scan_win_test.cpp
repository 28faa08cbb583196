// The folder scan and the photo information on a real folder, through the Win32 adapters.
#include <windows.h>

#include <gtest/gtest.h>

#include "base/wide_win.h"
#include "base/win_platform_win.h"
#include "photoinfo/exif_builder.h"
#include "view/shown_picture_win.h"
#include "support/scratch_folder_win.h"
#include "view/folder_scan_win.h"

namespace quillory {
namespace {

std::vector<std::uint8_t> jpegShotAt(std::string_view date) {
    testing::TiffBuilder b;
    b.first = {testing::asciiEntry(0x010F, "Maker")};
    b.exif = {testing::asciiEntry(0x9003, date)};
    return testing::jpegWithExif(b.build());
}

// Its Exif lies after 100 KB of image data, past what the date reader caches, so the reader
// moves about the file with reads of its own.
std::vector<std::uint8_t> pngShotAtAfterImageData(std::string_view date) {
    testing::TiffBuilder b;
    b.bigEndian = true;
    b.exif = {testing::asciiEntry(0x9003, date)};
    std::vector<std::uint8_t> png{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    testing::appendPngChunk(png, "IHDR", std::vector<std::uint8_t>(13, 0));
    testing::appendPngChunk(png, "IDAT", std::vector<std::uint8_t>(100'000, 0x55));
    testing::appendPngChunk(png, "eXIf", b.build());
    testing::appendPngChunk(png, "IEND", {});
    return png;
}

class WinFolderScan : public ::testing::Test {
protected:
    std::vector<Text> names(int count) const {
        std::vector<Text> out;
        for (int i = 0; i < count; ++i) out.push_back(cursor.list->entries[static_cast<std::size_t>(i)].path.substr(folder_.path().size()));
        return out;
    }

    testing::ScratchFolder folder_{u"quillory_scan"};
    Album album;
    FolderCursor cursor;
};

TEST_F(WinFolderScan, ListsARealFolderInNameOrder) {
    folder_.write(u"b.JPG", {1});
    folder_.write(u"A.png", {1});
    folder_.write(u"a.bmp", {1});
    folder_.write(u"readme.txt", {1});
    folder_.makeFolder(u"holiday.jpg");
    EXPECT_EQ(scanFolderOnDisk(album, true, folder_.path(), true, *cursor.list), 4);
    EXPECT_EQ(names(4), (std::vector<Text>{u"A.png", u"a.bmp", u"b.JPG", u"holiday.jpg"}));
    EXPECT_EQ(scanFolderOnDisk(album, false, folder_.path() + u"a.bmp", false, *cursor.list), 1);
}

TEST_F(WinFolderScan, OrdersARealFolderByShootingDate) {
    folder_.write(u"a.jpg", jpegShotAt("2023:06:30 12:00:00"));
    folder_.write(u"b.jpg", jpegShotAt("2020:01:01 12:00:00"));
    folder_.write(u"c.jpg", {0xFF, 0xD8, 0xFF, 0xD9});
    folder_.write(u"d.png", pngShotAtAfterImageData("2021:03:04 05:06:07"));
    album.settings.TabStyle = TabSortByDate;
    EXPECT_EQ(scanFolderOnDisk(album, true, folder_.path(), true, *cursor.list), 4);
    EXPECT_EQ(names(4), (std::vector<Text>{u"c.jpg", u"b.jpg", u"d.png", u"a.jpg"}));
}

TEST_F(WinFolderScan, CurrentPictureAndItsInformation) {
    folder_.write(u"x.jpg", jpegShotAt("2023:05:07 14:03:09"));
    PageSettings page;
    page.File = folder_.path();
    page.Flag = FlagFolder;
    cursor.count = scanFolderOnDisk(album, true, page.File, true, *cursor.list);
    ASSERT_EQ(cursor.count, 1);
    EXPECT_EQ(CurrentPictureFile(page, cursor), folder_.path() + u"x.jpg");
    cursor.index = 1;
    EXPECT_EQ(CurrentPictureFile(page, cursor), u"");
    cursor.index = 0;
    const PhotoInfo info = currentPhotoInfo(page, cursor, true, PictureMetrics{}, {});
    EXPECT_EQ(infoRow(info, 2).text, u"2023年5月7日 日曜日 午後2時03分09秒");
    EXPECT_EQ(infoRow(info, 5).text, u"x (jpg)");
    EXPECT_TRUE(infoRow(info, 0).hasValue);
    EXPECT_EQ(infoRow(info, 4).text, folder_.path());
    const PhotoInfo withoutDecoder = currentPhotoInfo(page, cursor, false, PictureMetrics{}, {});
    EXPECT_FALSE(infoRow(withoutDecoder, 2).hasValue);
}

TEST_F(WinFolderScan, AFolderNamedLikeAPictureHasNoWriteTime) {
    folder_.makeFolder(u"holiday.jpg");
    WinPlatform& platform = winPlatform();
    EXPECT_FALSE(readFileWriteTime(platform.files, platform.clock, folder_.path() + u"holiday.jpg"));
    folder_.write(u"real.jpg", {1});
    EXPECT_TRUE(readFileWriteTime(platform.files, platform.clock, folder_.path() + u"real.jpg"));
}

TEST(WinFullPath, ResolvesRelativePathsAndRejectsOverlongOnes) {
    wchar_t current[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, current);
    Text expected = fromWide(current);
    if (expected.back() != u'\\') expected += u'\\';
    EXPECT_EQ(fullPathName(u"pic.jpg"), expected + u"pic.jpg");
    EXPECT_EQ(fullPathName(u"C:\\a\\..\\b\\"), u"C:\\b\\");
    EXPECT_EQ(fullPathName(u"C:\\" + Text(300, u'x')), std::nullopt);
}

}  // namespace
}  // namespace quillory
