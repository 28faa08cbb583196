#include "view/folder_scan.h"

#include <gtest/gtest.h>

#include "photoinfo/exif_builder.h"
#include "support/fake_platform.h"

namespace quillory {
namespace {

using testing::FakeFileSystem;

std::string jpegShotAt(std::string_view date) {
    testing::TiffBuilder b;
    b.bigEndian = true;
    b.first = {testing::asciiEntry(0x010F, "Maker")};
    if (!date.empty()) b.exif = {testing::asciiEntry(0x9003, date)};
    const auto bytes = testing::jpegWithExif(b.build());
    return std::string(bytes.begin(), bytes.end());
}

class FolderScan : public ::testing::Test {
protected:
    std::vector<Text> paths(int count) const {
        std::vector<Text> out;
        for (int i = 0; i < count; ++i) out.push_back(list->entries[static_cast<std::size_t>(i)].path);
        return out;
    }
    int scan(TextView path, bool store = true) { return scanFolder(FolderScanContext{files, gdiplus, byDate, {}}, path, store, *list); }

    FakeFileSystem files;
    bool gdiplus = true;
    bool byDate = false;
    std::unique_ptr<FolderList> list = std::make_unique<FolderList>();
};

TEST_F(FolderScan, SortsByNameInCodeUnitOrder) {
    files.put(u"C:\\pics\\b.JPG", "x");
    files.put(u"C:\\pics\\A.png", "x");
    files.put(u"C:\\pics\\a.bmp", "x");
    files.put(u"C:\\pics\\notes.txt", "x");
    files.put(u"C:\\pics\\sub\\c.jpg", "x");
    EXPECT_EQ(scan(u"C:\\pics\\"), 3);
    EXPECT_EQ(paths(3), (std::vector<Text>{u"C:\\pics\\A.png", u"C:\\pics\\a.bmp", u"C:\\pics\\b.JPG"}));
    EXPECT_TRUE(list->entries[3].path.empty());
}

TEST_F(FolderScan, WithoutTheDecoderOnlyBitmapsCount) {
    files.put(u"C:\\pics\\b.JPG", "x");
    files.put(u"C:\\pics\\A.png", "x");
    files.put(u"C:\\pics\\a.bmp", "x");
    files.put(u"C:\\pics\\c.DiB", "x");
    gdiplus = false;
    EXPECT_EQ(scan(u"C:\\pics\\"), 2);
    EXPECT_EQ(paths(2), (std::vector<Text>{u"C:\\pics\\a.bmp", u"C:\\pics\\c.DiB"}));
}

TEST_F(FolderScan, ThePathsLastComponentIsCutOff) {
    files.put(u"C:\\pics\\a.gif", "x");
    files.put(u"C:\\pics\\b.emf", "x");
    EXPECT_EQ(scan(u"C:\\pics\\a.gif"), 2);
    EXPECT_EQ(scan(u"C:\\pics"), 0);  // names the folder C:\ .
    EXPECT_EQ(scan(u"nothing"), 0);
    const FullPathResolver failing = [](TextView) { return std::optional<Text>(); };
    EXPECT_EQ(scanFolder(FolderScanContext{files, true, false, failing}, u"C:\\pics\\", true, *list), 0);
    const FullPathResolver relative = [](TextView path) { return std::optional<Text>(u"C:\\pics\\" + Text(path)); };
    EXPECT_EQ(scanFolder(FolderScanContext{files, true, false, relative}, u"a.gif", true, *list), 2);
}

TEST_F(FolderScan, EachFileOnceAndFoldersNamedLikePictures) {
    files.put(u"C:\\pics\\a.jpeg", "x");
    files.put(u"C:\\pics\\b.jpg", "x");
    files.put(u"C:\\pics\\c.psd", "x");   // not in the table
    files.put(u"C:\\pics\\d.jpg.txt", "x");
    files.put(u"C:\\pics\\.jpg", "x");    // the pattern's star also matches an empty name
    files.folders.insert(u"C:\\pics\\holiday.jpg");
    EXPECT_EQ(scan(u"C:\\pics\\"), 4);
    EXPECT_EQ(paths(4), (std::vector<Text>{u"C:\\pics\\.jpg", u"C:\\pics\\a.jpeg", u"C:\\pics\\b.jpg", u"C:\\pics\\holiday.jpg"}));
}

TEST_F(FolderScan, CountingLeavesTheListAlone) {
    files.put(u"C:\\pics\\a.png", "x");
    files.put(u"C:\\other\\b.png", "x");
    files.put(u"C:\\other\\c.png", "x");
    ASSERT_EQ(scan(u"C:\\pics\\"), 1);
    EXPECT_EQ(scan(u"C:\\other\\", false), 2);
    EXPECT_EQ(list->entries[0].path, u"C:\\pics\\a.png");
    EXPECT_TRUE(list->entries[1].path.empty());
}

TEST_F(FolderScan, AtMost5000AndTheTableOrderDecidesWhich) {
    for (int i = 0; i < 3000; ++i) {
        files.put(u"C:\\many\\p" + textFromUtf8(std::to_string(i)) + u".jpg", "x");
        files.put(u"C:\\many\\p" + textFromUtf8(std::to_string(i)) + u".bmp", "x");
    }
    EXPECT_EQ(scan(u"C:\\many\\"), 5000);
    int bitmaps = 0;
    for (const FolderEntry& entry : list->entries) bitmaps += endsWith(entry.path, u".bmp") ? 1 : 0;
    EXPECT_EQ(bitmaps, 3000);
    EXPECT_EQ(scan(u"C:\\many\\", false), 5000);
}

TEST_F(FolderScan, TheListNotesAFolderWithMorePicturesThanItTakes) {
    for (int i = 0; i < 5000; ++i) files.put(u"C:\\full\\p" + textFromUtf8(std::to_string(i)) + u".jpg", "x");
    ASSERT_EQ(scan(u"C:\\full\\"), 5000);
    EXPECT_FALSE(list->morePictures) << "exactly as many as the list takes";
    files.put(u"C:\\full\\z.bmp", "x");
    ASSERT_EQ(scan(u"C:\\full\\"), 5000);
    EXPECT_TRUE(list->morePictures) << "the bitmap comes first in the table, so a JPEG is passed over";
    EXPECT_EQ(scan(u"C:\\full\\", false), 5000);
    EXPECT_TRUE(list->morePictures) << "a counting scan leaves the current list's note alone";
    files.put(u"C:\\few\\a.jpg", "x");
    ASSERT_EQ(scan(u"C:\\few\\"), 1);
    EXPECT_FALSE(list->morePictures);
}

TEST_F(FolderScan, ARescanWithFewerPicturesEmptiesTheRest) {
    files.put(u"C:\\pics\\a.png", "x");
    files.put(u"C:\\pics\\b.png", "x");
    ASSERT_EQ(scan(u"C:\\pics\\"), 2);
    files.files.erase(u"C:\\pics\\b.png");
    EXPECT_EQ(scan(u"C:\\pics\\"), 1);
    EXPECT_TRUE(list->entries[1].path.empty());
}

TEST_F(FolderScan, LongNamesAreCutAtThePathCapacity) {
    const Text name = Text(300, u'n') + u".png";
    files.put(u"C:\\pics\\" + name, "x");
    ASSERT_EQ(scan(u"C:\\pics\\"), 1);
    EXPECT_EQ(list->entries[0].path.size(), kPathCapacity);
}

TEST_F(FolderScan, ByDateUndatedFirstThenEarliestWhateverTheNames) {
    byDate = true;
    files.put(u"C:\\d\\a.jpg", jpegShotAt("2023:06:30 08:00:00"));
    files.put(u"C:\\d\\b.jpg", jpegShotAt("2020:01:01 10:00:00"));
    files.put(u"C:\\d\\c.jpg", jpegShotAt(""));
    files.put(u"C:\\d\\d.jpg", jpegShotAt("0000:00:00 00:00:00"));
    files.put(u"C:\\d\\e.jpg", jpegShotAt("2020:01:01 09:59:59"));
    files.put(u"C:\\d\\f.jpg", "not a picture");
    files.put(u"C:\\d\\g.bmp", "BM");
    EXPECT_EQ(scan(u"C:\\d\\"), 7);
    EXPECT_EQ(paths(7), (std::vector<Text>{u"C:\\d\\c.jpg", u"C:\\d\\d.jpg", u"C:\\d\\f.jpg", u"C:\\d\\g.bmp", u"C:\\d\\e.jpg",
                                            u"C:\\d\\b.jpg", u"C:\\d\\a.jpg"}));
    EXPECT_EQ(list->entries[1].shootingTime, 0u);
    EXPECT_GT(list->entries[4].shootingTime, 0u);
    EXPECT_EQ(list->entries[5].shootingTime - list->entries[4].shootingTime, 1000u);
}

TEST_F(FolderScan, ShootingTimeOfOneFile) {
    files.put(u"C:\\d\\a.jpg", jpegShotAt("2020:01:01 00:00:00"));
    FileShootingTimes reader(files);
    EXPECT_EQ(reader.shootingTime(FolderEntry{.path = u"C:\\d\\a.jpg"}), 13'222'310'400'000u);  // ms from 1601 to 2020
    EXPECT_EQ(reader.shootingTime(FolderEntry{.path = u"C:\\d\\missing.jpg"}), 0u);
}

TEST_F(FolderScan, EveryPictureIsTakenOnceWhateverItsExtension) {
    // Some extensions begin with others (.TIF and .TIFF, .JPE and .JPEG): each name counts once.
    const std::vector<Text> names{u"a.tiff", u"b.TIF", u"c.jpeg", u"d.JPE", u"e.jfif", u"f.jpg",
                                  u"g.webp", u"h.HEIC", u"i.heif", u"j.avif", u"k.jpeg.txt"};
    for (const Text& name : names) files.put(u"C:\\p\\" + name, "x");
    EXPECT_EQ(scan(u"C:\\p\\"), 10);
    std::vector<Text> expected;
    for (std::size_t i = 0; i + 1 < names.size(); ++i) expected.push_back(u"C:\\p\\" + names[i]);
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(paths(10), expected);
    gdiplus = false;
    EXPECT_EQ(scan(u"C:\\p\\"), 0);
}

TEST_F(FolderScan, PictureFileTable) {
    EXPECT_TRUE(isPictureFile(u"x.Bmp", false));
    EXPECT_TRUE(isPictureFile(u"C:\\y\\x.wmf", true));
    EXPECT_FALSE(isPictureFile(u"C:\\y\\x.wmf", false));
    EXPECT_FALSE(isPictureFile(u"x.jpgx", true));
    EXPECT_FALSE(isPictureFile(u"bmp", true));
    for (const TextView name : {u"x.TIFF", u"x.jfif", u"x.Jpe", u"x.webp", u"x.heic", u"x.HEIF", u"x.avif"}) {
        EXPECT_TRUE(isPictureFile(name, true)) << textToUtf8(name);
        EXPECT_FALSE(isPictureFile(name, false)) << textToUtf8(name);
    }
    EXPECT_FALSE(isPictureFile(u"x.tiffany", true));
    EXPECT_EQ(folderOfPath(u"C:\\a\\b.jpg"), u"C:\\a\\");
    EXPECT_EQ(folderOfPath(u"b.jpg"), u"");
}

class CountPictures : public FolderScan {
protected:
    void SetUp() override {
        for (int i = 0; i < 12; ++i) files.put(u"C:\\twelve\\p" + textFromUtf8(std::to_string(i)) + u".png", "x");
        album.pages.resize(3);
        album.pages[0].File = u"C:\\one.jpg";
        album.pages[1].File = u"C:\\twelve\\";
        album.pages[1].Flag = FlagFolder;
        album.pages[2].File = u"C:\\two.jpg";
        album.settings.TabStyle = 0;
    }
    int count(bool rescan) { return countPictures(album, FolderScanContext{files, true, false, {}}, rescan, *list); }
    Album album;
};

TEST_F(CountPictures, FilePagesCountOneAndFolderPagesTheirPictures) {
    EXPECT_EQ(count(true), 14);
    EXPECT_EQ(album.pages[0].FileNum, 1);
    EXPECT_EQ(album.pages[1].FileNum, 12);
    EXPECT_TRUE(list->entries[0].path.empty());  // the folder Page is not the current one
}

TEST_F(CountPictures, UnmarkedPagesAddNothingUnlessMarkedMenuShowsThem) {
    album.pages[1].Flag |= FlagUnmarked;
    EXPECT_EQ(count(true), 2);
    EXPECT_EQ(album.pages[1].FileNum, 0);
    album.settings.TabStyle = TabMarkedMenu;
    EXPECT_EQ(count(false), 14);
}

TEST_F(CountPictures, OnlyTheCurrentPageRescanFillsTheList) {
    album.currentPage = 1;
    EXPECT_EQ(count(false), 14);
    EXPECT_TRUE(list->entries[0].path.empty());
    EXPECT_EQ(count(true), 14);
    EXPECT_EQ(list->entries[0].path, u"C:\\twelve\\p0.png");
}

TEST_F(CountPictures, StoredCountsAreKeptUntilARescan) {
    album.pages[1].FileNum = 7;
    EXPECT_EQ(count(false), 9);
    EXPECT_EQ(count(true), 14);
    album.pages[1].FileNum = -40;  // a hand-edited album
    EXPECT_EQ(count(false), 14);
    album.pages[1].FileNum = 2'000'000'000;
    EXPECT_EQ(count(false), 14);
}

TEST_F(CountPictures, ByDateFromTheAlbumSettings) {
    files.put(u"C:\\twelve\\a.jpg", jpegShotAt("2001:01:01 00:00:00"));  // first by name, last by date
    album.currentPage = 1;
    album.settings.TabStyle = TabSortByDate;
    EXPECT_EQ(count(true), 15);
    EXPECT_EQ(list->entries[12].path, u"C:\\twelve\\a.jpg");
    album.settings.TabStyle = 0;
    EXPECT_EQ(count(true), 15);
    EXPECT_EQ(list->entries[0].path, u"C:\\twelve\\a.jpg");
}

}  // namespace
}  // namespace quillory
