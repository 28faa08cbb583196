// The slide show's wiring: the quiet ticks turn the stand into the compact running window, which a
// display change leaves compact, its steps fill the history, and a click on the picture brings the
// window back as the person left it. Time is driven by posting the stand's timer messages, never
// by waiting for it.
#include "stand_test.h"

#include "input.h"
#include "resource.h"

namespace quillory::e2e {
namespace {

constexpr int kSlideOn = 0x1;
constexpr int kStatusBar = 0x10000;
constexpr UINT_PTR kSlideTimer = 1;
constexpr int kIdleTicks = 18;
const RECT kStoredFrame{120, 90, 120 + 520, 90 + 380};

// The show passes over Pages without a picture: each Page has one.
Bytes slideShowAlbum(const Sandbox& sandbox) {
    return AlbumText()
        .section(L"Quillory", {{L"PageCount", L"2"},
                               {L"TabStyle", std::to_wstring(kStatusBar)},
                               {L"SlideStyle", std::to_wstring(kSlideOn)},
                               {L"SlideInterval", L"1"},
                               {L"xPosi", std::to_wstring(kStoredFrame.left)},
                               {L"yPosi", std::to_wstring(kStoredFrame.top)},
                               {L"xSize", std::to_wstring(kStoredFrame.right - kStoredFrame.left)},
                               {L"ySize", std::to_wstring(kStoredFrame.bottom - kStoredFrame.top)}})
        .section(L"Page1", {{L"PageVer", L"100"}, {L"Label", L"一"}, {L"File", sandbox.file(L"one.bmp").wstring()}})
        .section(L"Page2", {{L"PageVer", L"100"}, {L"Label", L"二"}, {L"File", sandbox.file(L"two.bmp").wstring()}})
        .bytes();
}

std::wstring corners(const RECT& rect) {
    return std::to_wstring(rect.left) + L"," + std::to_wstring(rect.top) + L" " + std::to_wstring(rect.right) + L"," +
           std::to_wstring(rect.bottom);
}

bool postQuietTicks(HWND stand, int ticks) {
    for (int tick = 0; tick < ticks; ++tick) {
        if (!PostMessageW(stand, WM_TIMER, kSlideTimer, 0)) return false;
    }
    return true;
}

class SlideShowTest : public StandTest {};

TEST_F(SlideShowTest, QuietTicksMakeTheStandCompactStepsFillTheHistoryAndAClickBringsItBack) {
    ASSERT_TRUE(writeFileBytes(sandbox_.file(L"one.bmp"), solidBitmap(0x2020C0)));
    ASSERT_TRUE(writeFileBytes(sandbox_.file(L"two.bmp"), solidBitmap(0xC02020)));
    ASSERT_TRUE(writeFileBytes(sandbox_.file(L"show.qalbum"), slideShowAlbum(sandbox_)));
    std::optional<AppProcess> app = launch(L"show");
    ASSERT_TRUE(app.has_value());
    HWND stand = waitForStand(*app, L"show");
    ASSERT_NE(stand, nullptr);
    HWND view = pageView(stand);
    ASSERT_NE(view, nullptr);
    ASSERT_EQ(corners(windowRect(stand)), corners(kStoredFrame));
    // Only a hidden surface can come in with the first step's effect.
    EXPECT_EQ(windowStyle(GetDlgItem(view, IDC_PICTURE_SURFACE2)) & WS_VISIBLE, 0);

    ASSERT_TRUE(postQuietTicks(stand, kIdleTicks + 1));
    const std::wstring running = standCaption(L"show") + L" (スライドショー動作中...)";
    // The stand is shown again last.
    ASSERT_TRUE(waitUntil([&] { return windowText(stand) == running && IsWindowVisible(stand); }));
    EXPECT_EQ(windowText(findHost(*app)), running);
    EXPECT_EQ(windowStyle(stand) & (WS_POPUP | WS_CAPTION | WS_THICKFRAME), WS_POPUP);
    EXPECT_FALSE(IsWindowVisible(tabControl(stand)));
    // The picture fills the frameless stand.
    const RECT compact = windowRect(stand);
    EXPECT_EQ(corners(windowRect(view)), corners(compact));

    // A display change keeps the window compact, and brings it back onto the screen.
    ASSERT_TRUE(SetWindowPos(stand, nullptr, -3000, compact.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE));
    SendMessageW(stand, WM_DISPLAYCHANGE, 32, MAKELPARAM(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)));
    EXPECT_EQ(corners(windowRect(stand)), corners(compact));
    EXPECT_EQ(corners(windowRect(view)), corners(compact));

    // Two steps (a wait of one tick must be exceeded) come before the click: 0 → 1 → 0.
    ASSERT_TRUE(postQuietTicks(stand, 4));
    ASSERT_TRUE(clickInClient(view, {20, 20}));
    // The tabs come back last.
    ASSERT_TRUE(waitUntil([&] { return IsWindowVisible(stand) && IsWindowVisible(tabControl(stand)); }));
    EXPECT_EQ(windowText(stand), standCaption(L"show"));
    EXPECT_EQ(corners(windowRect(stand)), corners(kStoredFrame));
    EXPECT_NE(windowStyle(stand) & WS_CAPTION, 0);
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(stand, IDC_STATUSBAR)));
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(view, IDC_PICTURE_SURFACE1)));
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(view, IDC_PICTURE_SURFACE2)));

    // The second newest picture of the history is the second Page's.
    ASSERT_TRUE(postCommand(stand, IDM_HISTORY_FIRST + 1));
    EXPECT_EQ(waitForValue([&] { return selectedTab(tabControl(stand)); }, std::optional<int>(1)), std::optional<int>(1));
    EXPECT_EQ(closeStand(*app, stand), std::optional<DWORD>(0));
    const std::wstring album = albumText(L"show.qalbum").value_or(L"");
    for (const wchar_t* entry : {L"HistoryFileNumber01=0\r\n", L"HistoryFileNumber02=1\r\n", L"HistoryFileNumber03=-1\r\n"}) {
        EXPECT_NE(album.find(entry), std::wstring::npos) << entry;
    }
}

}  // namespace
}  // namespace quillory::e2e
