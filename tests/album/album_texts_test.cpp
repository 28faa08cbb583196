#include <gtest/gtest.h>

#include "album/hex_twin.h"
#include "album/special_folders.h"
#include "support/fake_platform.h"

namespace quillory::testing {
namespace {

TEST(HexTwin, DecodesFourDigitsPerCodeUnit) {
    EXPECT_EQ(decodeHexTwin(u"006100620063"), u"abc");
    EXPECT_EQ(decodeHexTwin(u"30C630B9"), u"テス");
    EXPECT_EQ(decodeHexTwin(u"30c630b9"), u"テス");
    EXPECT_EQ(decodeHexTwin(u""), u"");
}

TEST(HexTwin, ForgivesBrokenDigits) {
    EXPECT_EQ(decodeHexTwin(u"0061006"), Text(u"a") + u'\u0060') << "the last group is completed with zeros";
    EXPECT_EQ(decodeHexTwin(u"0G610062"), Text(u"\u0061") + u"b") << "a non-digit counts as 0";
    EXPECT_EQ(decodeHexTwin(u"006100000062"), u"a") << "the text ends at a zero code unit";
    const Text loneSurrogates{u'\xD83D', u'A', u'\xDE00'};
    EXPECT_EQ(decodeHexTwin(u"D83D0041DE00"), loneSurrogates) << "lone surrogates are kept as they are";
}

TEST(HexTwin, DecodesAtMost130CodeUnits) {
    Text hex;
    for (int i = 0; i < 200; ++i) hex += u"0041";
    EXPECT_EQ(decodeHexTwin(hex).size(), 130u);
}

class SpecialFolderPaths : public ::testing::Test {
protected:
    SpecialFolderPaths() {
        folders.paths[5] = u"C:\\Users\\A\\Documents";
        folders.paths[39] = u"C:\\Users\\A\\Pictures";
        folders.paths[0] = u"C:\\Users\\A\\Desktop";
    }
    FakeSpecialFolders folders;
};

TEST_F(SpecialFolderPaths, TokensRoundTrip) {
    EXPECT_EQ(tokenisePath(u"C:\\Users\\A\\Pictures\\2024\\a.jpg", folders), u"%Pictures%2024\\a.jpg");
    EXPECT_EQ(expandPath(u"%Pictures%2024\\a.jpg", folders), u"C:\\Users\\A\\Pictures\\2024\\a.jpg");
    EXPECT_EQ(tokenisePath(u"C:\\Users\\A\\Documents\\", folders), u"%Documents%");
    EXPECT_EQ(expandPath(u"%Documents%", folders), u"C:\\Users\\A\\Documents\\");
}

TEST_F(SpecialFolderPaths, OnlyWholeFoldersAtTheStartBecomeTokens) {
    EXPECT_EQ(tokenisePath(u"C:\\Users\\A\\Pictures2\\b.jpg", folders), u"C:\\Users\\A\\Pictures2\\b.jpg");
    EXPECT_EQ(tokenisePath(u"D:\\copy\\C:\\Users\\A\\Pictures\\b.jpg", folders), u"D:\\copy\\C:\\Users\\A\\Pictures\\b.jpg");
    EXPECT_EQ(tokenisePath(u"c:\\users\\a\\pictures\\b.jpg", folders), u"c:\\users\\a\\pictures\\b.jpg") << "case matters";
}

TEST_F(SpecialFolderPaths, UnknownOrMissingFoldersStayAsStored) {
    EXPECT_EQ(expandPath(u"%Music%x.mp3", folders), u"%Music%x.mp3");
    EXPECT_EQ(expandPath(u"junk%Desktop%x.jpg", folders), u"C:\\Users\\A\\Desktop\\x.jpg") << "text before a token is dropped";
    EXPECT_EQ(expandPath(u"%All Dsektop%x.jpg", folders), u"%All Dsektop%x.jpg");
    folders.paths[25] = u"C:\\Public\\Desktop";
    EXPECT_EQ(expandPath(u"%All Dsektop%x.jpg", folders), u"C:\\Public\\Desktop\\x.jpg");
}

TEST_F(SpecialFolderPaths, PathsAreCutToTheirCapacity) {
    const Text rest(400, u'x');
    EXPECT_EQ(tokenisePath(u"C:\\Users\\A\\Pictures\\" + rest, folders).size(), 261u);
    EXPECT_EQ(expandPath(u"%Pictures%" + rest, folders).size(), 261u);
}

TEST_F(SpecialFolderPaths, DisplayForms) {
    EXPECT_EQ(breadcrumbPath(u"C:\\a\\b.jpg", 261), u"C: > a > b.jpg");
    EXPECT_EQ(breadcrumbPath(u"C:\\a\\", 261), u"C: > a > ");
    EXPECT_EQ(breadcrumbPath(u"C:\\a\\b.jpg", 5), u"C: > ");
    EXPECT_EQ(folderLabelPath(u"C:\\Users\\A\\Pictures\\2024\\a.jpg", 261, folders), u"[Pictures] \\2024\\a.jpg");
    EXPECT_EQ(folderLabelPath(u"E:\\x.jpg", 261, folders), u"E:\\x.jpg");
    EXPECT_EQ(folderLabelPath(u"C:\\Users\\A\\Documents\\Pictures\\x", 12, folders), u"[Documents] ");
}

class CountingFolders final : public SpecialFolders {
public:
    std::optional<Text> folderPath(int csidl) override {
        ++asked;
        return csidl == 39 ? std::optional<Text>(pictures) : std::nullopt;
    }
    int asked = 0;
    Text pictures = u"C:\\P";
};

TEST(CachedSpecialFolders, AsksOncePerFolderUntilCleared) {
    CountingFolders system;
    CachedSpecialFolders cache(system);
    EXPECT_EQ(tokenisePath(u"C:\\P\\a.jpg", cache), u"%Pictures%a.jpg");
    const int firstRound = system.asked;
    EXPECT_EQ(tokenisePath(u"C:\\P\\b.jpg", cache), u"%Pictures%b.jpg");
    EXPECT_EQ(tokenisePath(u"E:\\c.jpg", cache), u"E:\\c.jpg");
    EXPECT_EQ(system.asked, static_cast<int>(kSpecialFolderTable.size())) << "missing folders are remembered too";
    EXPECT_LE(firstRound, system.asked);
    system.pictures = u"D:\\Q";
    EXPECT_EQ(expandPath(u"%Pictures%a.jpg", cache), u"C:\\P\\a.jpg");
    cache.clear();
    EXPECT_EQ(expandPath(u"%Pictures%a.jpg", cache), u"D:\\Q\\a.jpg");
}

}  // namespace
}  // namespace quillory::testing
