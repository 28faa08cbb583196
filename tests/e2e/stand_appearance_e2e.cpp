// How the stand looks and where it sits: the status bar's text, translucency and the topmost
// band, the smallest size, the pull back onto the screen, and the notice of an album that
// cannot be written.
#include "stand_test.h"

#include "input.h"
#include "resource.h"

#include <filesystem>

namespace quillory::e2e {
namespace {

constexpr int kDefaultTabStyle = 0x13100;  // animation, status bar
constexpr int kTopmost = 0x400;
constexpr int kTranslucent = 0x4000;

Bytes albumWith(std::vector<AlbumKey> mainKeys, const std::wstring& firstFile = L"") {
    mainKeys.push_back({L"PageCount", L"2"});
    return AlbumText()
        .section(L"Quillory", mainKeys)
        .section(L"Page1", {{L"PageVer", L"100"}, {L"Label", L"一"}, {L"File", firstFile}})
        .section(L"Page2", {{L"PageVer", L"100"}, {L"Label", L"二"}})
        .bytes();
}

class StandAppearanceTest : public StandTest {
protected:
    HWND start(const Bytes& album) { return startAlbum(L"look", album); }
    std::vector<HWND> notices(HWND stand) { return messageBoxes({stand}); }
};

TEST_F(StandAppearanceTest, TheStatusBarShowsWhereTheCurrentPicturesAre) {
    HWND stand = start(albumWith({{L"TabStyle", std::to_wstring(kDefaultTabStyle)}}, L"Z:\\nowhere\\trip\\a.jpg"));
    ASSERT_NE(stand, nullptr);
    HWND statusBar = GetDlgItem(stand, IDC_STATUSBAR);
    ASSERT_NE(statusBar, nullptr);
    EXPECT_EQ(waitForValue([&] { return statusBarText(statusBar); }, std::optional<std::wstring>(L"Z: > nowhere > trip > ")),
              std::optional<std::wstring>(L"Z: > nowhere > trip > "));
    // The tab control ends above the status bar.
    EXPECT_LE(windowRect(tabControl(stand)).bottom, windowRect(statusBar).top);
    ASSERT_TRUE(postCommand(stand, IDM_PAGE_FIRST + 1));
    EXPECT_EQ(waitForValue([&] { return statusBarText(statusBar); }, std::optional<std::wstring>(L"")), std::optional<std::wstring>(L""));
    EXPECT_EQ(closeStand(*app_, stand), std::optional<DWORD>(0));
}

TEST_F(StandAppearanceTest, ATranslucentStandIsLayeredWithItsLevel) {
    HWND stand = start(albumWith({{L"TabStyle", std::to_wstring(kDefaultTabStyle | kTranslucent)}, {L"LayerWindowLevel", L"150"}}));
    ASSERT_NE(stand, nullptr);
    EXPECT_NE(windowExStyle(stand) & WS_EX_LAYERED, 0);
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(stand, nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 150);
    EXPECT_NE(flags & LWA_ALPHA, 0u);
    EXPECT_EQ(closeStand(*app_, stand), std::optional<DWORD>(0));
}

// The band itself is not checked here: Wine reports no window of the stand's kind as topmost.
TEST_F(StandAppearanceTest, TopmostTogglesAndIsKeptInTheAlbum) {
    HWND stand = start(albumWith({{L"TabStyle", std::to_wstring(kDefaultTabStyle | kTopmost)}}));
    ASSERT_NE(stand, nullptr);
    ASSERT_TRUE(postCommand(stand, IDM_TOPMOST));
    EXPECT_EQ(closeStand(*app_, stand), std::optional<DWORD>(0));
    const std::wstring album = albumText(L"look.qalbum").value_or(L"");
    EXPECT_NE(album.find(L"TabStyle=" + std::to_wstring(kDefaultTabStyle) + L"\r\n"), std::wstring::npos);
}

TEST_F(StandAppearanceTest, TheWindowKeepsItsSmallestSize) {
    HWND stand = start(albumWith({}));
    ASSERT_NE(stand, nullptr);
    ASSERT_TRUE(SetWindowPos(stand, nullptr, 0, 0, 120, 90, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE));
    const RECT frame = windowRect(stand);
    EXPECT_EQ(frame.right - frame.left, 310);
    EXPECT_EQ(frame.bottom - frame.top, 250);
    EXPECT_EQ(closeStand(*app_, stand), std::optional<DWORD>(0));
}

TEST_F(StandAppearanceTest, AWindowStoredFarOffTheScreenIsPulledBack) {
    HWND stand = start(albumWith({{L"xPosi", L"-2000"}, {L"yPosi", L"5000"}, {L"xSize", L"580"}, {L"ySize", L"350"}}));
    ASSERT_NE(stand, nullptr);
    MONITORINFO monitor{sizeof(MONITORINFO)};
    ASSERT_TRUE(GetMonitorInfoW(MonitorFromWindow(stand, MONITOR_DEFAULTTONEAREST), &monitor));
    const RECT frame = windowRect(stand);
    EXPECT_EQ(frame.left, monitor.rcMonitor.left + 5);
    EXPECT_EQ(frame.top, monitor.rcMonitor.bottom - 350 - 3);
    EXPECT_EQ(closeStand(*app_, stand), std::optional<DWORD>(0));
    const std::wstring album = albumText(L"look.qalbum").value_or(L"");
    EXPECT_NE(album.find(L"xPosi=" + std::to_wstring(monitor.rcMonitor.left + 5) + L"\r\n"), std::wstring::npos);
}

TEST_F(StandAppearanceTest, AnAlbumThatCannotBeWrittenIsToldOnce) {
    const Bytes album = albumWith({});
    const std::filesystem::path file = sandbox_.file(L"look.qalbum");
    ASSERT_TRUE(writeFileBytes(file, album));
    ASSERT_TRUE(SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY));
    // Writable again however the test ends, so the sandbox can be removed.
    struct Writable {
        const std::filesystem::path& file;
        ~Writable() { SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL); }
    } writableAtEnd{file};
    HWND stand = startStand(L"look");
    ASSERT_NE(stand, nullptr);

    ASSERT_TRUE(postCommand(stand, IDM_NEW_PAGE));
    HWND notice = waitFor([&] { return notices(stand).empty() ? HWND{} : notices(stand).front(); });
    ASSERT_NE(notice, nullptr) << "the failed save was not told";
    ASSERT_TRUE(PostMessageW(notice, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0));
    EXPECT_TRUE(waitUntil([&] { return notices(stand).empty(); }));

    // The Pages go on from memory, and the next failed saves are not told again.
    // A notice would stay up unanswered; the last command saves nothing, so it cannot raise one late.
    ASSERT_TRUE(postCommand(stand, IDM_NEW_PAGE));
    ASSERT_TRUE(postCommand(stand, IDM_FIT_ACTUAL));
    ASSERT_TRUE(postCommand(stand, IDM_PAGE_FIRST));
    EXPECT_EQ(waitForValue([&] { return selectedTab(tabControl(stand)); }, std::optional<int>(0)), std::optional<int>(0));
    EXPECT_EQ(tabs(stand).size(), 4u);
    EXPECT_TRUE(notices(stand).empty());
    EXPECT_EQ(closeStand(*app_, stand), std::optional<DWORD>(0));
    EXPECT_EQ(readFileBytes(file), std::optional<Bytes>(album));
}

}  // namespace
}  // namespace quillory::e2e
