// The general settings reached from the stand's menus: what OK and キャンセル leave on the real
// stand, in the album once it is closed, and at the next start.
#include "stand_test.h"

#include "input.h"
#include "resource.h"
#include "settings_dialog_keys.h"

#include <commctrl.h>

#include <string>
#include <vector>

namespace quillory::e2e {
namespace {

constexpr int kTranslucent = 0x4000;
constexpr int kBottomAndStatusBar = 0x10001;
constexpr int kMainAtStart = 0x800000;
constexpr int kUnmarked = 0x2000;
constexpr int kMainPage = 0x8000;

class GeneralSettingsTest : public StandTest {
protected:
    HWND start(const std::vector<AlbumKey>& mainKeys, const std::vector<std::wstring>& labels) {
        AlbumText album;
        std::vector<AlbumKey> keys = mainKeys;
        keys.push_back({L"PageCount", std::to_wstring(labels.size())});
        album.section(L"Quillory", keys);
        for (std::size_t i = 0; i < labels.size(); ++i) {
            album.section(L"Page" + std::to_wstring(i + 1), {{L"PageVer", L"100"}, {L"Label", labels[i]}});
        }
        return startAlbum(L"general", album.bytes());
    }
    HWND restart() { return startStand(L"general"); }
    HWND waitForDialog() { return waitForTopLevelWindow({L"#32770", L"Quillory - 全般設定", app_->id(), true}); }
    static bool click(HWND panel, int id) { return sendMessage(GetDlgItem(panel, id), BM_CLICK).has_value(); }
    static std::wstring key(const std::wstring& album, const std::wstring& section, const std::wstring& name) {
        const std::wstring body = L"\n" + sectionBody(album, section).value_or(L"");
        const std::size_t at = body.find(L"\n" + name + L"=");
        if (at == std::wstring::npos) return L"";
        const std::size_t value = at + name.size() + 2;
        return body.substr(value, body.find(L"\r\n", value) - value);
    }
    static int number(const std::wstring& album, const std::wstring& section, const std::wstring& name) {
        const std::wstring value = key(album, section, name);
        return value.empty() ? -1 : std::stoi(value);
    }
    static BYTE opacity(HWND stand) {
        BYTE alpha = 0;
        DWORD flags = 0;
        return GetLayeredWindowAttributes(stand, nullptr, &alpha, &flags) ? alpha : 0;
    }
};

// From the system menu and from the menu: opacity and interval are live and come back on
// キャンセル; the tab row and the status bar change on OK; the album keeps what was accepted.
TEST_F(GeneralSettingsTest, TheStandShowsWhatOkKeepsAndCancelPutsBack) {
    HWND stand = start({{L"TabStyle", std::to_wstring(kTranslucent)}, {L"LayerWindowLevel", L"200"}, {L"SlideInterval", L"23"}}, {L"A", L"B"});
    ASSERT_NE(stand, nullptr);
    ASSERT_TRUE(PostMessageW(stand, WM_SYSCOMMAND, IDM_GENERAL_SETTINGS, 0));
    HWND dialog = waitForDialog();
    ASSERT_NE(dialog, nullptr);
    HWND general = showPanel(dialog, IDM_PANEL_GENERAL, IDC_LAYER_LEVEL);
    ASSERT_NE(general, nullptr);
    HWND slider = GetDlgItem(general, IDC_LAYER_LEVEL);
    ASSERT_TRUE(sendMessage(slider, TBM_SETPOS, TRUE, 100));
    ASSERT_TRUE(sendMessage(general, WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, 100), reinterpret_cast<LPARAM>(slider)));
    EXPECT_EQ(opacity(stand), 100);
    HWND slides = showPanel(dialog, IDM_PANEL_SLIDE_SHOW, IDC_SLIDE_INTERVAL_ARROWS);
    ASSERT_NE(slides, nullptr);
    HWND arrows = GetDlgItem(slides, IDC_SLIDE_INTERVAL_ARROWS);
    ASSERT_TRUE(sendMessage(arrows, UDM_SETPOS32, 0, 60));
    ASSERT_TRUE(sendMessage(slides, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 60), reinterpret_cast<LPARAM>(arrows)));
    ASSERT_TRUE(closeDialog(dialog, IDCANCEL));
    EXPECT_EQ(opacity(stand), 200);

    // Reopened on the panel shown last.
    ASSERT_TRUE(postCommand(stand, IDM_GENERAL_SETTINGS));
    dialog = waitForDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_NE(waitForPanelWith(dialog, IDC_SLIDE_ORDER), nullptr);
    HWND tabs = tabControl(stand);
    const LONG tabsTop = windowRect(tabs).top;
    HWND view = FindWindowExW(stand, nullptr, L"#32770", nullptr);
    ASSERT_NE(view, nullptr);
    EXPECT_GT(windowRect(view).top - tabsTop, 10) << "the tab row should start above the view";
    general = showPanel(dialog, IDM_PANEL_GENERAL, IDC_TAB_BOTTOM);
    ASSERT_NE(general, nullptr);
    ASSERT_TRUE(click(general, IDC_TAB_BOTTOM));
    ASSERT_TRUE(click(general, IDC_TAB_STATUS_BAR));
    ASSERT_TRUE(closeDialog(dialog, IDOK));
    EXPECT_NE(windowStyle(tabs) & TCS_BOTTOM, 0);
    view = FindWindowExW(stand, nullptr, L"#32770", nullptr);
    ASSERT_NE(view, nullptr);
    EXPECT_LT(windowRect(view).top - windowRect(tabs).top, 10) << "the view should now sit above the tab row";
    // The stand makes the bar and lays itself out once the dialog has gone.
    HWND statusBar = waitFor([&] { return GetDlgItem(stand, IDC_STATUSBAR); });
    ASSERT_NE(statusBar, nullptr);
    EXPECT_TRUE(waitUntil([&] { return windowRect(tabs).bottom <= windowRect(statusBar).top; }))
        << windowRect(tabs).bottom << " > " << windowRect(statusBar).top;

    const std::wstring album = closedAlbum(stand);
    EXPECT_EQ(number(album, L"Quillory", L"TabStyle"), kTranslucent | kBottomAndStatusBar);
    EXPECT_EQ(number(album, L"Quillory", L"LayerWindowLevel"), 200);
    EXPECT_EQ(number(album, L"Quillory", L"SlideInterval"), 23);
}

// The page list gives its tree the focus; a person who then picks another panel with the mouse
// can still close the dialog with Esc, because the new panel has the focus.
TEST_F(GeneralSettingsTest, EscapeClosesTheDialogAfterThePanelWithTheFocusWasLeft) {
    HWND stand = start({}, {L"A", L"B"});
    ASSERT_NE(stand, nullptr);
    ASSERT_TRUE(postCommand(stand, IDM_GENERAL_SETTINGS));
    HWND dialog = waitForDialog();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(activate(dialog));
    HWND list = showPanel(dialog, IDM_PANEL_PAGE_LIST, IDC_PAGE_TREE);
    ASSERT_NE(list, nullptr);
    HWND tree = GetDlgItem(list, IDC_PAGE_TREE);
    ASSERT_EQ(waitForValue([&] { return focusOf(dialog); }, tree), tree);
    HWND toolbar = GetDlgItem(dialog, IDC_PANEL_TOOLBAR);
    const std::optional<POINT> button = toolbarButtonCentre(toolbar, 3);
    ASSERT_TRUE(button.has_value());
    ASSERT_TRUE(clickInClient(toolbar, *button));
    HWND other = waitForPanelWith(dialog, IDC_DOUBLE_CLICK);
    ASSERT_NE(other, nullptr);
    EXPECT_TRUE(waitUntil([&] { return IsChild(other, focusOf(dialog)); })) << "no control of the new panel has the focus";
    ASSERT_TRUE(pressKeys({VK_ESCAPE}));
    EXPECT_TRUE(waitUntil([&] { return !IsWindow(dialog); }));
    EXPECT_EQ(closeStand(*app_, stand), std::optional<DWORD>(0));
}

// The page list edits a copy: キャンセル leaves tabs and album alone; OK brings the new order, hides
// the unmarked Page and saves every Page; the main page chosen opens the next start.
TEST_F(GeneralSettingsTest, ThePageListReachesTheTabsTheAlbumAndTheNextStart) {
    HWND stand = start({{L"TabNumber", L"1"}}, {L"A", L"B", L"C"});
    ASSERT_NE(stand, nullptr);
    const std::optional<Bytes> before = albumBytes(L"general.qalbum");
    ASSERT_TRUE(postCommand(stand, IDM_GENERAL_SETTINGS));
    HWND dialog = waitForDialog();
    ASSERT_NE(dialog, nullptr);
    HWND list = showPanel(dialog, IDM_PANEL_PAGE_LIST, IDC_PAGE_TREE);
    ASSERT_NE(list, nullptr);
    ASSERT_TRUE(click(list, IDC_MOVE_UP));
    ASSERT_TRUE(closeDialog(dialog, IDCANCEL));
    // Read once the stand answers again: its modal loop may still be ending.
    const std::vector<std::wstring> unchanged{L"A", L"B", L"C"};
    EXPECT_EQ(waitForValue([&] { return tabs(stand); }, unchanged), unchanged);
    EXPECT_EQ(albumBytes(L"general.qalbum"), before);

    ASSERT_TRUE(postCommand(stand, IDM_GENERAL_SETTINGS));
    dialog = waitForDialog();
    ASSERT_NE(dialog, nullptr);
    list = waitForPanelWith(dialog, IDC_PAGE_TREE);
    ASSERT_NE(list, nullptr);
    HWND tree = GetDlgItem(list, IDC_PAGE_TREE);
    const std::vector<HTREEITEM> items = treeRoots(tree);
    ASSERT_EQ(items.size(), 3u);
    // The marks arrive after the panel shows; a box unchecked earlier would be checked again.
    ASSERT_EQ(waitForValue([&] { return treeCheck(tree, items[2]); }, std::optional<bool>(true)), std::optional<bool>(true));
    ASSERT_TRUE(click(list, IDC_MOVE_UP));
    ASSERT_TRUE(setTreeCheck(tree, items[2], false));
    ASSERT_TRUE(sendMessage(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(items[0])));
    ASSERT_TRUE(click(list, IDC_SET_MAIN_PAGE));
    ASSERT_TRUE(click(list, IDC_MAIN_AT_START));
    ASSERT_TRUE(closeDialog(dialog, IDOK));
    const std::vector<std::wstring> reordered{L"B", L"A"};
    EXPECT_EQ(waitForValue([&] { return tabs(stand); }, reordered), reordered);
    EXPECT_EQ(waitForValue([&] { return selectedTab(tabControl(stand)); }, std::optional<int>(1)), std::optional<int>(1));

    const std::wstring album = closedAlbum(stand);
    EXPECT_EQ(key(album, L"Page1", L"Label"), L"B");
    EXPECT_EQ(number(album, L"Page1", L"Flag") & kMainPage, kMainPage);
    EXPECT_EQ(key(album, L"Page2", L"Label"), L"A");
    EXPECT_EQ(key(album, L"Page3", L"Label"), L"C");
    EXPECT_EQ(number(album, L"Page3", L"Flag") & kUnmarked, kUnmarked);
    EXPECT_EQ(number(album, L"Quillory", L"TabNumber"), 1);
    EXPECT_EQ(number(album, L"Quillory", L"TabStyle") & kMainAtStart, kMainAtStart);

    stand = restart();
    ASSERT_NE(stand, nullptr);
    EXPECT_EQ(selectedTab(tabControl(stand)), std::optional<int>(0));
    EXPECT_EQ(tabs(stand), reordered);
    EXPECT_EQ(closeStand(*app_, stand), std::optional<DWORD>(0));
}

}  // namespace
}  // namespace quillory::e2e
