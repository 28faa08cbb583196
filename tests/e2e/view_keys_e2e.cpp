// The keyboard and the wheel on the stand, pressed and turned as a person does: stepping through a
// folder Page from its view, switching Pages, the slide show started, paused and left by its keys,
// full screen and back, and the note a Page without a picture shows.
#include "stand_test.h"

#include "input.h"
#include "resource.h"
#include "screen.h"
#include "wait_until.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace quillory::e2e {
namespace {

constexpr int kStatusBarNoAnimation = 0x10000;
constexpr unsigned kFlagFolder = 0x10000000;
constexpr COLORREF kRed = RGB(220, 30, 30);
constexpr COLORREF kGreen = RGB(30, 200, 40);
constexpr COLORREF kBlue = RGB(40, 40, 220);
constexpr COLORREF kYellow = RGB(230, 220, 40);
// The note's plate and text.
constexpr COLORREF kNotePlate = RGB(32, 32, 32);
constexpr COLORREF kNoteText = RGB(240, 240, 240);

POINT centreOf(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return {client.right / 2, client.bottom / 2};
}

bool centreLooksLike(HWND view, COLORREF colour) {
    return waitUntil([&] {
        const std::optional<COLORREF> shown = clientPixel(view, centreOf(view));
        return shown && looksLike(*shown, colour);
    });
}

std::wstring standFrame(HWND stand) {
    const RECT frame = windowRect(stand);
    return std::to_wstring(frame.left) + L"," + std::to_wstring(frame.top) + L" " + std::to_wstring(frame.right) + L"," +
           std::to_wstring(frame.bottom);
}

class ViewKeysTest : public StandTest {
protected:
    // Page 1 a folder of red, green and blue; Page 2 a yellow file; more Pages as given.
    HWND start(const std::wstring& slideStyle = L"0") {
        const std::filesystem::path folder = sandbox_.file(L"colours");
        std::filesystem::create_directories(folder);
        EXPECT_TRUE(writeFileBytes(folder / L"a.bmp", solidBitmap(kRed)));
        EXPECT_TRUE(writeFileBytes(folder / L"b.bmp", solidBitmap(kGreen)));
        EXPECT_TRUE(writeFileBytes(folder / L"c.bmp", solidBitmap(kBlue)));
        EXPECT_TRUE(writeFileBytes(sandbox_.file(L"yellow.bmp"), solidBitmap(kYellow)));
        AlbumText album;
        album.section(L"Quillory", {{L"TabStyle", std::to_wstring(kStatusBarNoAnimation)},
                                    {L"PageCount", L"2"},
                                    {L"SlideStyle", slideStyle},
                                    {L"SlideInterval", L"10"}});
        album.section(L"Page1", {{L"PageVer", L"100"}, {L"Label", L"色"}, {L"Flag", std::to_wstring(kFlagFolder)},
                                 {L"File", folder.wstring() + L"\\"}, {L"FileNum", L"3"}, {L"FolderFileNo", L"0"}});
        album.section(L"Page2", {{L"PageVer", L"100"}, {L"Label", L"黄"}, {L"File", sandbox_.file(L"yellow.bmp").wstring()}});
        return startAlbum(L"keys", album.bytes());
    }
};

TEST_F(ViewKeysTest, ArrowsHomeEndAndTheWheelStepThroughTheFolderAndCtrlPageKeysSwitchPages) {
    HWND stand = start();
    ASSERT_NE(stand, nullptr);
    HWND view = pageView(stand);
    ASSERT_NE(view, nullptr);
    ASSERT_TRUE(activate(stand));
    ASSERT_TRUE(clickInClient(view, centreOf(view)));
    ASSERT_TRUE(centreLooksLike(view, kRed));

    ASSERT_TRUE(pressKeys({VK_RIGHT}));
    EXPECT_TRUE(centreLooksLike(view, kGreen));
    ASSERT_TRUE(pressKeys({VK_END}));
    EXPECT_TRUE(centreLooksLike(view, kBlue));
    ASSERT_TRUE(pressKeys({VK_RIGHT}));
    ASSERT_TRUE(pressKeys({VK_LEFT}));
    EXPECT_TRUE(centreLooksLike(view, kGreen)) << "next on the last picture stays there";
    ASSERT_TRUE(pressKeys({VK_HOME}));
    EXPECT_TRUE(centreLooksLike(view, kRed));
    ASSERT_TRUE(turnWheelInClient(view, centreOf(view), -WHEEL_DELTA));
    EXPECT_TRUE(centreLooksLike(view, kGreen)) << "the wheel towards the person steps forward";
    ASSERT_TRUE(turnWheelInClient(view, centreOf(view), WHEEL_DELTA));
    EXPECT_TRUE(centreLooksLike(view, kRed));

    // Ctrl+PageDown to the file Page, where the arrows step nowhere, and Ctrl+PageUp back.
    ASSERT_TRUE(pressKeys({VK_CONTROL, VK_NEXT}));
    ASSERT_EQ(waitForValue([&] { return selectedTab(tabControl(stand)); }, std::optional<int>(1)), std::optional<int>(1));
    HWND fileView = waitFor([&]() -> HWND { HWND shown = pageView(stand); return shown != view ? shown : nullptr; });
    ASSERT_NE(fileView, nullptr);
    EXPECT_TRUE(centreLooksLike(fileView, kYellow));
    ASSERT_TRUE(pressKeys({VK_RIGHT}));
    ASSERT_TRUE(pressKeys({VK_CONTROL, VK_PRIOR}));
    ASSERT_EQ(waitForValue([&] { return selectedTab(tabControl(stand)); }, std::optional<int>(0)), std::optional<int>(0));
    HWND folderView = waitFor([&]() -> HWND { HWND shown = pageView(stand); return shown != fileView ? shown : nullptr; });
    ASSERT_NE(folderView, nullptr);
    EXPECT_TRUE(centreLooksLike(folderView, kRed));
    // The Page switch left the keys with the view.
    ASSERT_TRUE(pressKeys({VK_RIGHT}));
    EXPECT_TRUE(centreLooksLike(folderView, kGreen));
    EXPECT_EQ(closeStand(*app_, stand), std::optional<DWORD>(0));
}

TEST_F(ViewKeysTest, F5StartsTheShowSpacePausesAndResumesItAndEscLeavesIt) {
    HWND stand = start();  // the idle start is switched off
    ASSERT_NE(stand, nullptr);
    const std::wstring still = standCaption(L"keys");
    const std::wstring running = still + L" (スライドショー動作中...)";
    ASSERT_TRUE(activate(stand));
    ASSERT_TRUE(pressKeys({VK_F5}));
    ASSERT_EQ(waitForValue([&] { return windowText(stand); }, running), running);
    EXPECT_EQ(windowStyle(stand) & (WS_POPUP | WS_CAPTION), static_cast<LONG_PTR>(WS_POPUP)) << "the compact window";
    // The title changes before the compact window is shown again: keys reach it once it is in front.
    ASSERT_TRUE(waitUntil([&] { return GetForegroundWindow() == stand; })) << "the running show did not come to the front";

    ASSERT_TRUE(pressKeys({VK_SPACE}));
    EXPECT_EQ(waitForValue([&] { return windowText(stand); }, running + L" (一時停止中)"), running + L" (一時停止中)");
    ASSERT_TRUE(pressKeys({VK_SPACE}));
    EXPECT_EQ(waitForValue([&] { return windowText(stand); }, running), running);

    ASSERT_TRUE(pressKeys({VK_ESCAPE}));
    EXPECT_EQ(waitForValue([&] { return windowText(stand); }, still), still);
    EXPECT_TRUE(waitUntil([&] { return IsWindowVisible(tabControl(stand)) != FALSE; }));
    EXPECT_EQ(closeStand(*app_, stand), std::optional<DWORD>(0));
}

TEST_F(ViewKeysTest, F11ShowsThePageOverTheWholeMonitorAndF11OrEscBringTheStandBackAsItWas) {
    HWND stand = start();
    ASSERT_NE(stand, nullptr);
    HWND view = pageView(stand);
    ASSERT_NE(view, nullptr);
    ASSERT_TRUE(activate(stand));
    const std::wstring before = standFrame(stand);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    ASSERT_TRUE(GetMonitorInfoW(MonitorFromWindow(stand, MONITOR_DEFAULTTONEAREST), &monitor));
    const RECT& area = monitor.rcMonitor;
    const std::wstring whole = std::to_wstring(area.left) + L"," + std::to_wstring(area.top) + L" " + std::to_wstring(area.right) +
                               L"," + std::to_wstring(area.bottom);

    for (const WORD leave : {WORD{VK_F11}, WORD{VK_ESCAPE}}) {
        ASSERT_TRUE(pressKeys({VK_F11}));
        ASSERT_EQ(waitForValue([&] { return standFrame(stand); }, whole), whole);
        EXPECT_EQ(waitForValue([&] { return standFrame(view); }, whole), whole) << "the picture fills the monitor";
        EXPECT_FALSE(IsWindowVisible(tabControl(stand)));
        EXPECT_TRUE(centreLooksLike(view, kRed));

        ASSERT_TRUE(pressKeys({leave}));
        EXPECT_EQ(waitForValue([&] { return standFrame(stand); }, before), before);
        EXPECT_TRUE(waitUntil([&] { return IsWindowVisible(tabControl(stand)) != FALSE; }));
        EXPECT_NE(windowStyle(stand) & WS_CAPTION, 0);
    }
    EXPECT_EQ(closeStand(*app_, stand), std::optional<DWORD>(0));
}

// An empty Page and a Page whose file has gone show a plate of text in the middle of the view.
TEST_F(ViewKeysTest, APageWithoutAPictureSaysSoOnTheView) {
    AlbumText album;
    album.section(L"Quillory", {{L"TabStyle", std::to_wstring(kStatusBarNoAnimation)}, {L"PageCount", L"2"}});
    album.section(L"Page1", {{L"PageVer", L"100"}, {L"Label", L"空"}});
    album.section(L"Page2", {{L"PageVer", L"100"}, {L"Label", L"無"}, {L"File", sandbox_.file(L"gone.jpg").wstring()}});
    HWND stand = startAlbum(L"blank", album.bytes());
    ASSERT_NE(stand, nullptr);
    HWND view = pageView(stand);
    ASSERT_NE(view, nullptr);
    const auto showsNote = [&](HWND shown) {
        return waitUntil([&] {
            const RECT client = clientRectOnScreen(shown);
            const LONG middle = (client.top + client.bottom) / 2;
            const std::optional<ScreenArea> band = captureScreen({client.left, middle - 12, client.right, middle + 12});
            if (!band) return false;
            int plate = 0;
            int text = 0;
            for (const COLORREF pixel : band->pixels) {
                plate += looksLike(pixel, kNotePlate) ? 1 : 0;
                text += looksLike(pixel, kNoteText) ? 1 : 0;
            }
            return plate > 100 && text > 20;
        });
    };
    EXPECT_TRUE(showsNote(view)) << "the empty Page's hint";
    ASSERT_TRUE(activate(stand));
    ASSERT_TRUE(pressKeys({VK_CONTROL, VK_TAB}));
    HWND missing = waitFor([&]() -> HWND { HWND shown = pageView(stand); return shown != view ? shown : nullptr; });
    ASSERT_NE(missing, nullptr);
    EXPECT_TRUE(showsNote(missing)) << "the missing file's name";
    EXPECT_EQ(closeStand(*app_, stand), std::optional<DWORD>(0));
}

}  // namespace
}  // namespace quillory::e2e
