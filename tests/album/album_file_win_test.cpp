// The album file on a real disk through the Win32 adapters, checked against the system's own
// private-profile functions.
#include <windows.h>

#include <gtest/gtest.h>

#include "album/album_file.h"
#include "base/format.h"
#include "base/wide_win.h"
#include "base/win_platform_win.h"

namespace quillory {
namespace {

// A fresh folder under %TEMP%, removed with its files at the end of the test.
class TempFolder {
public:
    TempFolder() {
        wchar_t base[MAX_PATH];
        GetTempPathW(MAX_PATH, base);
        path_ = fromWide(base) + formatText(u"quillory-album-%u-%u", {static_cast<unsigned>(GetCurrentProcessId()),
                                                                       static_cast<unsigned>(GetTickCount())});
        CreateDirectoryW(wide(path_), nullptr);
    }
    ~TempFolder() {
        WIN32_FIND_DATAW found;
        const Text pattern = path_ + u"\\*";
        HANDLE search = FindFirstFileW(wide(pattern), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                const Text file = path_ + u"\\" + fromWide(found.cFileName);
                SetFileAttributesW(wide(file), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(wide(file));
            } while (FindNextFileW(search, &found));
            FindClose(search);
        }
        RemoveDirectoryW(wide(path_));
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    Text file(TextView name) const { return path_ + u"\\" + Text(name); }

private:
    Text path_;
};

class AlbumFileWin : public ::testing::Test {
protected:
    Album load(const Text& path) {
        AlbumFile file(path, platform.files, platform.codePage, platform.folders);
        Album album;
        album.defaultPage = makeDefaultPage();
        file.loadPage(album, kDefaultPage, false);
        file.loadAlbum(album);
        return album;
    }
    std::string bytesOf(const Text& path) {
        const auto bytes = platform.files.readFile(path);
        return bytes ? std::string(bytes->begin(), bytes->end()) : std::string();
    }
    static Text profileText(const Text& path, const wchar_t* section, const wchar_t* key) {
        wchar_t buffer[300];
        GetPrivateProfileStringW(section, key, L"<missing>", buffer, 300, wide(path));
        return fromWide(buffer);
    }

    TempFolder folder;
    WinPlatform& platform = winPlatform();
};

TEST_F(AlbumFileWin, NewAlbumIsReadableByTheSystemAndRoundTrips) {
    const Text path = folder.file(u"Quillory.qalbum");
    Album album = load(path);
    const std::string written = bytesOf(path);
    ASSERT_GE(written.size(), 20u);
    EXPECT_EQ(written.substr(0, 4), std::string("\xFF\xFE;\0", 4));
    EXPECT_EQ(GetPrivateProfileIntW(L"Quillory", L"xPosi", 0, wide(path)), 180u);
    EXPECT_EQ(profileText(path, L"Page3", L"Comment000"), u"Page3 コメント");
    EXPECT_EQ(profileText(path, L"Quillory", L"TabFontName"), u"ＭＳ Ｐゴシック");

    AlbumFile file(path, platform.files, platform.codePage, platform.folders);
    album.pages[1].Label = u"家族 ☀";
    album.pages[1].File = u"C:\\写真\\a.jpg";
    album.settings.TabStyle |= 0x80000000u;
    file.saveAlbumSettings(album, false);
    file.savePage(album, 1, kSaveAllGroups);
    EXPECT_EQ(profileText(path, L"Page2", L"Label"), u"家族 ☀");
    EXPECT_EQ(static_cast<std::int32_t>(GetPrivateProfileIntW(L"Quillory", L"HistoryFileNumber08", 0, wide(path))), -1);

    const Album back = load(path);
    EXPECT_TRUE(back.unicodeAlbum);
    EXPECT_EQ(back.pages[1].Label, u"家族 ☀");
    EXPECT_EQ(back.pages[1].File, u"C:\\写真\\a.jpg");
    EXPECT_EQ(back.settings.TabStyle, album.settings.TabStyle);
    EXPECT_FALSE(platform.files.exists(path + u".tmp")) << "the temporary file is gone";
}

TEST_F(AlbumFileWin, ReadsWhatTheSystemWrote) {
    const Text path = folder.file(u"System.qalbum");
    platform.files.replaceFile(path, std::vector<std::uint8_t>{0xFF, 0xFE});
    WritePrivateProfileStringW(L"Quillory", L"PageCount", L"2", wide(path));
    WritePrivateProfileStringW(L"Page2", L"Label", L"ラベル", wide(path));
    WritePrivateProfileStringW(L"Page2", L"FontColor", L"-16777216", wide(path));
    const Album album = load(path);
    ASSERT_EQ(album.pages.size(), 2u);
    EXPECT_EQ(album.pages[1].Label, u"ラベル");
    EXPECT_EQ(album.pages[1].FontColor, 0xFF000000u);
}

TEST_F(AlbumFileWin, ReadsValuesAsTheSystemDoes) {
    const Text path = folder.file(u"Values.qalbum");
    const Text text = u";Quillory\r\n[s]\r\nempty=\r\nlead=12abc\r\nneg=-1\r\nword=abc\r\nspaced =  7  \r\n"
                      u"big=4294967295\r\nKey=first\r\nkey=second\r\nno equals\r\n[S]\r\nlate=1\r\n";
    std::vector<std::uint8_t> bytes{0xFF, 0xFE};
    for (char16_t c : text) {
        bytes.push_back(static_cast<std::uint8_t>(c & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(c >> 8));
    }
    ASSERT_TRUE(platform.files.replaceFile(path, bytes));
    const IniDocument doc = IniDocument::parse(bytes, platform.codePage);
    for (const wchar_t* key : {L"empty", L"lead", L"neg", L"word", L"spaced", L"big", L"missing", L"late"}) {
        const Text name = fromWide(key);
        EXPECT_EQ(doc.readInt(u"S", name, 5), static_cast<std::int32_t>(GetPrivateProfileIntW(L"S", key, 5, wide(path))))
            << textToUtf8(name);
        EXPECT_EQ(doc.readString(u"S", name, u"<missing>", 100), profileText(path, L"S", key)) << textToUtf8(name);
    }
    EXPECT_EQ(doc.readString(u"S", u"KEY", u"", 100), profileText(path, L"S", L"KEY"));
}

TEST_F(AlbumFileWin, WritesTheSameBytesAsTheSystem) {
    const Text ours = folder.file(u"Ours.qalbum");
    const Text system = folder.file(u"System.qalbum");
    std::vector<std::uint8_t> start{0xFF, 0xFE};
    for (char16_t c : Text(u";Quillory")) {
        start.push_back(static_cast<std::uint8_t>(c));
        start.push_back(0);
    }
    ASSERT_TRUE(platform.files.replaceFile(system, start));
    IniDocument doc = IniDocument::parse(start, platform.codePage);
    const struct { const wchar_t* section; const wchar_t* key; const wchar_t* value; } writes[] = {
        {L"Quillory", L"xPosi", L"180"}, {L"Quillory", L"Name", L"写真"}, {L"Page1", L"Label", L"Page1"},
        {L"Quillory", L"xPosi", L"-5"},  {L"page1", L"label", L""},       {L"Quillory", L"Added", L"1"},
        {L"Page1", L"Gone", L"x"},       {L"Page1", L"Gone", nullptr},
    };
    for (const auto& write : writes) {
        WritePrivateProfileStringW(write.section, write.key, write.value, wide(system));
        if (write.value) {
            doc.write(fromWide(write.section), fromWide(write.key), fromWide(write.value));
        } else {
            doc.deleteKey(fromWide(write.section), fromWide(write.key));
        }
    }
    ASSERT_TRUE(platform.files.replaceFile(ours, doc.serialise(platform.codePage)));
    EXPECT_EQ(bytesOf(ours), bytesOf(system));
}

TEST_F(AlbumFileWin, ReadOnlyAlbumLoadsAndIsLeftAlone) {
    const Text path = folder.file(u"Locked.qalbum");
    load(path);
    const std::string before = bytesOf(path);
    ASSERT_TRUE(SetFileAttributesW(wide(path), FILE_ATTRIBUTE_READONLY));
    Album album = load(path);
    EXPECT_EQ(album.pages.size(), 5u);
    AlbumFile file(path, platform.files, platform.codePage, platform.folders);
    album.pages[0].Label = u"changed";
    file.saveAlbumSettings(album, true);
    file.savePage(album, 0, kSaveAllGroups);
    EXPECT_EQ(bytesOf(path), before);
}

TEST_F(AlbumFileWin, LegacyAnsiFileIsConvertedWithABackup) {
    const Text path = folder.file(u"Old.qalbum");
    const Text label = u"caf\u00E9";  // in every Western and Japanese ANSI code page
    const std::string ansiLabel = platform.codePage.encode(label);
    ASSERT_EQ(platform.codePage.decode(ansiLabel), label) << "the label must survive the ANSI code page";
    const std::string legacy = "[Quillory]\r\nPageCount=1\r\n[Page1]\r\nLabel=" + ansiLabel + "\r\nFileHex=0043003A005C0078\r\n";
    platform.files.replaceFile(path, std::span(reinterpret_cast<const std::uint8_t*>(legacy.data()), legacy.size()));

    const Album album = load(path);
    EXPECT_FALSE(album.unicodeAlbum);
    EXPECT_EQ(album.pages[0].Label, label);
    EXPECT_EQ(album.pages[0].File, u"C:\\x");
    EXPECT_EQ(bytesOf(folder.file(u"Old_Backup.qalbum")), legacy);
    EXPECT_EQ(bytesOf(path).substr(0, 2), "\xFF\xFE");
    EXPECT_EQ(profileText(path, L"Page1", L"Label"), label);

    const Album again = load(path);
    EXPECT_TRUE(again.unicodeAlbum);
    EXPECT_EQ(again.pages[0].Label, label);
    EXPECT_EQ(bytesOf(folder.file(u"Old_Backup.qalbum")), legacy);
}

// What a backup is written with: a crash at any moment leaves no file under the name, or a whole one.
TEST_F(AlbumFileWin, ANewFileStandsWholeUnderItsNameOrNotAtAll) {
    const Text path = folder.file(u"Old_Backup.qalbum");
    std::vector<std::uint8_t> content(3u << 20);
    for (std::size_t i = 0; i < content.size(); ++i) content[i] = static_cast<std::uint8_t>(i * 7 + i / 4096);
    // A temporary file left by a run that was killed does not stand in the way.
    ASSERT_TRUE(platform.files.replaceFile(path + u".tmp", std::vector<std::uint8_t>{'x'}));

    ASSERT_TRUE(platform.files.writeNewFile(path, content));
    EXPECT_TRUE(platform.files.holds(path, content));
    EXPECT_FALSE(platform.files.exists(path + u".tmp"));

    EXPECT_FALSE(platform.files.writeNewFile(path, std::vector<std::uint8_t>{1, 2, 3})) << "a file that stands is never replaced";
    EXPECT_TRUE(platform.files.holds(path, content));
    EXPECT_FALSE(platform.files.exists(path + u".tmp"));

    const Text lost = folder.file(u"gone\\Old_Backup.qalbum");
    EXPECT_FALSE(platform.files.writeNewFile(lost, content));
    EXPECT_FALSE(platform.files.exists(lost));
}

TEST_F(AlbumFileWin, AlbumInAMissingFolderRunsFromMemory) {
    const Text path = folder.file(u"gone\\Quillory.qalbum");
    Album album = load(path);
    EXPECT_EQ(album.pages.size(), 5u);
    AlbumFile file(path, platform.files, platform.codePage, platform.folders);
    file.saveAlbumSettings(album, true);
    EXPECT_FALSE(platform.files.exists(path));
}

}  // namespace
}  // namespace quillory
