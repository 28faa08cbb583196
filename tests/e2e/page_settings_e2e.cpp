// The Page settings dialog reached from the stand: what OK, キャンセル and "初期値設定..." leave in
// the tabs and the album, the live Pages and picture reaching the panels, and the screen colour
// picker's mouse hook among the program's other windows.
#include "stand_test.h"

#include "input.h"
#include "resource.h"
#include "screen.h"
#include "settings_dialog_keys.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace quillory::e2e {
namespace {

const std::wstring kGreen = L"赤:0、緑:255、青:0";
const std::wstring kPictureRed = L"赤:25";  // the start of 254 or 255: the picture is a JPEG
constexpr COLORREF kRed = RGB(255, 0, 0);

// A point of the screen area in the middle of a 9 × 9 patch of the colour.
std::optional<POINT> patchOf(const RECT& area, COLORREF colour) {
    const std::optional<ScreenArea> shown = captureScreen(area);
    if (!shown) return std::nullopt;
    auto at = [&](int x, int y) { return shown->at(x, y); };
    for (int y = 0; y + 8 < shown->height; ++y) {
        for (int x = 0; x + 8 < shown->width; ++x) {
            if (looksLike(at(x, y), colour) && looksLike(at(x + 8, y), colour) && looksLike(at(x, y + 8), colour) &&
                looksLike(at(x + 8, y + 8), colour))
                return POINT{area.left + x + 4, area.top + y + 4};
        }
    }
    return std::nullopt;
}

Bytes albumOfTwo() {
    AlbumText album;
    album.section(L"Quillory", {{L"TabNumber", L"0"}, {L"PageCount", L"2"}});
    album.section(L"Page1", {{L"PageVer", L"100"}, {L"Label", L"A"}});
    album.section(L"Page2", {{L"PageVer", L"100"}, {L"Label", L"B"}});
    return album.bytes();
}

constexpr int kStatusBarNoAnimation = 0x10000;
constexpr unsigned kFlagLocked = 0x1;

class PageSettingsTest : public StandTest {
protected:
    HWND start(const Bytes& album = albumOfTwo()) { return startAlbum(L"pages", album); }
    // The dialog for the current Page, opened as the menu command does.
    HWND openSettings(HWND stand, const std::wstring& label) {
        if (!postCommand(stand, IDM_PAGE_SETTINGS)) return nullptr;
        return waitForTopLevelWindow({L"#32770", L"Quillory - ページ \"" + label + L"\" の設定", app_->id(), true});
    }
    bool chooseFitMode(HWND dialog, int mode) {
        HWND panel = showPanel(dialog, IDM_PANEL_DISPLAY_SIZE, IDC_FIT_MODE);
        HWND combo = GetDlgItem(panel, IDC_FIT_MODE);
        return panel != nullptr && sendMessage(combo, CB_SETCURSEL, static_cast<WPARAM>(mode)) &&
               sendMessage(panel, WM_COMMAND, MAKEWPARAM(IDC_FIT_MODE, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
    }
    // Page A shows the four-colour picture (its DateTime and DateTimeOriginal are equal, and it
    // names its software); Page B is locked.
    Bytes albumWithPictureAndLock() {
        const std::filesystem::path picture = sandbox_.file(L"quadrants.jpg");
        EXPECT_TRUE(std::filesystem::copy_file(fixtureFile(L"quadrants.jpg"), picture));
        AlbumText album;
        album.section(L"Quillory", {{L"TabNumber", L"0"}, {L"PageCount", L"2"}, {L"TabStyle", std::to_wstring(kStatusBarNoAnimation)}});
        album.section(L"Page1", {{L"PageVer", L"100"}, {L"Label", L"A"}, {L"File", picture.wstring()}, {L"FontColorBk", L"3351057"}});
        album.section(L"Page2", {{L"PageVer", L"100"}, {L"Label", L"B"}, {L"Flag", std::to_wstring(kFlagLocked)}});
        return album.bytes();
    }
    static bool has(const std::wstring& album, const std::wstring& section, const std::wstring& line) {
        return sectionBody(album, section).value_or(L"").find(line + L"\r\n") != std::wstring::npos;
    }
};

TEST_F(PageSettingsTest, ALabelTypedBeforeSwitchingPanelsReachesTheTabAndTheAlbum) {
    HWND stand = start();
    ASSERT_NE(stand, nullptr);
    HWND dialog = openSettings(stand, L"A");
    ASSERT_NE(dialog, nullptr);
    HWND contents = waitForPanelWith(dialog, IDC_CONTENTS_LABEL);
    ASSERT_NE(contents, nullptr);
    ASSERT_TRUE(sendMessage(GetDlgItem(contents, IDC_CONTENTS_LABEL), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Beach")));
    ASSERT_NE(showPanel(dialog, IDM_PANEL_TEXT, IDC_TEXT_FONT), nullptr);
    ASSERT_TRUE(postCommand(dialog, IDOK));
    const std::vector<std::wstring> expected{L"Beach", L"B"};
    EXPECT_EQ(waitForValue([&] { return tabs(stand); }, expected), expected);
    EXPECT_TRUE(has(closedAlbum(stand), L"Page1", L"Label=Beach"));
}

// The keyboard inside a panel, the mouse on the toolbar, then the keyboard again: the new panel
// has the focus, so Esc still closes the dialog.
TEST_F(PageSettingsTest, EscapeClosesTheDialogAfterThePanelWithTheFocusWasLeft) {
    HWND stand = start();
    ASSERT_NE(stand, nullptr);
    HWND dialog = openSettings(stand, L"A");
    ASSERT_NE(dialog, nullptr);
    HWND label = GetDlgItem(waitForPanelWith(dialog, IDC_CONTENTS_LABEL), IDC_CONTENTS_LABEL);
    ASSERT_TRUE(activate(dialog));
    ASSERT_TRUE(pressKeys({VK_MENU, 'L'}));
    ASSERT_EQ(waitForValue([&] { return focusOf(dialog); }, label), label);
    HWND toolbar = GetDlgItem(dialog, IDC_PANEL_TOOLBAR);
    const std::optional<POINT> button = toolbarButtonCentre(toolbar, 3);
    ASSERT_TRUE(button.has_value());
    ASSERT_TRUE(clickInClient(toolbar, *button));
    HWND text = waitForPanelWith(dialog, IDC_TEXT_FONT);
    ASSERT_NE(text, nullptr);
    EXPECT_TRUE(waitUntil([&] { return IsChild(text, focusOf(dialog)); })) << "no control of the new panel has the focus";
    ASSERT_TRUE(pressKeys({VK_ESCAPE}));
    EXPECT_TRUE(waitUntil([&] { return !IsWindow(dialog); }));
    EXPECT_EQ(closeStand(*app_, stand), std::optional<DWORD>(0));
}

TEST_F(PageSettingsTest, CancelPutsTheFitModeShownMeanwhileBack) {
    HWND stand = start();
    ASSERT_NE(stand, nullptr);
    HWND dialog = openSettings(stand, L"A");
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(chooseFitMode(dialog, 3));
    ASSERT_TRUE(closeDialog(dialog, IDCANCEL));
    const std::wstring album = closedAlbum(stand);
    EXPECT_TRUE(has(album, L"Page1", L"PhotoFlag=65728"));
}

TEST_F(PageSettingsTest, SetAsDefaultAnsweredYesGivesNewPagesTheMode) {
    HWND stand = start();
    ASSERT_NE(stand, nullptr);
    HWND dialog = openSettings(stand, L"A");
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(chooseFitMode(dialog, 3));
    ASSERT_TRUE(PostMessageW(waitForPanelWith(dialog, IDC_FIT_MODE), WM_COMMAND, IDC_SET_AS_DEFAULT, 0));
    ASSERT_TRUE(answer({stand, dialog}, IDYES));
    ASSERT_TRUE(closeDialog(dialog, IDOK));
    ASSERT_TRUE(postCommand(stand, IDM_NEW_PAGE));
    const std::vector<std::wstring> three{L"A", L"B", L"Page3"};
    ASSERT_EQ(waitForValue([&] { return tabs(stand); }, three), three);
    const std::wstring album = closedAlbum(stand);
    EXPECT_TRUE(has(album, L"Page-Default", L"PhotoFlag=65731"));
    EXPECT_TRUE(has(album, L"Page3", L"PhotoFlag=65731"));
}

TEST_F(PageSettingsTest, TheLivePicturesInformationAndTheLiveLockReachThePanels) {
    HWND stand = start(albumWithPictureAndLock());
    ASSERT_NE(stand, nullptr);
    HWND dialog = openSettings(stand, L"A");
    ASSERT_NE(dialog, nullptr);
    HWND list = GetDlgItem(showPanel(dialog, IDM_PANEL_IMAGE_INFO, IDC_INFO_LIST), IDC_INFO_LIST);
    std::vector<std::wstring> labels;
    waitUntil([&] { return !(labels = listViewTexts(list, 0).value_or(std::vector<std::wstring>{})).empty(); });
    auto listed = [&](const wchar_t* label) { return std::find(labels.begin(), labels.end(), label) != labels.end(); };
    EXPECT_TRUE(listed(L"撮影日")) << testing::PrintToString(labels);
    EXPECT_FALSE(listed(L"画像更新日")) << "the picture was changed when it was taken";
    EXPECT_FALSE(listed(L"画像加工ソフト"));
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(showPanel(dialog, IDM_PANEL_DISPLAY_SIZE, IDC_FIT_MODE), IDC_FIT_MODE)));
    ASSERT_TRUE(closeDialog(dialog, IDCANCEL));

    ASSERT_TRUE(postCommand(stand, IDM_PAGE_FIRST + 1));
    ASSERT_EQ(waitForValue([&] { return selectedTab(tabControl(stand)); }, std::optional<int>(1)), std::optional<int>(1));
    dialog = openSettings(stand, L"B");
    ASSERT_NE(dialog, nullptr);
    HWND display = waitForPanelWith(dialog, IDC_FIT_MODE);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(display, IDC_FIT_MODE))) << "the locked Page's mode can be changed";
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(display, IDC_SET_AS_DEFAULT)));
    ASSERT_TRUE(closeDialog(dialog, IDCANCEL));
    EXPECT_EQ(closeStand(*app_, stand), std::optional<DWORD>(0));
}

TEST_F(PageSettingsTest, TheColourPanelSetsTheBackgroundAndThePickerLetsGoOfTheMouse) {
    HWND stand = start(albumWithPictureAndLock());
    ASSERT_NE(stand, nullptr);
    HWND view = pageView(stand);
    ASSERT_NE(view, nullptr);
    HWND dialog = openSettings(stand, L"A");
    ASSERT_NE(dialog, nullptr);
    HWND panel = showPanel(dialog, IDM_PANEL_COLOUR, IDC_COLOUR_PICK);
    ASSERT_NE(panel, nullptr);
    auto values = [&] { return windowText(GetDlgItem(panel, IDC_COLOUR_VALUES)); };

    // The background slot, made pure green on the three bars.
    ASSERT_TRUE(sendMessage(GetDlgItem(panel, IDC_COLOUR_SLOT_FIRST + 2), BM_CLICK));
    for (const auto& [k, request] : {std::pair{0, SB_LEFT}, std::pair{1, SB_RIGHT}, std::pair{2, SB_LEFT}}) {
        HWND bar = GetDlgItem(panel, IDC_COLOUR_BAR_FIRST + k);
        ASSERT_TRUE(sendMessage(panel, WM_HSCROLL, static_cast<WPARAM>(request), reinterpret_cast<LPARAM>(bar)));
    }
    EXPECT_EQ(waitForValue(values, kGreen), kGreen);
    HWND swatch = GetDlgItem(panel, IDC_COLOUR_SWATCH_FIRST + 2);
    const RECT swatchArea = clientRectOnScreen(swatch);
    EXPECT_TRUE(waitUntil([&] {
        return looksLike(screenPixel({(swatchArea.left + swatchArea.right) / 2, (swatchArea.top + swatchArea.bottom) / 2})
                             .value_or(CLR_INVALID), RGB(0, 255, 0));
    })) << "the third swatch is not green";

    // いいえ leaves the defaults alone.
    ASSERT_TRUE(PostMessageW(panel, WM_COMMAND, IDC_SET_AS_DEFAULT, 0));
    ASSERT_TRUE(answer({stand, dialog}, IDNO));

    // The picker takes the red of the picture under the pointer, and a right click puts the green back.
    const std::optional<POINT> red = patchOf(clientRectOnScreen(view), kRed);
    ASSERT_TRUE(red.has_value()) << "no red of the picture is in sight";
    HWND pick = GetDlgItem(panel, IDC_COLOUR_PICK);
    ASSERT_TRUE(sendMessage(pick, BM_CLICK));
    ASSERT_TRUE(waitUntil([&] { return !IsWindowEnabled(pick); }));
    ASSERT_TRUE(moveTo(*red));
    EXPECT_TRUE(waitUntil([&] { return values() != kGreen; }));
    EXPECT_EQ(values().substr(0, kPictureRed.size()), kPictureRed) << values();
    ASSERT_TRUE(clickAt(*red, MouseButton::Right));
    EXPECT_TRUE(waitUntil([&] { return IsWindowEnabled(pick) && values() == kGreen; })) << windowText(GetDlgItem(panel, IDC_COLOUR_VALUES));
    ASSERT_TRUE(closeDialog(dialog, IDOK));

    // Esc while picking: afterwards a click selects a tab again.
    dialog = openSettings(stand, L"A");
    ASSERT_NE(dialog, nullptr);
    pick = GetDlgItem(waitForPanelWith(dialog, IDC_COLOUR_PICK), IDC_COLOUR_PICK);
    ASSERT_TRUE(sendMessage(pick, BM_CLICK));
    ASSERT_TRUE(waitUntil([&] { return !IsWindowEnabled(pick); }));
    ASSERT_TRUE(activate(dialog));
    ASSERT_TRUE(pressKeys({VK_ESCAPE}));
    ASSERT_TRUE(waitUntil([&] { return !IsWindow(dialog); }));
    const std::optional<RECT> tabB = tabItemRect(tabControl(stand), 1);
    ASSERT_TRUE(tabB.has_value());
    ASSERT_TRUE(clickInClient(tabControl(stand), {(tabB->left + tabB->right) / 2, (tabB->top + tabB->bottom) / 2}));
    EXPECT_EQ(waitForValue([&] { return selectedTab(tabControl(stand)); }, std::optional<int>(1)), std::optional<int>(1));

    const std::wstring album = closedAlbum(stand);
    EXPECT_TRUE(has(album, L"Page1", L"FontColorBk=" + std::to_wstring(RGB(0, 255, 0))));
    EXPECT_EQ(sectionBody(album, L"Page-Default"), std::nullopt) << "いいえ wrote the defaults";
}

// The shell's folder browser, as the program shapes it, opened from the ContentsPanel.
TEST_F(PageSettingsTest, TheFolderChooserStartsOnThePagesFolderAndCountsItsPictures) {
    const std::filesystem::path trip = sandbox_.file(L"trip");
    ASSERT_TRUE(std::filesystem::create_directories(trip));
    ASSERT_TRUE(std::filesystem::copy_file(fixtureFile(L"quadrants.jpg"), trip / L"a.jpg"));
    ASSERT_TRUE(std::filesystem::copy_file(fixtureFile(L"quadrants.jpg"), trip / L"b.jpg"));
    ASSERT_TRUE(writeFileBytes(trip / L"notes.txt", "not a picture"));
    AlbumText album;
    album.section(L"Quillory", {{L"PageCount", L"1"}, {L"TabStyle", std::to_wstring(kStatusBarNoAnimation)}});
    album.section(L"Page1", {{L"PageVer", L"100"}, {L"Label", L"A"}, {L"File", (trip / L"a.jpg").wstring()}});
    HWND stand = start(album.bytes());
    ASSERT_NE(stand, nullptr);
    HWND dialog = openSettings(stand, L"A");
    ASSERT_NE(dialog, nullptr);
    HWND contents = showPanel(dialog, IDM_PANEL_CONTENTS, IDC_CONTENTS_CHOOSE);
    ASSERT_NE(contents, nullptr);
    ASSERT_TRUE(sendMessage(GetDlgItem(contents, IDC_CONTENTS_FOLDER), BM_CLICK));
    ASSERT_TRUE(PostMessageW(contents, WM_COMMAND, MAKEWPARAM(IDC_CONTENTS_CHOOSE, BN_CLICKED), 0));
    HWND browser = waitForTopLevelWindow({L"#32770", L"pages - \"A\" - 絵のフォルダの選択", app_->id(), true});
    ASSERT_NE(browser, nullptr);
    auto childWithText = [&](const std::wstring& className, const std::wstring& text) {
        for (HWND child : childWindows(browser)) {
            if (windowClass(child) == className && windowText(child) == text) return child;
        }
        return HWND{};
    };
    // The status line is filled last.
    EXPECT_NE(waitFor([&] { return childWithText(L"Static", L"\"trip\" --- 画像ファイル 2 個、"); }), nullptr)
        << "the status line does not count the Page's folder";
    EXPECT_NE(childWithText(L"Button", L"開く"), nullptr);
    // The taller tree leaves both buttons below it, whatever the system calls them.
    const RECT tree = windowRect(FindWindowExW(browser, nullptr, L"SysTreeView32", nullptr));
    for (int button : {IDOK, IDCANCEL}) EXPECT_GE(windowRect(GetDlgItem(browser, button)).top, tree.bottom) << button;
    ASSERT_TRUE(closeDialog(browser, IDCANCEL));
    ASSERT_TRUE(closeDialog(dialog, IDCANCEL));
    EXPECT_EQ(closeStand(*app_, stand), std::optional<DWORD>(0));
}

}  // namespace
}  // namespace quillory::e2e
