// A folder Page's FolderBar and the right-click menu, driven through the real program's windows.
#include "stand_test.h"

#include "input.h"
#include "resource.h"
#include "wait_until.h"

#include <cstdlib>
#include <filesystem>
#include <string>

namespace quillory::e2e {
namespace {

constexpr unsigned kFlagLocked = 0x1;
constexpr unsigned kFlagFolder = 0x10000000;
constexpr int kStatusBarNoAnimation = 0x10000;
constexpr UINT_PTR kFolderBarTimer = 21;

// A one-pixel 24-bit bitmap file.
Bytes onePixelBitmap() {
    const unsigned char bytes[58] = {'B', 'M', 58, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0,
                                     1, 0, 24, 0, 0, 0, 0, 0, 4, 0, 0, 0, 0x13, 0x0B, 0, 0, 0x13, 0x0B, 0, 0, 0, 0, 0, 0,
                                     0, 0, 0, 0, 0x40, 0x80, 0xC0, 0};
    return Bytes(reinterpret_cast<const char*>(bytes), sizeof(bytes));
}

class FolderBarTest : public StandTest {
protected:
    // One Page, a folder of three pictures, the first shown.
    HWND start(unsigned flag, int pages = 1) {
        const std::filesystem::path folder = sandbox_.file(L"trip");
        std::filesystem::create_directories(folder);
        for (const wchar_t* name : {L"a.bmp", L"b.bmp", L"c.bmp"}) EXPECT_TRUE(writeFileBytes(folder / name, onePixelBitmap()));
        AlbumText album;
        album.section(L"Quillory", {{L"TabStyle", std::to_wstring(kStatusBarNoAnimation)}, {L"PageCount", std::to_wstring(pages)}});
        album.section(L"Page1", {{L"PageVer", L"100"}, {L"Label", L"旅"}, {L"Flag", std::to_wstring(flag)},
                                 {L"File", folder.wstring() + L"\\"}, {L"FileNum", L"3"}, {L"FolderFileNo", L"0"}});
        for (int page = 2; page <= pages; ++page) album.section(L"Page" + std::to_wstring(page), {{L"PageVer", L"100"}});
        return startAlbum(L"bar", album.bytes());
    }
    // The process's FolderBar: the dialog holding the counter.
    HWND folderBar() {
        return waitFor([&]() -> HWND {
            for (HWND window : topLevelWindows({L"#32770", std::nullopt, app_->id()})) {
                if (GetDlgItem(window, IDC_FOLDER_COUNTER) != nullptr) return window;
            }
            return nullptr;
        });
    }
    std::wstring counter(HWND bar) { return windowText(GetDlgItem(bar, IDC_FOLDER_COUNTER)); }
    std::wstring counterAfter(HWND bar, const std::wstring& expected) {
        return waitForValue([&] { return counter(bar); }, expected);
    }
};

TEST_F(FolderBarTest, StepsThroughTheFolderWithoutWrappingAndKeepsThePlace) {
    HWND stand = start(kFlagFolder);
    ASSERT_NE(stand, nullptr);
    HWND bar = folderBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(windowOwner(bar), stand);
    EXPECT_EQ(counterAfter(bar, L" 1 / 3 "), L" 1 / 3 ");

    ASSERT_TRUE(postCommand(bar, IDC_FOLDER_BACK));
    ASSERT_TRUE(postCommand(bar, IDC_FOLDER_NEXT));
    EXPECT_EQ(counterAfter(bar, L" 2 / 3 "), L" 2 / 3 ") << "back on the first picture stays there";

    EXPECT_EQ(closeStand(*app_, stand), std::optional<DWORD>(0));
    EXPECT_NE(sectionBody(albumText(L"bar.qalbum").value_or(L""), L"Page1").value_or(L"").find(L"FolderFileNo=1\r\n"),
              std::wstring::npos);
}

// The view's one-second timer is driven by sending its ticks, which also come on their own; the
// counting itself is the unit tests'.
TEST_F(FolderBarTest, TheMouseAtAnEdgeOfTheViewShowsTheBarAndItsTicksHideIt) {
    HWND stand = start(kFlagFolder);
    ASSERT_NE(stand, nullptr);
    HWND view = pageView(stand);
    HWND bar = folderBar();
    ASSERT_NE(view, nullptr);
    ASSERT_NE(bar, nullptr);
    ASSERT_TRUE(waitUntil([&] { return !IsWindowVisible(bar); }));
    RECT client{};
    ASSERT_TRUE(GetClientRect(view, &client));

    ASSERT_TRUE(moveMouseInClient(view, {10, client.bottom / 2}));
    ASSERT_TRUE(waitUntil([&] { return IsWindowVisible(bar); }));
    const RECT barFrame = windowRect(bar);
    const RECT viewFrame = windowRect(view);
    EXPECT_NEAR(barFrame.top + barFrame.bottom, viewFrame.top + viewFrame.bottom, 2) << "centred over the view";
    EXPECT_EQ(counter(bar), L" 1 / 3 ");

    // The bar goes along when the stand is moved.
    const RECT standFrame = windowRect(stand);
    ASSERT_TRUE(SetWindowPos(stand, nullptr, standFrame.left + 40, standFrame.top + 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE));
    EXPECT_TRUE(waitUntil([&] {
        const RECT movedBar = windowRect(bar);
        const RECT movedView = windowRect(view);
        return movedView.top == viewFrame.top + 30 && std::abs((movedBar.top + movedBar.bottom) - (movedView.top + movedView.bottom)) <= 2 &&
               std::abs((movedBar.left + movedBar.right) - (movedView.left + movedView.right)) <= 2;
    }));
    for (int second = 0; second < 5; ++second) ASSERT_TRUE(sendMessage(view, WM_TIMER, kFolderBarTimer).has_value());
    EXPECT_FALSE(IsWindowVisible(bar));

    // Another point in the band, at the other edge, shows it again.
    ASSERT_TRUE(moveMouseInClient(view, {client.right - 10, client.bottom / 2}));
    EXPECT_TRUE(waitUntil([&] { return IsWindowVisible(bar); }));
    EXPECT_EQ(closeStand(*app_, stand), std::optional<DWORD>(0));
}

// What the menu holds is checked by the menu's own tests: Wine keeps menus in their process, so
// another program cannot read their items.
TEST_F(FolderBarTest, ARightClickOnTheViewOpensTheMenuForTheStand) {
    HWND stand = start(kFlagFolder | kFlagLocked, 2);
    ASSERT_NE(stand, nullptr);
    HWND view = pageView(stand);
    ASSERT_NE(view, nullptr);
    ASSERT_TRUE(activate(stand));
    ASSERT_TRUE(clickInClient(view, {60, 60}, MouseButton::Right));
    HWND menuWindow = waitForTopLevelWindow({L"#32768", std::nullopt, app_->id(), true});
    ASSERT_NE(menuWindow, nullptr);
    ASSERT_TRUE(pressKeys({VK_ESCAPE}));
    EXPECT_TRUE(waitUntil([&] { return !IsWindowVisible(menuWindow); }));
    EXPECT_EQ(closeStand(*app_, stand), std::optional<DWORD>(0));
}

// Pictures copied into and deleted from the shown folder while the program runs: the counter
// follows, and the picture on screen stays the one shown (its place moves with the new order).
TEST_F(FolderBarTest, TheCounterFollowsPicturesAddedToAndRemovedFromTheShownFolder) {
    HWND stand = start(kFlagFolder);
    ASSERT_NE(stand, nullptr);
    HWND bar = folderBar();
    ASSERT_NE(bar, nullptr);
    ASSERT_TRUE(postCommand(bar, IDC_FOLDER_NEXT));
    ASSERT_EQ(counterAfter(bar, L" 2 / 3 "), L" 2 / 3 ");

    const std::filesystem::path folder = sandbox_.file(L"trip");
    ASSERT_TRUE(writeFileBytes(folder / L"0.bmp", onePixelBitmap()));
    EXPECT_EQ(counterAfter(bar, L" 3 / 4 "), L" 3 / 4 ") << "b.bmp, still shown, now comes third";

    std::filesystem::remove(folder / L"b.bmp");
    EXPECT_EQ(counterAfter(bar, L" 3 / 3 "), L" 3 / 3 ") << "c.bmp took the place of the deleted picture";

    EXPECT_EQ(closeStand(*app_, stand), std::optional<DWORD>(0));
    const std::wstring page = sectionBody(albumText(L"bar.qalbum").value_or(L""), L"Page1").value_or(L"");
    EXPECT_NE(page.find(L"FolderFileNo=2\r\n"), std::wstring::npos);
    EXPECT_NE(page.find(L"FileNum=3\r\n"), std::wstring::npos);
}

}  // namespace
}  // namespace quillory::e2e
