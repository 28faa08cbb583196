// Which album file a start opens, and under which name it shows it.
#include "stand_test.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace quillory::e2e {
namespace {

std::vector<AlbumKey> newPageKeys(int number, const std::wstring& fileNum) {
    const std::wstring page = L"Page" + std::to_wstring(number);
    return {{L"PageVer", L"100"},        {L"Label", page},
            {L"Comment000", page + L" コメント"}, {L"Comment", L"1"},
            {L"Flag", L"0"},             {L"FontName", L"MS UI Gothic"},
            {L"FontSize", L"13"},        {L"FontStyle", L"1"},
            {L"FontColor", L"8224"},     {L"FontColorBk", L"15263976"},
            {L"FontColor2", L"15263976"}, {L"FontColorBk2", L"15263976"},
            {L"FontAlpha", L"192"},      {L"File", L""},
            {L"FileNum", fileNum},       {L"FolderFileNo", L"0"},
            {L"PhotoFlag", L"65728"}};
}

// A brand-new album, key for key as the program writes it. Once the program has counted the
// pictures, a file Page contributes one; closing saves that count for the current Page only.
AlbumText newAlbum(bool firstPageCounted) {
    std::vector<AlbumKey> main = {
        {L"xPosi", L"180"},         {L"yPosi", L"270"},         {L"xSize", L"580"},
        {L"ySize", L"350"},         {L"TabStyle", L"78080"},    {L"TabNumber", L"0"},
        {L"PageCount", L"5"},       {L"LayerWindowLevel", L"192"}, {L"TabFontName", L"ＭＳ Ｐゴシック"},
        {L"TabFontSize", L"12"},    {L"SlideStyle", L"8707"},   {L"SlideInterval", L"23"}};
    for (int entry = 1; entry <= 8; ++entry) {
        const std::wstring number = L"0" + std::to_wstring(entry);
        main.push_back({L"HistoryFileNumber" + number, L"-1"});
        main.push_back({L"HistoryFileName" + number, L""});
    }
    AlbumText album;
    album.section(L"Quillory", main);
    for (int page = 1; page <= 5; ++page) {
        const bool counted = firstPageCounted && page == 1;
        album.section(L"Page" + std::to_wstring(page), newPageKeys(page, counted ? L"1" : L"0"));
    }
    return album;
}

// The spelling by which the test's own file calls reach paths longer than a plain one.
std::wstring extended(const std::wstring& path) { return L"\\\\?\\" + path; }

// Every file below the folder, at any depth and length, and then the folders themselves are
// removed when `remove` is set (the sandbox's own clean-up stops at plain path lengths).
void walkFiles(const std::wstring& folder, std::vector<std::wstring>& files, bool remove) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(extended(folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        const std::wstring name = found.cFileName;
        if (name == L"." || name == L"..") continue;
        const std::wstring path = folder + L"\\" + name;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            walkFiles(path, files, remove);
            if (remove) RemoveDirectoryW(extended(path).c_str());
        } else {
            files.push_back(path);
            if (remove) DeleteFileW(extended(path).c_str());
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

std::vector<std::wstring> filesBelow(const std::wstring& folder) {
    std::vector<std::wstring> files;
    walkFiles(folder, files, false);
    std::sort(files.begin(), files.end());
    return files;
}

class AlbumNameTest : public StandTest {
protected:
    // Starts with the argument, expects the stand under the album name, closes it with exit code 0.
    void openAndClose(const std::wstring& argument, const std::wstring& albumName) {
        std::optional<AppProcess> app = launch(argument);
        ASSERT_TRUE(app);
        HWND stand = waitForStand(*app, albumName);
        ASSERT_NE(stand, nullptr) << "no window titled \"" << standCaption(albumName) << "\"";
        EXPECT_EQ(closeStand(*app, stand), std::optional<DWORD>(0));
    }

    // Compares the whole file; the text comparison shows where they differ.
    void expectNewAlbum(const AlbumText& expected, const char* when) {
        std::optional<Bytes> written = albumBytes(L"Quillory.qalbum");
        ASSERT_TRUE(written) << "no Quillory.qalbum in " << sandbox_.folder() << " " << when;
        EXPECT_EQ(decodeUtf16le(*written), std::optional<std::wstring>(expected.text())) << when;
        EXPECT_TRUE(*written == expected.bytes()) << when;
    }

    static bool startsAsUnicodeAlbum(const std::filesystem::path& file) {
        std::optional<Bytes> bytes = readFileBytes(file);
        return bytes && bytes->starts_with(utf16leWithMark(L";Quillory"));
    }
};

TEST_F(AlbumNameTest, NoArgumentShowsQuilloryAndLeavesTheNewAlbumBesideTheProgram) {
    std::optional<AppProcess> app = launch();
    ASSERT_TRUE(app);
    HWND stand = waitForStand(*app, L"Quillory");
    ASSERT_NE(stand, nullptr);
    EXPECT_EQ(windowText(stand), L"Quillory - Quillory");
    EXPECT_EQ(tabs(stand), (std::vector<std::wstring>{L"Page1", L"Page2", L"Page3", L"Page4", L"Page5"}));

    HWND host = findHost(*app);
    ASSERT_NE(host, nullptr) << "no HostWindow of class Quillory";
    EXPECT_FALSE(IsWindowVisible(host));
    EXPECT_EQ(windowText(host), L"Quillory");

    expectNewAlbum(newAlbum(/*firstPageCounted=*/false), "as the start made it");
    EXPECT_EQ(closeStand(*app, stand), std::optional<DWORD>(0));
    expectNewAlbum(newAlbum(/*firstPageCounted=*/true), "after the stand closed");
}

TEST_F(AlbumNameTest, PlainNameIsAnAlbumBesideTheProgram) {
    openAndClose(L"travel", L"travel");
    EXPECT_TRUE(startsAsUnicodeAlbum(sandbox_.file(L"travel.qalbum")));
    EXPECT_FALSE(std::filesystem::exists(sandbox_.file(L"Quillory.qalbum")));
}

TEST_F(AlbumNameTest, PathIsTakenAsItIsWithOrWithoutTheExtension) {
    const std::filesystem::path photos = sandbox_.file(L"photos");
    ASSERT_TRUE(std::filesystem::create_directory(photos));

    openAndClose((photos / L"family.qalbum").wstring(), L"family");
    EXPECT_TRUE(startsAsUnicodeAlbum(photos / L"family.qalbum"));

    openAndClose((photos / L"holiday").wstring(), L"holiday");
    EXPECT_TRUE(startsAsUnicodeAlbum(photos / L"holiday.qalbum"));
    EXPECT_FALSE(std::filesystem::exists(photos / L"holiday"));
}

TEST_F(AlbumNameTest, EnclosingQuotesAreRemovedAndBlanksKept) {
    const std::filesystem::path photos = sandbox_.file(L"my photos");
    ASSERT_TRUE(std::filesystem::create_directory(photos));

    openAndClose(L"\"" + (photos / L"summer trip.qalbum").wstring() + L"\"", L"summer trip");
    EXPECT_TRUE(startsAsUnicodeAlbum(photos / L"summer trip.qalbum"));
}

TEST_F(AlbumNameTest, APathLongerThanAPlainOneOpensThatVeryFileAndNoOther) {
    std::wstring folder = sandbox_.folder().wstring();
    for (wchar_t level = L'1'; level <= L'4'; ++level) {
        folder += L"\\長い フォルダ 名前 " + std::wstring(60, L'x') + level;
        ASSERT_TRUE(CreateDirectoryW(extended(folder).c_str(), nullptr)) << "could not make the folders";
    }
    const std::wstring album = folder + L"\\long album.qalbum";
    ASSERT_GT(album.size(), 300u);

    openAndClose(L"\"" + album + L"\"", L"long album");
    std::vector<std::wstring> expected{album, sandbox_.exe().wstring()};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(filesBelow(sandbox_.folder().wstring()), expected) << "an album was made at another path";
    EXPECT_TRUE(startsAsUnicodeAlbum(extended(album)));

    std::vector<std::wstring> removed;
    walkFiles(sandbox_.folder().wstring(), removed, true);
}

TEST_F(AlbumNameTest, CaptionShowsAtMostSixtyFourCharactersOfTheName) {
    const std::wstring longName(70, L'n');
    std::optional<AppProcess> app = launch(longName);
    ASSERT_TRUE(app);
    HWND stand = waitForStand(*app, longName);
    ASSERT_NE(stand, nullptr);
    EXPECT_EQ(windowText(stand), std::wstring(64, L'n') + L" - Quillory");
    EXPECT_EQ(closeStand(*app, stand), std::optional<DWORD>(0));
    EXPECT_TRUE(startsAsUnicodeAlbum(sandbox_.file(longName + L".qalbum")));
}

}  // namespace
}  // namespace quillory::e2e
