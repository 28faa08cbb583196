#include "view/folder_bar_win.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "base/wide_win.h"
#include "resource.h"
#include "stand/startup_facts_win.h"
#include "support/quiet_view_host_win.h"
#include "view/page_view_win.h"

namespace quillory {
namespace {

// Stands in for the PageView: steps as the stand would, and records the steps.
struct SteppingHost final : FolderBarHost {
    explicit SteppingHost(Viewing& owner) : viewing(owner) {}
    void step(StepDirection direction, StepModifiers modifiers) override {
        steps.push_back(direction);
        viewing.folder.index = steppedFolderIndex(viewing.folder.index, viewing.folder.count, direction, modifiers);
    }
    const FolderCursor& folder() const override { return viewing.folder; }
    Viewing& viewing;
    std::vector<StepDirection> steps;
};

struct QuietViewHost final : testing::QuietViewHost {};

RECT windowRectOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

std::wstring counterOf(HWND bar) {
    wchar_t text[64] = {};
    GetDlgItemTextW(bar, IDC_FOLDER_COUNTER, text, 64);
    return text;
}

class FolderBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        app.instance = GetModuleHandleW(nullptr);
        app.OsVersionCode = 1000;
        app.album.pages.resize(1);
        app.album.pages[0].Flag = FlagFolder;
        viewing.folder.count = 8;
        viewing.folder.index = 2;
        stand = CreateWindowExW(0, L"STATIC", L"stand", WS_OVERLAPPEDWINDOW, 100, 100, 640, 480, nullptr,
                                          nullptr, app.instance, nullptr);
        view = CreateWindowExW(0, L"STATIC", L"view", WS_CHILD | WS_VISIBLE, 0, 0, 600, 400, stand,
                               nullptr, app.instance, nullptr);
        ASSERT_NE(view, nullptr);
        bar = createFolderBar(app.instance, static_cast<int>(app.OsVersionCode), view, host);
        ASSERT_NE(bar, nullptr);
    }
    void TearDown() override {
        DestroyWindow(bar);
        DestroyWindow(stand);
    }

    void pumpMessages() {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    }

    StartupFacts app;
    Viewing viewing;
    HWND stand = nullptr;
    SteppingHost host{viewing};
    HWND view = nullptr;
    HWND bar = nullptr;
};

TEST_F(FolderBarTest, StartsHiddenTranslucentAndCountingFromTheShownPicture) {
    EXPECT_FALSE(IsWindowVisible(bar));
    EXPECT_TRUE(GetWindowLongPtrW(bar, GWL_EXSTYLE) & WS_EX_LAYERED);
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(bar, nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 192);
    EXPECT_EQ(counterOf(bar), L" 3 / 8 ");
}

TEST_F(FolderBarTest, SizesToTheViewsWidthAndCentresOverIt) {
    sizeFolderBar(bar, 500);
    const RECT size = windowRectOf(bar);
    EXPECT_EQ(size.right - size.left, 500);
    EXPECT_EQ(size.bottom - size.top, 51);
    const RECT next = windowRectOf(GetDlgItem(bar, IDC_FOLDER_NEXT));
    EXPECT_EQ(next.left - size.left, 500 - 33);
    EXPECT_EQ(next.right - next.left, 30);

    placeFolderBar(bar, POINT{40, 30});
    const RECT placed = windowRectOf(bar);
    EXPECT_EQ(placed.left, 40 + 600 / 2 - 500 / 2);
    EXPECT_EQ(placed.top, 30 + 400 / 2 - 51 / 2);
}

TEST_F(FolderBarTest, AStepGoesToItsHostAndTheCounterShowsWhereItLed) {
    SendMessageW(bar, WM_COMMAND, IDC_FOLDER_NEXT, 0);
    EXPECT_EQ(host.steps, std::vector<StepDirection>{StepDirection::Next});
    EXPECT_EQ(counterOf(bar), L" 4 / 8 ");
    SendMessageW(bar, WM_COMMAND, IDC_FOLDER_BACK, 0);
    EXPECT_EQ(counterOf(bar), L" 3 / 8 ");
}

TEST_F(FolderBarTest, WheelStepsLikeTheButtons) {
    SendMessageW(bar, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
    pumpMessages();
    EXPECT_EQ(viewing.folder.index, 3) << "towards the person: next";
    SendMessageW(bar, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    SendMessageW(bar, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    pumpMessages();
    EXPECT_EQ(viewing.folder.index, 1);
    SendMessageW(bar, WM_MOUSEWHEEL, 0, 0);
    pumpMessages();
    EXPECT_EQ(viewing.folder.index, 1);
}

BOOL CALLBACK collectTopLevel(HWND window, LPARAM found) {
    reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
    return TRUE;
}

std::vector<HWND> threadWindows() {
    std::vector<HWND> windows;
    EnumThreadWindows(GetCurrentThreadId(), collectTopLevel, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

// The view is a child window, so the bar it owns is owned by the stand: the view must end it.
TEST(FolderBarOfPageView, GoesWithItsView) {
    StartupFacts app;
    Viewing viewing;
    app.instance = GetModuleHandleW(nullptr);
    app.album.pages.resize(1);
    app.album.pages[0].File = u"C:\\nowhere\\picture.bmp";
    app.album.settings.TabStyle &= ~TabAnimate;
    HWND stand = CreateWindowExW(0, L"STATIC", L"stand", WS_OVERLAPPEDWINDOW, 0, 0, 640, 480, nullptr, nullptr, app.instance, nullptr);
    const std::vector<HWND> before = threadWindows();
    QuietViewHost host;
    HWND view = createPageView(testing::viewContextOf(app, viewing), stand, host);
    ASSERT_NE(view, nullptr);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    std::vector<HWND> bars;
    for (HWND window : threadWindows()) {
        wchar_t className[16] = {};
        GetClassNameW(window, className, 16);
        const bool isNew = std::find(before.begin(), before.end(), window) == before.end();
        if (isNew && std::wstring(className) == L"#32770") bars.push_back(window);
    }
    ASSERT_EQ(bars.size(), 1u) << "the view made its FolderBar";
    EXPECT_EQ(GetWindow(bars[0], GW_OWNER), stand);

    DestroyWindow(view);
    EXPECT_FALSE(IsWindow(bars[0]));
    DestroyWindow(stand);
}

// The running show puts its own pictures in the view: a folder Page's bar would step from a place
// that is not shown.
TEST(FolderBarOfPageView, StaysAwayWhileTheSlideShowRuns) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / (L"quillory-running-" + std::to_wstring(GetCurrentProcessId()));
    std::filesystem::create_directories(folder);
    StartupFacts app;
    Viewing viewing;
    app.instance = GetModuleHandleW(nullptr);
    app.album.pages.resize(1);
    app.album.pages[0].Flag = FlagFolder;
    app.album.pages[0].File = fromWide((folder.wstring() + L"\\").c_str());
    app.album.settings.TabStyle &= ~TabAnimate;
    // Not the program's stand: stopping the show has no window to bring back.
    HWND stand = CreateWindowExW(0, L"STATIC", L"stand", WS_OVERLAPPEDWINDOW, 0, 0, 640, 480, nullptr, nullptr, app.instance, nullptr);
    const std::vector<HWND> before = threadWindows();
    QuietViewHost host;
    HWND view = createPageView(testing::viewContextOf(app, viewing), stand, host);
    ASSERT_NE(view, nullptr);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    HWND bar = nullptr;
    for (HWND window : threadWindows()) {
        if (std::find(before.begin(), before.end(), window) == before.end() && GetDlgItem(window, IDC_FOLDER_COUNTER) != nullptr) bar = window;
    }
    ASSERT_NE(bar, nullptr);
    RECT client{};
    GetClientRect(view, &client);

    host.showRunning = true;
    SendMessageW(view, WM_MOUSEMOVE, 0, MAKELPARAM(10, client.bottom / 2));
    EXPECT_FALSE(IsWindowVisible(bar));

    host.showRunning = false;
    SendMessageW(view, WM_MOUSEMOVE, 0, MAKELPARAM(12, client.bottom / 2));
    EXPECT_TRUE(IsWindowVisible(bar)) << "the same place calls the bar once the show has stopped";

    DestroyWindow(view);
    DestroyWindow(stand);
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}

}  // namespace
}  // namespace quillory
