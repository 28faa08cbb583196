// Files dropped on the real stand's PageView, handed over as the system hands them: a WM_DROPFILES
// with an HDROP of this process (another process cannot make one that is valid here, and under
// Wine neither a posted HDROP nor an OLE drag reaches a window that only accepts dropped files).
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "album/album_file.h"
#include "base/wide_win.h"
#include "base/win_platform_win.h"
#include "base/window_state_win.h"
#include "resource.h"
#include "stand/photo_stand_window_win.h"
#include "stand/stand_state_win.h"
#include "support/quiet_stand_owner_win.h"
#include "view/page_view_win.h"

namespace quillory {
namespace {

// A dropped album starts this program again with it. Started so, the test program writes its
// command line into the file the variable names and ends at once.
constexpr char kRecordVariable[] = "QUILLORY_DROP_TEST_RECORD";
const bool recordedChild = [] {
    const char* record = std::getenv(kRecordVariable);
    if (record == nullptr || *record == '\0') return false;
    std::wofstream(record, std::ios::app) << GetCommandLineW() << L"\n";
    ExitProcess(0);
}();

constexpr std::uint32_t kNoAnimation = 0;

void writeText(const std::filesystem::path& file, const std::string& bytes) { std::ofstream(file, std::ios::binary) << bytes; }

std::string readText(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// UTF-16LE with its mark, as albums are kept.
std::string albumBytes(const std::wstring& text) {
    std::string bytes = "\xFF\xFE";
    for (wchar_t unit : text) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    return bytes;
}

// A 2 × 1 24-bit bitmap file.
std::string twoPixelBitmap() {
    const unsigned char bytes[62] = {'B', 'M', 62, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0,
                                     1, 0, 24, 0, 0, 0, 0, 0, 8, 0, 0, 0, 0x13, 0x0B, 0, 0, 0x13, 0x0B, 0, 0, 0, 0, 0, 0,
                                     0, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0, 0, 0, 0};
    return std::string(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

// What the shell hands a window for one dropped path.
HDROP dropOf(const std::wstring& path) {
    const SIZE_T bytes = sizeof(DROPFILES) + (path.size() + 2) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GHND, bytes);
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), path.c_str(), path.size() * sizeof(wchar_t));
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

// Whether a copy of this program started by it still runs (Wine may start the desktop's
// explorer.exe as a child too).
bool hasChildProcess() {
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    const std::wstring programName = std::filesystem::path(self).filename().wstring();
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return false;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    bool found = false;
    for (BOOL more = Process32FirstW(snapshot, &entry); more && !found; more = Process32NextW(snapshot, &entry)) {
        found = entry.th32ParentProcessID == GetCurrentProcessId() && programName == entry.szExeFile;
    }
    CloseHandle(snapshot);
    return found;
}

template <typename Condition>
bool pumpUntil(Condition condition) {
    for (int round = 0; round < 500; ++round) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        if (condition()) return true;
        Sleep(20);
    }
    return false;
}

class PageViewDropTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = std::filesystem::temp_directory_path() /
                 (L"quillory-drop-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(GetTickCount()));
        std::filesystem::create_directories(folder);
        album = folder / L"drop.qalbum";
    }
    void TearDown() override {
        if (stand != nullptr) DestroyWindow(stand);
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }

    // The stand for an album of one Page, labelled A.
    void startStand(std::uint32_t tabStyle, std::uint32_t flag = 0) {
        writeText(album, albumBytes(L";Quillory\r\n\r\n[Quillory]\r\nPageCount=1\r\nTabStyle=" + std::to_wstring(tabStyle) +
                                    L"\r\n\r\n[Page1]\r\nPageVer=100\r\nLabel=A\r\nFlag=" + std::to_wstring(flag) + L"\r\nFile=\r\n"));
        app.instance = GetModuleHandleW(nullptr);
        app.OsVersionCode = 1000;
        app.albumPath = fromWide(album.c_str());
        app.albumName = u"drop";
        WinPlatform& platform = winPlatform();
        app.albumFile = std::make_unique<AlbumFile>(app.albumPath, platform.files, platform.codePage, platform.folders);
        app.albumFile->startAlbum(app.album);
        stand = createPhotoStandWindow(app, owner, nullptr);
        ASSERT_NE(stand, nullptr);
        view = pageView();
        ASSERT_NE(view, nullptr);
    }
    HWND pageView() const {
        for (HWND child = GetWindow(stand, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
            if (GetDlgItem(child, IDC_PICTURE_SURFACE1) != nullptr) return child;
        }
        return nullptr;
    }
    void drop(const std::filesystem::path& path) { SendMessageW(view, WM_DROPFILES, reinterpret_cast<WPARAM>(dropOf(path.wstring())), 0); }
    std::wstring albumText() const {
        const std::string bytes = readText(album);
        std::wstring text;
        for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
            text.push_back(static_cast<wchar_t>(static_cast<unsigned char>(bytes[i]) | static_cast<unsigned char>(bytes[i + 1]) << 8));
        }
        return text;
    }
    bool albumHas(const std::wstring& line) const { return albumText().find(line + L"\r\n") != std::wstring::npos; }

    std::filesystem::path folder;
    std::filesystem::path album;
    StartupFacts app;
    testing::QuietStandOwner owner;
    HWND stand = nullptr;
    HWND view = nullptr;
};

TEST_F(PageViewDropTest, APictureBecomesTheUnlockedPagesPictureAndIsSaved) {
    startStand(kNoAnimation);
    const std::filesystem::path picture = folder / L"wide.bmp";
    writeText(picture, twoPixelBitmap());
    drop(picture);
    EXPECT_EQ(app.album.pages[0].File, fromWide(picture.c_str()));
    EXPECT_TRUE(albumHas(L"File=" + picture.wstring()));
    const PictureMetrics shown = shownPictureMetrics(pageView());
    EXPECT_EQ(shown.width, 2u);
    EXPECT_EQ(shown.height, 1u);
}

TEST_F(PageViewDropTest, ALockedPageTakesNothing) {
    startStand(kNoAnimation, FlagLocked);
    const std::string before = readText(album);
    const std::filesystem::path picture = folder / L"wide.bmp";
    writeText(picture, twoPixelBitmap());
    drop(picture);
    std::filesystem::create_directories(folder / L"trip");
    drop(folder / L"trip");
    EXPECT_EQ(app.album.pages[0].File, u"");
    EXPECT_EQ(app.album.pages[0].Flag, FlagLocked);
    EXPECT_EQ(readText(album), before);
}

TEST_F(PageViewDropTest, TheRunningSlideShowTakesNothing) {
    startStand(kNoAnimation);
    const std::string before = readText(album);
    SlideCountdown& countdown = windowState<PhotoStandWindow>(stand)->countdown;
    countdown.SlideRunning = true;
    const std::filesystem::path picture = folder / L"wide.bmp";
    writeText(picture, twoPixelBitmap());
    drop(picture);
    countdown.SlideRunning = false;
    EXPECT_EQ(app.album.pages[0].File, u"");
    EXPECT_EQ(readText(album), before);
}

// The status bar names the folder at once, and the slide show's history, which numbered the old
// pictures, is forgotten.
TEST_F(PageViewDropTest, AFolderDroppedOnThePageShowsItsPlaceAndForgetsTheHistory) {
    startStand(TabStatusBar);
    std::filesystem::create_directories(folder / L"trip");
    app.album.history[0] = {4, u"old.jpg"};
    HWND statusBar = GetDlgItem(stand, IDC_STATUSBAR);
    ASSERT_NE(statusBar, nullptr);
    const auto statusText = [&] {
        wchar_t text[300] = {};
        SendMessageW(statusBar, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
        return std::wstring(text);
    };
    ASSERT_EQ(statusText().find(L"trip"), std::wstring::npos);
    drop(folder / L"trip");
    EXPECT_NE(statusText().find(L"trip"), std::wstring::npos) << statusText();
    EXPECT_EQ(app.album.history[0].pictureNumber, -1);
}

TEST_F(PageViewDropTest, AFolderDroppedForANewPageMakesAFolderPageNamedAfterIt) {
    startStand(TabDropNewPage);
    std::filesystem::create_directories(folder / L"海の旅");
    drop(folder / L"海の旅");
    HWND tabs = GetDlgItem(stand, IDC_TABS);
    ASSERT_TRUE(pumpUntil([&] { return TabCtrl_GetItemCount(tabs) == 2; }));
    EXPECT_EQ(TabCtrl_GetCurSel(tabs), 1);
    ASSERT_EQ(app.album.pages.size(), 2u);
    EXPECT_EQ(app.album.currentPage, 1);
    EXPECT_EQ(app.album.pages[1].Label, u"海の旅");
    EXPECT_NE(app.album.pages[1].Flag & FlagFolder, 0u);
    EXPECT_TRUE(albumHas(L"PageCount=2"));
    EXPECT_TRUE(albumHas(L"File=" + (folder / L"海の旅").wstring() + L"\\"));
}

TEST_F(PageViewDropTest, OnlyANameEndingInQalbumStartsTheProgramOnIt) {
    startStand(kNoAnimation);
    const std::filesystem::path record = folder / L"started.txt";
    _wputenv_s(L"QUILLORY_DROP_TEST_RECORD", record.c_str());
    const std::filesystem::path backup = folder / L"Something.qalbum.bak";
    const std::filesystem::path other = folder / L"my albums" / L"Other.QALBUM";
    writeText(backup, "");
    std::filesystem::create_directories(other.parent_path());
    writeText(other, "");
    drop(backup);
    drop(other);
    const bool ended = pumpUntil([&] { return std::filesystem::exists(record) && !hasChildProcess(); });
    _wputenv_s(L"QUILLORY_DROP_TEST_RECORD", L"");
    ASSERT_TRUE(ended) << "no program was started for the album";
    std::wstring started;
    std::getline(std::wifstream(record), started, L'\0');
    const std::wstring quoted = L"\"" + other.wstring() + L"\"\n";
    EXPECT_TRUE(started.size() >= quoted.size() && started.compare(started.size() - quoted.size(), quoted.size(), quoted) == 0)
        << "started: " << ::testing::PrintToString(started);
    EXPECT_EQ(std::count(started.begin(), started.end(), L'\n'), 1) << "the backup started a program too";
}

}  // namespace
}  // namespace quillory
