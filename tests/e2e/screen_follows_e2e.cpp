// What a person sees follows what the program knows: after a resize, a dialog, a slide show left
// for a menu, a tab's own menu, a Page far down the list. Each check looks at the screen or uses
// real input; "a fresh paint" is the whole stand repainted from scratch, which a stale picture
// surface does not match.
#include "stand_test.h"

#include "input.h"
#include "resource.h"
#include "screen.h"

#include <filesystem>
#include <string>

namespace quillory::e2e {
namespace {

constexpr unsigned kSlideOn = 0x1;
constexpr unsigned kStatusBar = 0x10000;  // no animation
constexpr unsigned kShowLabelFileName = 0x10 | 0x40;  // fit the shorter side, bottom right
constexpr UINT_PTR kSlideTimer = 1;
constexpr int kIdleTicks = 18;
constexpr COLORREF kRed = RGB(255, 0, 0);

// The area once three captures over most of a second agree.
std::optional<ScreenArea> settledCapture(const RECT& area) {
    std::optional<ScreenArea> last = captureScreen(area);
    int agreeing = 0;
    for (int round = 0; round < 40 && agreeing < 2; ++round) {
        Sleep(300);
        std::optional<ScreenArea> now = captureScreen(area);
        agreeing = now == last ? agreeing + 1 : 0;
        last = std::move(now);
    }
    return last;
}

// What the area shows once the whole stand has been painted again from scratch.
std::optional<ScreenArea> freshPaint(HWND stand, const RECT& area) {
    RedrawWindow(stand, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    return settledCapture(area);
}

int differingPixels(const std::optional<ScreenArea>& shown, const std::optional<ScreenArea>& expected) {
    if (!shown || !expected || shown->width != expected->width || shown->height != expected->height) return -1;
    int count = 0;
    for (std::size_t pixel = 0; pixel < shown->pixels.size(); ++pixel) count += shown->pixels[pixel] != expected->pixels[pixel] ? 1 : 0;
    return count;
}

double shareOf(const std::optional<ScreenArea>& area, COLORREF colour) {
    if (!area || area->pixels.empty()) return 0.0;
    std::size_t count = 0;
    for (COLORREF pixel : area->pixels) count += looksLike(pixel, colour) ? 1 : 0;
    return static_cast<double>(count) / static_cast<double>(area->pixels.size());
}

bool postQuietTicks(HWND stand, int ticks) {
    for (int tick = 0; tick < ticks; ++tick) {
        if (!PostMessageW(stand, WM_TIMER, kSlideTimer, 0)) return false;
    }
    return true;
}

POINT centreOf(const RECT& rect) { return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}; }

class ScreenFollowsTest : public StandTest {
protected:
    // One Page showing the four-colour picture with its label and file name, beside Page "花".
    HWND startWithPicture(unsigned tabStyle, unsigned slideStyle = 0) {
        const std::filesystem::path picture = sandbox_.file(L"quadrants.jpg");
        EXPECT_TRUE(std::filesystem::copy_file(fixtureFile(L"quadrants.jpg"), picture));
        AlbumText album;
        album.section(L"Quillory", {{L"PageCount", L"2"}, {L"TabStyle", std::to_wstring(tabStyle)},
                                    {L"SlideStyle", std::to_wstring(slideStyle)}, {L"SlideInterval", L"1"},
                                    {L"xPosi", L"20"}, {L"yPosi", L"20"}, {L"xSize", L"420"}, {L"ySize", L"340"}});
        album.section(L"Page1", {{L"PageVer", L"100"}, {L"Label", L"湖"}, {L"File", picture.wstring()},
                                 {L"PhotoFlag", std::to_wstring(kShowLabelFileName)}});
        album.section(L"Page2", {{L"PageVer", L"100"}, {L"Label", L"花"}});
        HWND stand = startAlbum(L"screen", album.bytes());
        HWND view = stand != nullptr ? pageView(stand) : nullptr;
        if (view != nullptr) waitUntil([&] { return shareOf(captureScreen(clientRectOnScreen(view)), kRed) > 0.05; });
        return stand;
    }
    HWND openSettings(HWND stand) {
        if (!postCommand(stand, IDM_PAGE_SETTINGS)) return nullptr;
        HWND dialog = waitForTopLevelWindow({L"#32770", L"Quillory - ページ \"湖\" の設定", app_->id(), true});
        // Out of the view's way, so the screen shows the view whole.
        if (dialog != nullptr) SetWindowPos(dialog, nullptr, 640, 420, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return dialog;
    }
    bool chooseFitMode(HWND dialog, int mode) {
        HWND panel = showPanel(dialog, IDM_PANEL_DISPLAY_SIZE, IDC_FIT_MODE);
        HWND combo = GetDlgItem(panel, IDC_FIT_MODE);
        return panel != nullptr && sendMessage(combo, CB_SETCURSEL, static_cast<WPARAM>(mode)) &&
               sendMessage(panel, WM_COMMAND, MAKEWPARAM(IDC_FIT_MODE, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
    }
    // The running slide show's compact window, once it shows.
    bool enterSlideShow(HWND stand) {
        const std::wstring running = standCaption(L"screen") + L" (スライドショー動作中...)";
        return postQuietTicks(stand, kIdleTicks + 1) && waitUntil([&] { return windowText(stand) == running && IsWindowVisible(stand); });
    }
};

TEST_F(ScreenFollowsTest, AfterAResizeTheStandShowsWhatAFreshPaintShows) {
    HWND stand = startWithPicture(kStatusBar);
    ASSERT_NE(stand, nullptr);
    for (const SIZE size : {SIZE{640, 500}, SIZE{360, 290}}) {
        ASSERT_TRUE(SetWindowPos(stand, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE));
        const RECT client = clientRectOnScreen(stand);
        const std::optional<ScreenArea> shown = settledCapture(client);
        EXPECT_EQ(differingPixels(shown, freshPaint(stand, client)), 0) << "after sizing to " << size.cx << " × " << size.cy;
    }
    EXPECT_EQ(closeStand(*app_, stand), std::optional<DWORD>(0));
}

// The display panel's fit mode shows at once; キャンセル brings the old look back, OK keeps the new.
TEST_F(ScreenFollowsTest, TheViewShowsTheFitModePreviewAndWhatCancelAndOkLeave) {
    HWND stand = startWithPicture(kStatusBar);
    ASSERT_NE(stand, nullptr);
    const RECT area = clientRectOnScreen(pageView(stand));
    const std::optional<ScreenArea> original = settledCapture(area);
    const auto showsOriginal = [&] { return captureScreen(area) == original; };

    HWND dialog = openSettings(stand);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(chooseFitMode(dialog, 1));
    EXPECT_TRUE(waitUntil([&] { return !showsOriginal(); }, Duration(3000))) << "the preview did not show";
    ASSERT_TRUE(closeDialog(dialog, IDCANCEL));
    EXPECT_TRUE(waitUntil(showsOriginal, Duration(3000))) << "キャンセル left the preview";

    dialog = openSettings(stand);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(chooseFitMode(dialog, 1));
    ASSERT_TRUE(closeDialog(dialog, IDOK));
    const std::optional<ScreenArea> accepted = settledCapture(area);
    EXPECT_NE(accepted, original);
    EXPECT_EQ(differingPixels(accepted, freshPaint(stand, area)), 0);
    EXPECT_EQ(closeStand(*app_, stand), std::optional<DWORD>(0));
}

// A picture chosen for the Page from its menu command shows at once, drawn as a fresh paint draws it.
TEST_F(ScreenFollowsTest, APictureChosenByTheMenuCommandShowsAtOnce) {
    const std::filesystem::path picture = sandbox_.file(L"quadrants.jpg");
    ASSERT_TRUE(std::filesystem::copy_file(fixtureFile(L"quadrants.jpg"), picture));
    AlbumText album;
    album.section(L"Quillory", {{L"PageCount", L"1"}, {L"TabStyle", std::to_wstring(kStatusBar)},
                                {L"xPosi", L"20"}, {L"yPosi", L"20"}, {L"xSize", L"420"}, {L"ySize", L"340"}});
    album.section(L"Page1", {{L"PageVer", L"100"}, {L"Label", L"湖"}, {L"PhotoFlag", std::to_wstring(kShowLabelFileName)}});
    HWND stand = startAlbum(L"screen", album.bytes());
    ASSERT_NE(stand, nullptr);
    const RECT area = clientRectOnScreen(pageView(stand));
    ASSERT_LT(shareOf(settledCapture(area), kRed), 0.01) << "the Page shows a picture before one is chosen";

    ASSERT_TRUE(postCommand(stand, IDM_CHOOSE_PICTURE));
    HWND chooser = waitForTopLevelWindow({L"#32770", L"screen - \"湖\" - 絵の選択", app_->id(), true});
    ASSERT_NE(chooser, nullptr);
    // The file name box is the chooser's only edit.
    const HWND name = waitFor([&] {
        for (HWND child : childWindows(chooser)) {
            if (windowClass(child) == L"Edit") return child;
        }
        return HWND{};
    });
    ASSERT_NE(name, nullptr);
    ASSERT_TRUE(sendMessage(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(picture.c_str())));
    ASSERT_TRUE(closeDialog(chooser, IDOK));

    ASSERT_TRUE(waitUntil([&] { return shareOf(captureScreen(area), kRed) > 0.05; }, Duration(3000))) << "the chosen picture did not show";
    const std::optional<ScreenArea> shown = settledCapture(area);
    EXPECT_EQ(differingPixels(shown, freshPaint(stand, area)), 0);
    EXPECT_EQ(closeStand(*app_, stand), std::optional<DWORD>(0));
}

// A right click brings the window back from the slide show; its menu must then be the window in
// front, drawn, where the click was, and the show must wait while it stays open.
TEST_F(ScreenFollowsTest, TheMenuOpenedFromTheSlideShowIsOnTopDrawnAndHoldsTheShow) {
    HWND stand = startWithPicture(kStatusBar, kSlideOn);
    ASSERT_NE(stand, nullptr);
    ASSERT_TRUE(enterSlideShow(stand));
    ASSERT_TRUE(clickInClient(pageView(stand), {40, 40}, MouseButton::Right));
    HWND menu = waitForTopLevelWindow({L"#32768", std::nullopt, app_->id(), true});
    ASSERT_NE(menu, nullptr);
    ASSERT_TRUE(waitUntil([&] { return IsWindowVisible(tabControl(stand)); }));
    const RECT frame = windowRect(menu);
    EXPECT_EQ(WindowFromPoint(centreOf(frame)), menu) << "another window covers the menu";
    EXPECT_GT(shareOf(settledCapture(frame), GetSysColor(COLOR_MENU)), 0.5) << "the menu is not drawn";

    // Twice the quiet time passes with the menu open.
    ASSERT_TRUE(postQuietTicks(stand, 2 * (kIdleTicks + 1)));
    Sleep(1500);
    EXPECT_EQ(windowText(stand), standCaption(L"screen"));
    EXPECT_TRUE(IsWindowVisible(menu));
    ASSERT_TRUE(pressKeys({VK_ESCAPE}));
    EXPECT_TRUE(waitUntil([&] { return !IsWindowVisible(menu); }));
    EXPECT_EQ(closeStand(*app_, stand), std::optional<DWORD>(0));
}

// The menu of tab 花, opened on 湖's view, deletes 花 and names it in the question.
TEST_F(ScreenFollowsTest, ATabsMenuActsOnThatTabsPage) {
    HWND stand = startWithPicture(kStatusBar);
    ASSERT_NE(stand, nullptr);
    HWND tabRow = tabControl(stand);
    const std::optional<RECT> second = tabItemRect(tabRow, 1);
    ASSERT_TRUE(second.has_value());
    RECT onScreen = *second;
    MapWindowPoints(tabRow, nullptr, reinterpret_cast<POINT*>(&onScreen), 2);
    ASSERT_TRUE(activate(stand));
    ASSERT_TRUE(clickAt(centreOf(onScreen), MouseButton::Right));
    HWND menu = waitForTopLevelWindow({L"#32768", std::nullopt, app_->id(), true});
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(selectedTab(tabRow), std::optional<int>(1)) << "the clicked tab is selected with its menu";
    // A person types once the menu stands drawn.
    ASSERT_GT(shareOf(settledCapture(windowRect(menu)), GetSysColor(COLOR_MENU)), 0.5);
    // Quillory, ページの選択, 現在のページ ▸ ページ削除(&D)
    ASSERT_TRUE(pressKeys({VK_DOWN}));
    ASSERT_TRUE(pressKeys({VK_DOWN}));
    ASSERT_TRUE(pressKeys({VK_DOWN}));
    ASSERT_TRUE(pressKeys({VK_RIGHT}));
    ASSERT_TRUE(pressKeys({'D'}));
    const HWND question = waitFor([&] {
        const std::vector<HWND> boxes = messageBoxes({stand});
        return boxes.empty() ? HWND{} : boxes.front();
    });
    ASSERT_NE(question, nullptr);
    EXPECT_NE(windowText(GetDlgItem(question, IDC_MESSAGE_TEXT)).find(L"ページ \"花\""), std::wstring::npos);
    ASSERT_TRUE(answer({stand}, IDYES));
    const std::vector<std::wstring> left{L"湖"};
    EXPECT_EQ(waitForValue([&] { return tabs(stand); }, left), left);
    EXPECT_EQ(closeStand(*app_, stand), std::optional<DWORD>(0));
}

TEST_F(ScreenFollowsTest, APageFarDownTheListIsChosenByItsMenuCommand) {
    constexpr int kPages = 205;
    AlbumText album;
    album.section(L"Quillory", {{L"PageCount", std::to_wstring(kPages)}, {L"TabStyle", std::to_wstring(kStatusBar)}});
    for (int page = 1; page <= kPages; ++page) {
        album.section(L"Page" + std::to_wstring(page), {{L"PageVer", L"100"}, {L"Label", L"P" + std::to_wstring(page)}});
    }
    HWND stand = startAlbum(L"many", album.bytes());
    ASSERT_NE(stand, nullptr);
    ASSERT_TRUE(postCommand(stand, IDM_PAGE_FIRST + 203));
    EXPECT_EQ(waitForValue([&] { return selectedTab(tabControl(stand)); }, std::optional<int>(203)), std::optional<int>(203));
    EXPECT_EQ(closeStand(*app_, stand), std::optional<DWORD>(0));
}

}  // namespace
}  // namespace quillory::e2e
