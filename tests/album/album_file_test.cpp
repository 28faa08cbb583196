#include "album/album_file.h"

#include <gtest/gtest.h>

#include <functional>

#include "album/page_tabs.h"
#include "album_test_support.h"
#include "base/format.h"

namespace quillory::testing {
namespace {

const Text kPath = u"C:\\x\\Quillory.qalbum";
const Text kBackup = u"C:\\x\\Quillory_Backup.qalbum";

class AlbumFileTest : public ::testing::Test {
protected:
    AlbumFileTest() { album.defaultPage = makeDefaultPage(); }

    // Start-up as the program does it: DefaultPage first, then the album.
    void start() { file.startAlbum(album); }
    void putUnicode(TextView text) { files.put(kPath, unicodeFile(text)); }
    Album reloaded() {
        Album again;
        again.defaultPage = makeDefaultPage();
        file.loadPage(again, kDefaultPage, false);
        file.loadAlbum(again);
        return again;
    }
    IniDocument stored() {
        const auto& bytes = files.files.at(kPath);
        return IniDocument::parse(bytes, codePage);
    }

    FakeFileSystem files;
    FakeCodePage codePage;
    FakeSpecialFolders folders;
    AlbumFile file{kPath, files, codePage, folders};
    Album album;
};

std::vector<Text> newAlbumLines() {
    std::vector<Text> lines{u";Quillory", u"", u"[Quillory]", u"xPosi=180", u"yPosi=270", u"xSize=580", u"ySize=350",
                            u"TabStyle=78080", u"TabNumber=0", u"PageCount=5", u"LayerWindowLevel=192",
                            u"TabFontName=ＭＳ Ｐゴシック", u"TabFontSize=12", u"SlideStyle=8707", u"SlideInterval=23"};
    for (int n = 1; n <= 8; ++n) {
        lines.push_back(formatText(u"HistoryFileNumber%02d=-1", {n}));
        lines.push_back(formatText(u"HistoryFileName%02d=", {n}));
    }
    for (int page = 1; page <= 5; ++page) {
        const std::vector<Text> section{
            u"", formatText(u"[Page%d]", {page}), u"PageVer=100", formatText(u"Label=Page%d", {page}),
            formatText(u"Comment000=Page%d コメント", {page}), u"Comment=1", u"Flag=0", u"FontName=MS UI Gothic",
            u"FontSize=13", u"FontStyle=1", u"FontColor=8224", u"FontColorBk=15263976", u"FontColor2=15263976",
            u"FontColorBk2=15263976", u"FontAlpha=192", u"File=", u"FileNum=0", u"FolderFileNo=0", u"PhotoFlag=65728"};
        lines.insert(lines.end(), section.begin(), section.end());
    }
    return lines;
}

TEST_F(AlbumFileTest, MissingFileBecomesTheNewAlbumByteForByteInOneWrite) {
    start();
    EXPECT_EQ(files.contentOf(kPath), unicodeFile(crlfLines(newAlbumLines())));
    EXPECT_EQ(files.replaceCount, 1);
    EXPECT_FALSE(files.files.contains(kBackup)) << "nothing to back up";
    EXPECT_FALSE(album.unicodeAlbum);
}

TEST_F(AlbumFileTest, ClosingANewAlbumLeavesItAsItWasWritten) {
    start();
    const std::string written = files.contentOf(kPath);
    file.saveAlbumSettings(album, /*withCurrentPage=*/true);
    EXPECT_EQ(files.contentOf(kPath), written);
}

TEST_F(AlbumFileTest, AlbumWithoutKeysHasFiveDefaultPages) {
    putUnicode(u";Quillory");
    start();
    EXPECT_TRUE(album.unicodeAlbum);
    EXPECT_EQ(files.replaceCount, 0) << "loading a Unicode album writes nothing";
    ASSERT_EQ(album.pages.size(), 5u);
    for (int page = 0; page < 5; ++page) {
        const PageSettings& p = album.pages[static_cast<std::size_t>(page)];
        EXPECT_EQ(p.Label, formatText(u"Page%d", {page + 1}));
        EXPECT_EQ(p.Comment, formatText(u"Page%d コメント", {page + 1}));
        EXPECT_TRUE(p.File.empty());
        EXPECT_EQ(p.FontName, u"MS UI Gothic");
        EXPECT_EQ(p.PhotoFlag, 0x100C0u);
        EXPECT_EQ(p.FontAlpha, 192);
    }
    EXPECT_EQ(album.settings.xPosi, 180);
    EXPECT_EQ(album.settings.yPosi, 270);
    EXPECT_EQ(album.settings.xSize, 580);
    EXPECT_EQ(album.settings.ySize, 350);
    EXPECT_EQ(album.history[7].pictureNumber, -1);
}

TEST_F(AlbumFileTest, EverythingSavedLoadsBackTheSame) {
    start();
    album.settings.xPosi = -20;
    album.settings.TabStyle = 0xF0510503;
    album.settings.LayerWindowLevel = -5;
    album.settings.TabFontName = u"Yu Gothic UI";
    album.currentPage = 2;
    PageSettings& p = album.pages[2];
    p.Label = u"旅行";
    p.Comment = u"line one\r\n\r\nline three";
    p.File = u"D:\\photos\\";
    p.FolderFileNo = 17;
    p.FileNum = 240;
    p.Flag = FlagFolder | FlagLocked | 0x40;
    p.PhotoFlag = 0xFFFFFFFF;
    p.FontName = u"Meiryo";
    p.FontSize = 20;
    p.FontStyle = FontItalic | FontUnderline;
    p.FontAlpha = 255;
    p.FontColor = 0x123456;
    p.FontColor2 = 0x654321;
    p.FontColorBk = 0xABCDEF;
    p.FontColorBk2 = 0xFEDCBA;
    album.history[0] = HistoryEntry{42, u"a.jpg"};
    file.saveAlbumSettings(album, true);

    const Album back = reloaded();
    EXPECT_EQ(back.settings.xPosi, -20);
    EXPECT_EQ(back.settings.TabStyle, 0xF0510503u);
    EXPECT_EQ(back.settings.LayerWindowLevel, -5);
    EXPECT_EQ(back.settings.TabFontName, u"Yu Gothic UI");
    EXPECT_EQ(back.currentPage, 2);
    const PageSettings& q = back.pages[2];
    EXPECT_EQ(q.PageVer, 100);
    EXPECT_EQ(q.Label, p.Label);
    EXPECT_EQ(q.Comment, p.Comment);
    EXPECT_EQ(q.File, p.File);
    EXPECT_EQ(q.FolderFileNo, 17);
    EXPECT_EQ(q.FileNum, 240);
    EXPECT_EQ(q.Flag, p.Flag);
    EXPECT_EQ(q.PhotoFlag, 0xFFFFFFFFu);
    EXPECT_EQ(q.FontName, u"Meiryo");
    EXPECT_EQ(q.FontSize, 20);
    EXPECT_EQ(q.FontStyle, p.FontStyle);
    EXPECT_EQ(q.FontAlpha, 255);
    EXPECT_EQ(q.FontColor, p.FontColor);
    EXPECT_EQ(q.FontColor2, p.FontColor2);
    EXPECT_EQ(q.FontColorBk, p.FontColorBk);
    EXPECT_EQ(q.FontColorBk2, p.FontColorBk2);
    EXPECT_EQ(back.history[0].pictureNumber, 42);
    EXPECT_EQ(back.history[0].fileName, u"a.jpg");
}

TEST_F(AlbumFileTest, SaveGroupsWriteOnlyTheirKeys) {
    putUnicode(u";Quillory\r\n\r\n[Page1]\r\nPageVer=100\r\nLabel=Kept\r\nFile=C:\\a.jpg\r\n");
    start();
    album.pages[0].Label = u"Changed";
    album.pages[0].File = u"C:\\b.jpg";
    file.savePage(album, 0, SavePicture);
    EXPECT_EQ(stored().readString(u"Page1", u"Label", u"", 31), u"Kept");
    EXPECT_EQ(stored().readString(u"Page1", u"File", u"", 261), u"C:\\b.jpg");
    EXPECT_FALSE(stored().value(u"Page1", u"FontName"));
    file.savePage(album, 0, SaveText);
    EXPECT_EQ(stored().readString(u"Page1", u"Label", u"", 31), u"Changed");

    album.defaultPage.FontName = u"Arial";
    file.savePage(album, kDefaultPage, 255);
    const IniDocument doc = stored();
    EXPECT_EQ(doc.readString(u"Page-Default", u"FontName", u"", 34), u"Arial");
    EXPECT_TRUE(doc.value(u"Page-Default", u"PhotoFlag"));
    EXPECT_FALSE(doc.value(u"Page-Default", u"Label"));
    EXPECT_FALSE(doc.value(u"Page-Default", u"Comment"));
    EXPECT_FALSE(doc.value(u"Page-Default", u"File"));
}

TEST_F(AlbumFileTest, SavesKeepWhatOthersWroteAndUnknownLines) {
    putUnicode(u";Quillory\r\n\r\n[Quillory]\r\nPageCount=1\r\nFuture=yes\r\n; a note\r\n");
    start();
    putUnicode(u";Quillory\r\n\r\n[Quillory]\r\nPageCount=1\r\nFuture=yes\r\n; a note\r\n\r\n[Other]\r\nx=1\r\n");
    file.saveAlbumSettings(album, false);
    const IniDocument doc = stored();
    EXPECT_EQ(doc.readString(u"Quillory", u"Future", u"", 9), u"yes");
    EXPECT_EQ(doc.readInt(u"Other", u"x", 0), 1);
    EXPECT_NE(files.contentOf(kPath).find(unicodeFile(u"; a note").substr(2)), std::string::npos);
}

TEST_F(AlbumFileTest, ASaveAfterOurOwnWriteKeepsWhatOthersWroteSince) {
    putUnicode(u";Quillory\r\n[Quillory]\r\nPageCount=1\r\n");
    start();
    file.saveAlbumSettings(album, false);
    const std::string ours = files.contentOf(kPath);
    files.put(kPath, ours + unicodeFile(u"[Other]\r\nx=1\r\n").substr(2));
    album.settings.xPosi = 42;
    file.saveAlbumSettings(album, false);
    EXPECT_EQ(stored().readInt(u"Other", u"x", 0), 1);
    EXPECT_EQ(stored().readInt(u"Quillory", u"xPosi", 0), 42);
    // With the file as we left it, our document is taken again: it must save as a fresh parse does.
    const std::string before = files.contentOf(kPath);
    album.settings.yPosi = 7;
    file.saveAlbumSettings(album, false);
    const std::string viaKept = files.contentOf(kPath);
    files.put(kPath, before);
    AlbumFile fresh(kPath, files, codePage, folders);
    fresh.saveAlbumSettings(album, false);
    EXPECT_EQ(files.contentOf(kPath), viaKept);
}

TEST_F(AlbumFileTest, BatchWritesOnceAndLoadsSeeUnwrittenSaves) {
    putUnicode(u";Quillory");
    start();
    {
        AlbumFile::Batch batch(file);
        for (int page = 0; page < 5; ++page) {
            album.pages[static_cast<std::size_t>(page)].FileNum = page + 10;
            file.savePage(album, page, kSaveAllGroups);
        }
        {
            AlbumFile::Batch inner(file);
            file.saveAlbumSettings(album, false);
        }
        EXPECT_EQ(files.replaceCount, 0);
        Album seen;
        seen.pages.resize(5);
        file.loadPage(seen, 4, false);
        EXPECT_EQ(seen.pages[4].FileNum, 14);
    }
    EXPECT_EQ(files.replaceCount, 1);
    EXPECT_EQ(reloaded().pages[3].FileNum, 13);
}

TEST_F(AlbumFileTest, EverySaveLeavesOneBlankLineBeforeEachSection) {
    putUnicode(u";Quillory\r\n[Quillory]\r\nPageCount=2\r\n[Page1]\r\nLabel=a\r\n[Page2]\r\nLabel=b\r\n");
    start();
    file.savePage(album, 1, SaveText);
    const std::string once = files.contentOf(kPath);
    const Text expectedStart = u";Quillory\r\n\r\n[Quillory]\r\nPageCount=2\r\n\r\n[Page1]\r\nLabel=a\r\n\r\n[Page2]\r\n";
    EXPECT_EQ(once.substr(0, unicodeFile(expectedStart).size()), unicodeFile(expectedStart));
    file.savePage(album, 1, SaveText);
    file.savePage(album, 0, SaveText);
    const IniDocument doc = stored();
    EXPECT_EQ(files.contentOf(kPath).find(unicodeFile(u"\r\n\r\n\r\n").substr(2)), std::string::npos);
    EXPECT_EQ(doc.readString(u"Page2", u"Label", u"", 31), u"b");
}

TEST_F(AlbumFileTest, RemovingAPageDropsTheLastSection) {
    start();
    album.pages.erase(album.pages.begin() + 1);
    {
        AlbumFile::Batch batch(file);
        for (int page = 1; page < 4; ++page) file.savePage(album, page, kSaveAllGroups);
        file.saveAlbumSettings(album, true);
        file.deletePageSection(4);
    }
    const IniDocument doc = stored();
    EXPECT_EQ(doc.readInt(u"Quillory", u"PageCount", 0), 4) << "the count of the Pages held";
    EXPECT_FALSE(doc.hasSection(u"Page5"));
    EXPECT_EQ(doc.readString(u"Page2", u"Label", u"", 31), u"Page3");
    const Album back = reloaded();
    ASSERT_EQ(back.pages.size(), 4u);
    EXPECT_EQ(back.pages[3].Label, u"Page5");
}

// Comment lines.

TEST_F(AlbumFileTest, LongCommentsKeepFiveLines) {
    start();
    album.pages[0].Comment = u"1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7";
    file.savePage(album, 0, SaveText);
    const IniDocument doc = stored();
    EXPECT_EQ(doc.readInt(u"Page1", u"Comment", 0), 5);
    EXPECT_FALSE(doc.value(u"Page1", u"Comment005"));
    EXPECT_EQ(reloaded().pages[0].Comment, u"1\r\n2\r\n3\r\n4\r\n5");
}

TEST_F(AlbumFileTest, ShorterCommentsRemoveTheOldLines) {
    start();
    album.pages[0].Comment = u"a\r\nb\r\nc\r\nd";
    file.savePage(album, 0, SaveText);
    album.pages[0].Comment = u"x\r\ny";
    file.savePage(album, 0, SaveText);
    const IniDocument doc = stored();
    EXPECT_EQ(doc.readInt(u"Page1", u"Comment", 0), 2);
    EXPECT_FALSE(doc.value(u"Page1", u"Comment002"));
    EXPECT_FALSE(doc.value(u"Page1", u"Comment003"));
    EXPECT_EQ(reloaded().pages[0].Comment, u"x\r\ny");
}

TEST_F(AlbumFileTest, TrailingLineBreakAndEmptyCommentsRoundTrip) {
    start();
    album.pages[0].Comment = u"a\r\n";
    album.pages[1].Comment = u"";
    file.savePage(album, 0, SaveText);
    file.savePage(album, 1, SaveText);
    EXPECT_EQ(stored().readInt(u"Page1", u"Comment", 0), 2);
    EXPECT_EQ(stored().readInt(u"Page2", u"Comment", 0), 1);
    const Album back = reloaded();
    EXPECT_EQ(back.pages[0].Comment, u"a\r\n");
    EXPECT_EQ(back.pages[1].Comment, u"");
}

TEST_F(AlbumFileTest, HandEditedCommentsAreCutToCapacity) {
    Text longLine(80, u'x');
    putUnicode(u";Quillory\r\n[Quillory]\r\nPageCount=1\r\n[Page1]\r\nComment=2000000000\r\nComment000=" + longLine +
               u"\r\nComment001=" + longLine + u"\r\n");
    start();
    EXPECT_EQ(album.pages[0].Comment.size(), kCommentCapacity);
    EXPECT_EQ(album.pages[0].Comment.substr(80, 2), u"\r\n");
}

// Settings read from hand-edited files.

TEST_F(AlbumFileTest, OutOfRangeSettingsAreRepaired) {
    putUnicode(u";Quillory\r\n[Quillory]\r\nTabNumber=7\r\nSlideStyle=" + formatText(u"%d", {0x5C2C03}) + u"\r\n");
    start();
    EXPECT_EQ(album.currentPage, 0);
    EXPECT_EQ(SlideEffect.get(album.settings.SlideStyle), 2u);
    EXPECT_EQ(album.settings.SlideStyle & ~SlideEffect.mask(), 0x5C2003u);
}

TEST_F(AlbumFileTest, TheFileStoresTheTabOfTheCurrentPage) {
    putUnicode(u";Quillory\r\n[Quillory]\r\nPageCount=4\r\nTabNumber=1\r\n[Page1]\r\nFlag=8192\r\n");
    start();
    EXPECT_EQ(album.currentPage, 2) << "Page1 is unmarked, so the second tab shows the third Page";
    album.currentPage = 3;
    file.saveAlbumSettings(album, false);
    EXPECT_EQ(stored().readInt(u"Quillory", u"TabNumber", -1), 2);
}

TEST_F(AlbumFileTest, PageCountIsKeptBetweenOneAndTheMaximum) {
    const std::pair<const char16_t*, std::size_t> cases[] = {
        {u"0", 1}, {u"-3", 1}, {u"2000000000", static_cast<std::size_t>(kMaxPageCount)}, {u"abc", 1}, {u"3", 3}};
    for (const auto& [stored, expected] : cases) {
        putUnicode(u";Quillory\r\n[Quillory]\r\nPageCount=" + Text(stored) + u"\r\nTabNumber=2\r\n");
        Album fresh;
        fresh.defaultPage = makeDefaultPage();
        file.loadAlbum(fresh);
        EXPECT_EQ(fresh.pages.size(), expected) << textToUtf8(stored);
        EXPECT_LT(fresh.currentPage, static_cast<int>(expected));
    }
}

// Past the cap, Pages are not loaded, and nothing this run does reaches their sections: saves,
// a new Page's load, a removed Page's section, a leftover cleanup, the PageCount written back.
TEST_F(AlbumFileTest, PagesPastTheCapStayInTheFileAsTheyAre) {
    AlbumFile cappedAtThree{kPath, files, codePage, folders, 3};
    Text text = u";Quillory\r\n[Quillory]\r\nPageCount=6\r\n";
    for (int page = 1; page <= 6; ++page) text += formatText(u"\r\n[Page%d]\r\nLabel=L%d\r\nOwn=%d\r\n", {page, page, page});
    putUnicode(text);
    cappedAtThree.startAlbum(album);
    ASSERT_EQ(album.pages.size(), 3u);
    EXPECT_EQ(cappedAtThree.pagesPastCap(), 3);
    const auto sectionsPastCap = [&] {
        const std::string bytes(files.files.at(kPath).begin(), files.files.at(kPath).end());
        return bytes.substr(bytes.find(unicodeFile(u"[Page4]").substr(2)));
    };
    const std::string before = sectionsPastCap();

    {
        AlbumFile::Batch batch(cappedAtThree);
        album.pages.emplace_back();
        cappedAtThree.loadPage(album, 3, /*newPage=*/true);
        for (int page = 0; page < 4; ++page) cappedAtThree.savePage(album, page, kSaveAllGroups);
        cappedAtThree.saveAlbumSettings(album, true);
        cappedAtThree.deletePageSection(3);
        cappedAtThree.deletePageSection(2);
    }
    EXPECT_EQ(album.pages[3].Label, u"Page4") << "a Page added takes no values of a Page past the cap";
    EXPECT_EQ(sectionsPastCap(), before);
    EXPECT_EQ(stored().readInt(u"Quillory", u"PageCount", 0), 6);
    EXPECT_EQ(stored().readString(u"Page3", u"Label", u"", 31), u"L3") << "no hole before the Pages past the cap";
    EXPECT_EQ(stored().readInt(u"Page1", u"PageVer", 0), kPageVersion) << "the Pages shown are saved";

    Album again;
    cappedAtThree.startAlbum(again);
    EXPECT_EQ(again.pages.size(), 3u);
    EXPECT_EQ(cappedAtThree.pagesPastCap(), 3);

    // A count past the cap reaches only as far as the last Page section within it.
    putUnicode(u";Quillory\r\n[Quillory]\r\nPageCount=2000000000\r\n[Page1]\r\n[Page40]\r\nLabel=far\r\n[Page3000000000]\r\n");
    Album far;
    cappedAtThree.startAlbum(far);
    EXPECT_EQ(far.pages.size(), 3u);
    EXPECT_EQ(cappedAtThree.pagesPastCap(), 37);
    putUnicode(u";Quillory\r\n[Quillory]\r\nPageCount=2000000000\r\n[Page1]\r\n");
    cappedAtThree.startAlbum(far);
    EXPECT_EQ(cappedAtThree.pagesPastCap(), 0) << "no Page section past the cap: the count is cut";
}

TEST_F(AlbumFileTest, ANewPageNeverStartsFromALeftoverSection) {
    putUnicode(u";Quillory\r\n[Quillory]\r\nPageCount=1\r\n[Page1]\r\nLabel=one\r\n"
               u"[Page2]\r\nLabel=old\r\nFileHex=0043003A\r\nFontSize=99\r\n[Page2]\r\nFontSize=77\r\n");
    start();
    album.pages.resize(2);
    file.loadPage(album, 1, /*newPage=*/true);
    EXPECT_EQ(album.pages[1].Label, u"Page2");
    EXPECT_TRUE(album.pages[1].File.empty());
    EXPECT_EQ(album.pages[1].FontSize, 13);
    file.saveAlbumSettings(album, true);
    file.savePage(album, 1, kSaveAllGroups);
    EXPECT_FALSE(stored().value(u"Page2", u"FileHex"));
    EXPECT_EQ(reloaded().pages[1].File, u"");
}

TEST_F(AlbumFileTest, TextsLongerThanTheirFieldsAreCut) {
    const Text label(40, u'L');
    const Text font(50, u'F');
    const Text path(300, u'p');
    putUnicode(u";Quillory\r\n[Quillory]\r\nPageCount=1\r\nTabFontName=" + font + u"\r\n[Page1]\r\nLabel=" + label +
               u"\r\nFontName=" + font + u"\r\nFile=" + path + u"\r\n");
    start();
    EXPECT_EQ(album.pages[0].Label, label.substr(0, kLabelCapacity));
    EXPECT_EQ(album.pages[0].FontName, font.substr(0, kFontNameCapacity));
    EXPECT_EQ(album.settings.TabFontName, font.substr(0, kTabFontNameCapacity));
    EXPECT_LE(album.pages[0].File.size(), kPathCapacity);
}

TEST_F(AlbumFileTest, ATextCutJustAfterABlankLoadsAsItWillAfterASave) {
    const Text kept(kLabelCapacity - 1, u'L');
    putUnicode(u";Quillory\r\n[Quillory]\r\nPageCount=1\r\n[Page1]\r\nLabel=" + kept + u" tail\r\n");
    start();
    EXPECT_EQ(album.pages[0].Label, kept);
    file.savePage(album, 0, kSaveAllGroups);
    EXPECT_EQ(reloaded().pages[0].Label, kept);
}

TEST_F(AlbumFileTest, MainPageIsChosenAtStartWhenAsked) {
    putUnicode(u";Quillory\r\n[Quillory]\r\nPageCount=4\r\nTabNumber=0\r\nTabStyle=" + formatText(u"%d", {TabMainAtStart}) +
               u"\r\n[Page2]\r\nFlag=8192\r\n[Page4]\r\nFlag=" + formatText(u"%d", {FlagMainPage}) + u"\r\n");
    start();
    EXPECT_EQ(album.currentPage, 3);
    file.saveAlbumSettings(album, false);
    EXPECT_EQ(stored().readInt(u"Quillory", u"TabNumber", 0), 2) << "Page2 is unmarked, so the main Page is the third tab";
}

TEST_F(AlbumFileTest, SecondColoursOfOlderPagesFollowTheirBackground) {
    putUnicode(u";Quillory\r\n[Quillory]\r\nPageCount=2\r\n[Page1]\r\nFontColorBk=255\r\n[Page2]\r\nPageVer=100\r\n"
               u"[Page-Default]\r\nFontColor2=111\r\nFontColorBk2=222\r\n");
    start();
    EXPECT_EQ(album.pages[0].FontColor2, 255u);
    EXPECT_EQ(album.pages[0].FontColorBk2, 255u);
    EXPECT_EQ(album.pages[1].FontColor2, 111u) << "a current Page takes them from the DefaultPage";
    EXPECT_EQ(album.pages[1].FontColorBk2, 222u);
    file.loadPage(album, 0, true);
    EXPECT_EQ(album.pages[0].FontColor2, 111u);
    EXPECT_EQ(album.pages[0].FontColorBk2, 222u);
    EXPECT_EQ(album.pages[0].FontColorBk, 255u);
}

TEST_F(AlbumFileTest, DefaultPageFromTheFileBecomesTheDefaultOfPages) {
    putUnicode(u";Quillory\r\n[Quillory]\r\nPageCount=1\r\n[Page-Default]\r\nFontName=Arial\r\nFontAlpha=300\r\n");
    start();
    EXPECT_EQ(album.defaultPage.FontName, u"Arial");
    EXPECT_EQ(album.defaultPage.FontAlpha, 300 & 0xFF);
    EXPECT_EQ(album.defaultPage.FontSize, 13) << "its own start values are its defaults";
    EXPECT_EQ(album.pages[0].FontName, u"Arial");
}

TEST_F(AlbumFileTest, OutOfRangePageArgumentsDoNothing) {
    putUnicode(u";Quillory");
    start();
    file.savePage(album, 5, kSaveAllGroups);
    file.savePage(album, -2, kSaveAllGroups);
    file.loadPage(album, 99, false);
    EXPECT_FALSE(stored().hasSection(u"Page6"));
}

// Special-folder tokens in File.

TEST_F(AlbumFileTest, FilesInSpecialFoldersAreStoredAsTokens) {
    folders.paths[39] = u"C:\\Users\\A\\Pictures";
    start();
    album.pages[0].File = u"C:\\Users\\A\\Pictures\\2024\\a.jpg";
    album.pages[1].File = u"C:\\Users\\A\\Pictures2\\b.jpg";
    file.savePage(album, 0, SavePicture);
    file.savePage(album, 1, SavePicture);
    EXPECT_EQ(stored().readString(u"Page1", u"File", u"", 261), u"%Pictures%2024\\a.jpg");
    EXPECT_EQ(stored().readString(u"Page2", u"File", u"", 261), u"C:\\Users\\A\\Pictures2\\b.jpg");
    folders.paths[39] = u"D:\\P";
    const Album back = reloaded();
    EXPECT_EQ(back.pages[0].File, u"D:\\P\\2024\\a.jpg");
    EXPECT_EQ(back.pages[1].File, u"C:\\Users\\A\\Pictures2\\b.jpg");
}

// Legacy files.

TEST_F(AlbumFileTest, LegacyFileIsBackedUpAndConvertedWithItsHexTexts) {
    const std::string legacy = "[Quillory]\r\nPageCount=2\r\n[Page1]\r\nLabel=old\r\nLabelHex=006100620063\r\n"
                               "Comment=1\r\nComment000Hex=00E9\r\n[Page-Default]\r\nFontName=Arial\r\n";
    files.put(kPath, legacy);
    start();
    EXPECT_FALSE(album.unicodeAlbum);
    EXPECT_EQ(album.pages[0].Label, u"abc");
    EXPECT_EQ(album.pages[0].Comment, u"é");
    EXPECT_TRUE(album.settings.TabStyle & TabStatusBar);
    EXPECT_EQ(files.contentOf(kBackup), legacy);
    EXPECT_EQ(files.replaceCount, 1);

    const std::string converted = files.contentOf(kPath);
    EXPECT_EQ(converted.substr(0, 2 + 18), unicodeFile(u";Quillory"));
    const IniDocument doc = stored();
    EXPECT_FALSE(doc.value(u"Page1", u"LabelHex"));
    EXPECT_FALSE(doc.value(u"Page1", u"Comment000Hex"));
    EXPECT_EQ(doc.readString(u"Page1", u"Label", u"", 31), u"abc");
    EXPECT_EQ(doc.readString(u"Page-Default", u"FontName", u"", 34), u"Arial") << "the DefaultPage survives";

    files.files[kBackup] = {'k', 'e', 'p', 't'};
    const Album again = reloaded();
    EXPECT_TRUE(again.unicodeAlbum);
    EXPECT_EQ(files.contentOf(kBackup), "kept");
    EXPECT_EQ(again.pages[0].Label, u"abc");
}

// Albums saved again by other programs in another Unicode form.

TEST_F(AlbumFileTest, UnicodeAlbumInAnotherFormIsBackedUpAndWrittenInTheAlbumFormatWhole) {
    const Text text = u";Quillory\r\n[Quillory]\r\nPageCount=2\r\nTabStyle=1\r\n[Page1]\r\nLabel=家族\r\n"
                      u"LabelHex=0061\r\nComment=1\r\nComment000=夏の海 📷\r\n[Page2]\r\nLabel=二\r\n[Mine]\r\nkept=1\r\n";
    for (const UnicodeForm form : kOtherUnicodeForms) {
        FakeFileSystem disk;
        const std::string original = inForm(text, form);
        disk.put(kPath, original);
        AlbumFile albumFile(kPath, disk, codePage, folders);
        Album read;
        albumFile.startAlbum(read);
        EXPECT_TRUE(read.unicodeAlbum) << nameOf(form);
        ASSERT_EQ(read.pages.size(), 2u) << nameOf(form);
        EXPECT_EQ(read.pages[0].Label, u"家族") << nameOf(form) << ": plain text, no Hex twin";
        EXPECT_EQ(read.pages[0].Comment, u"夏の海 📷") << nameOf(form);
        EXPECT_EQ(read.pages[1].Label, u"二") << nameOf(form);
        EXPECT_EQ(read.settings.TabStyle, 1u) << nameOf(form) << ": a legacy conversion's status bar is not forced";

        EXPECT_EQ(disk.contentOf(kBackup), original) << nameOf(form);
        EXPECT_EQ(disk.contentOf(kPath), unicodeFile(text)) << nameOf(form) << ": every line kept, only the form changed";

        AlbumFile restarted(kPath, disk, codePage, folders);
        Album again;
        restarted.startAlbum(again);
        EXPECT_EQ(again.pages[0].Comment, u"夏の海 📷") << nameOf(form);
        EXPECT_EQ(disk.files.size(), 2u) << nameOf(form) << ": no second backup";
    }
}

// A file is converted only once a copy of its bytes stands verified beside it.

TEST_F(AlbumFileTest, AnOlderBackupIsKeptAndTheAlbumBackedUpUnderAFreshName) {
    const std::string legacy = "[Quillory]\r\nPageCount=1\r\n[Page1]\r\nLabel=caf\xE9\r\n";
    files.put(kBackup, legacy.substr(0, 20));  // cut short by a crash while it was copied
    files.put(u"C:\\x\\Quillory_Backup2.qalbum", "an even older one");
    files.put(kPath, legacy);
    start();
    EXPECT_EQ(files.contentOf(kBackup), legacy.substr(0, 20));
    EXPECT_EQ(files.contentOf(u"C:\\x\\Quillory_Backup2.qalbum"), "an even older one");
    EXPECT_EQ(files.contentOf(u"C:\\x\\Quillory_Backup3.qalbum"), legacy);
    EXPECT_EQ(stored().readString(u"Page1", u"Label", u"", 31), u"café");
}

TEST_F(AlbumFileTest, ABackupAlreadyHoldingTheAlbumServesAgain) {
    const std::string legacy = "[Quillory]\r\nPageCount=1\r\n";
    files.put(kBackup, legacy);  // a start that backed the album up but could not convert it
    files.put(kPath, legacy);
    start();
    EXPECT_EQ(files.files.size(), 2u);
    EXPECT_TRUE(stored().isUnicode());
}

TEST_F(AlbumFileTest, WithoutAVerifiedBackupTheAlbumRunsFromMemoryAndStaysAsItWas) {
    const std::string legacy = "[Quillory]\r\nPageCount=2\r\n[Page1]\r\nLabelHex=00610062\r\n[Unknown]\r\nbig=1\r\n";
    const std::string utf8 = "\xEF\xBB\xBF;Quillory\r\n[Quillory]\r\nPageCount=2\r\n[Page1]\r\nLabel=ab\r\n";
    const std::function<void(FakeFileSystem&)> noBackupPossible[] = {
        // The folder is read-only, the disk full, or the copy failed.
        [](FakeFileSystem& disk) { disk.readOnly.insert(kBackup); },
        // Every backup name holds another past of the album.
        [](FakeFileSystem& disk) {
            disk.put(kBackup, "another album");
            for (int n = 2; n <= 10; ++n) disk.put(formatText(u"C:\\x\\Quillory_Backup%d.qalbum", {n}), "another album");
        },
    };
    for (const std::string& original : {legacy, utf8}) {
        for (const auto& prepare : noBackupPossible) {
            FakeFileSystem disk;
            disk.put(kPath, original);
            prepare(disk);
            const auto before = disk.files;
            AlbumFile albumFile(kPath, disk, codePage, folders);
            Album read;
            albumFile.startAlbum(read);
            EXPECT_EQ(read.pages[0].Label, u"ab");
            EXPECT_TRUE(albumFile.lastSaveFailed()) << "the person is told at the next save";

            read.pages[1].Label = u"changed";
            albumFile.saveAlbumSettings(read, false);
            albumFile.savePage(read, 1, kSaveAllGroups);
            EXPECT_EQ(disk.files, before) << "nothing written, the album and every backup as they were";
            EXPECT_EQ(disk.replaceCount, 0);
            Album seen;
            seen.pages.resize(2);
            albumFile.loadPage(seen, 1, false);
            EXPECT_EQ(seen.pages[1].Label, u"changed") << "the run goes on from memory";
        }
    }
}

TEST_F(AlbumFileTest, ReadOnlyAlbumLoadsAndIgnoresFailedWrites) {
    files.put(kPath, "[Quillory]\r\nPageCount=2\r\nxPosi=5\r\n");
    files.readOnly.insert(kPath);
    start();
    EXPECT_EQ(album.settings.xPosi, 5);
    EXPECT_EQ(album.pages.size(), 2u);
    file.saveAlbumSettings(album, true);
    file.savePage(album, 1, kSaveAllGroups);
    EXPECT_EQ(files.contentOf(kPath), "[Quillory]\r\nPageCount=2\r\nxPosi=5\r\n");
    EXPECT_TRUE(file.lastSaveFailed());
}

// An album that is there but cannot be read is never replaced by what memory would make of it.

TEST_F(AlbumFileTest, SaveWhileTheAlbumCannotBeReadWritesNothingUntilItCanBeReadAgain) {
    putUnicode(u";Quillory\r\n[Quillory]\r\nPageCount=2\r\n[Page1]\r\nComment=1\r\nComment000=keep\r\n[Page2]\r\nLabel=二\r\n");
    start();
    const std::string before = files.contentOf(kPath);
    files.unreadable.insert(kPath);
    album.pages[0].File = u"C:\\b.jpg";
    file.savePage(album, 0, SavePicture);
    file.loadPage(album, 1, false);
    EXPECT_EQ(files.contentOf(kPath), before);
    EXPECT_TRUE(file.lastSaveFailed());
    EXPECT_EQ(album.pages[1].Label, u"二") << "a Page keeps what it holds when its file cannot be read";

    files.unreadable.clear();
    file.savePage(album, 0, SavePicture);
    EXPECT_FALSE(file.lastSaveFailed());
    EXPECT_EQ(stored().readString(u"Page1", u"File", u"", 261), u"C:\\b.jpg");
    EXPECT_EQ(stored().readString(u"Page1", u"Comment000", u"", 99), u"keep");
}

TEST_F(AlbumFileTest, AlbumUnreadableAtTheStartRunsFromMemoryForTheWholeRun) {
    putUnicode(u";Quillory\r\n[Quillory]\r\nPageCount=2\r\nxPosi=5\r\n[Page1]\r\nLabel=one\r\n");
    const std::string before = files.contentOf(kPath);
    files.unreadable.insert(kPath);
    start();
    EXPECT_EQ(album.pages.size(), 5u) << "the defaults, as for a read-only album";
    files.unreadable.clear();
    album.pages[0].Label = u"changed";
    file.saveAlbumSettings(album, true);
    EXPECT_EQ(files.contentOf(kPath), before);
    EXPECT_FALSE(files.files.contains(kBackup));
    EXPECT_TRUE(file.lastSaveFailed());
    Album seen;
    seen.pages.resize(5);
    file.loadPage(seen, 0, false);
    EXPECT_EQ(seen.pages[0].Label, u"changed") << "what the run saved lives on in memory";
}

TEST_F(AlbumFileTest, AlbumInAMissingFolderRunsFromMemory) {
    files.readOnly.insert(kPath);  // the fake cannot create a file whose folder is gone
    start();
    EXPECT_EQ(album.pages.size(), 5u);
    file.saveAlbumSettings(album, true);
    EXPECT_FALSE(files.files.contains(kPath));
    EXPECT_FALSE(files.files.contains(kBackup));
}

TEST_F(AlbumFileTest, FileRemovedWhileRunningIsWrittenAsUnicode) {
    putUnicode(u";Quillory");
    start();
    files.files.erase(kPath);
    file.savePage(album, 0, kSaveAllGroups);
    EXPECT_TRUE(stored().isUnicode());
    EXPECT_EQ(stored().readString(u"Page1", u"Label", u"", 31), u"Page1");
}

}  // namespace
}  // namespace quillory::testing
