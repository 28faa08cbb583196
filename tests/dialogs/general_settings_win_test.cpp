#include "dialogs/general_settings_dialog_win.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <optional>

#include "dialogs/dialog_driver_win.h"
#include "dialogs/gui_objects_win.h"
#include "resource.h"

namespace quillory {
namespace {

using testing::ModalDriver;

HWND panelOf(HWND frame) { return FindWindowExW(frame, nullptr, L"#32770", nullptr); }

void showPanel(HWND frame, int command) { SendMessageW(frame, WM_COMMAND, command, 0); }

void click(HWND dialog, int id) { SendMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

void chooseEntry(HWND panel, int comboId, int entry) {
    SendDlgItemMessageW(panel, comboId, CB_SETCURSEL, static_cast<WPARAM>(entry), 0);
    SendMessageW(panel, WM_COMMAND, MAKEWPARAM(comboId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(GetDlgItem(panel, comboId)));
}

void dragSlider(HWND panel, int position) {
    HWND slider = GetDlgItem(panel, IDC_LAYER_LEVEL);
    SendMessageW(slider, TBM_SETPOS, TRUE, position);
    SendMessageW(panel, WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, position), reinterpret_cast<LPARAM>(slider));
}

void pressArrows(HWND panel, int arrowsId, int position) {
    HWND arrows = GetDlgItem(panel, arrowsId);
    SendMessageW(arrows, UDM_SETPOS32, 0, position);
    SendMessageW(panel, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, position), reinterpret_cast<LPARAM>(arrows));
}

BYTE opacityOf(HWND window) {
    BYTE alpha = 0;
    DWORD flags = 0;
    GetLayeredWindowAttributes(window, nullptr, &alpha, &flags);
    return alpha;
}

std::vector<std::u16string> labels(const std::vector<PageSettings>& pages) {
    std::vector<std::u16string> result;
    for (const PageSettings& page : pages) result.push_back(page.Label);
    return result;
}

// A stand stand-in: a top-level window with the tab control the dialog restyles on OK.
class GeneralSettingsDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        app.instance = GetModuleHandleW(nullptr);
        app.OsVersionCode = 1000;
        for (const char16_t* label : {u"A", u"B", u"C"}) {
            PageSettings page = makeDefaultPage();
            page.Label = label;
            app.album.pages.push_back(page);
        }
        app.album.currentPage = 1;
        app.album.settings.TabStyle = TabTranslucent | TabAnimate;
        app.album.settings.LayerWindowLevel = 200;
        stand = CreateWindowExW(WS_EX_LAYERED, L"STATIC", L"stand", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr, app.instance, nullptr);
        SetLayeredWindowAttributes(stand, 0, 200, LWA_ALPHA);
        tabs = CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 300, 30, stand,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_TABS)), app.instance, nullptr);
        host.standWindow = stand;
        host.osVersionCode = 1000;
    }
    void TearDown() override { DestroyWindow(stand); }

    int run(std::function<void(HWND)> action) {
        ModalDriver driver(std::move(action));
        edit = beginPageList(app.album, 0);
        const int result = showGeneralSettings(app, nullptr, host, edit);
        EXPECT_TRUE(driver.ran());
        return result;
    }

    App app;
    DialogHost host;
    PageListEdit edit;
    HWND stand = nullptr;
    HWND tabs = nullptr;
};

TEST_F(GeneralSettingsDialogTest, EveryPanelOpensFromItsButtonAndTheDialogReopensOnTheLast) {
    const int commands[] = {IDM_PANEL_SLIDE_SHOW, IDM_PANEL_GENERAL, IDM_PANEL_PAGE_LIST, IDM_PANEL_OTHER};
    const int probes[] = {IDC_SLIDE_ORDER, IDC_LAYER_LEVEL, IDC_PAGE_TREE, IDC_DOUBLE_CLICK};
    const char* names[] = {"general_slide_show", "general_general", "general_page_list", "general_other"};
    run([&](HWND frame) {
        EXPECT_EQ(testing::windowText(frame), L"Quillory - 全般設定");
        EXPECT_EQ(SendMessageW(GetDlgItem(frame, IDC_PANEL_TOOLBAR), TB_BUTTONCOUNT, 0, 0), 4);
        EXPECT_EQ(testing::labelsCutShort(GetDlgItem(frame, IDC_PANEL_TOOLBAR)), std::vector<std::wstring>{});
        for (int i = 0; i < 4; ++i) {
            showPanel(frame, commands[i]);
            HWND panel = panelOf(frame);
            ASSERT_NE(panel, nullptr) << names[i];
            EXPECT_NE(GetDlgItem(panel, probes[i]), nullptr) << names[i];
            testing::saveScreenshot(frame, names[i]);
        }
        PostMessageW(frame, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(app.generalSettingsPanel, 3);
    run([&](HWND frame) {
        EXPECT_NE(GetDlgItem(panelOf(frame), IDC_DOUBLE_CLICK), nullptr);
        PostMessageW(frame, WM_COMMAND, IDCANCEL, 0);
    });
}

TEST_F(GeneralSettingsDialogTest, OpacityFollowsTheSliderNeverBelow35AndCancelRestoresIt) {
    app.generalSettingsPanel = 1;
    BYTE whileDragging = 0;
    LRESULT sliderAfterLow = 0;
    const int result = run([&](HWND frame) {
        HWND panel = panelOf(frame);
        dragSlider(panel, 100);
        whileDragging = opacityOf(stand);
        dragSlider(panel, 20);
        sliderAfterLow = SendDlgItemMessageW(panel, IDC_LAYER_LEVEL, TBM_GETPOS, 0, 0);
        EXPECT_EQ(app.album.settings.LayerWindowLevel, 35);
        click(panel, IDC_TAB_TRANSLUCENT);
        EXPECT_FALSE(GetWindowLongPtrW(stand, GWL_EXSTYLE) & WS_EX_LAYERED);
        PostMessageW(frame, WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(whileDragging, 100);
    EXPECT_EQ(sliderAfterLow, 35);
    EXPECT_EQ(app.album.settings.LayerWindowLevel, 200);
    EXPECT_TRUE(app.album.settings.TabStyle & TabTranslucent);
    EXPECT_TRUE(GetWindowLongPtrW(stand, GWL_EXSTYLE) & WS_EX_LAYERED);
    EXPECT_EQ(opacityOf(stand), 200);
}

TEST_F(GeneralSettingsDialogTest, TabsMoveToTheBottomOnOkButNotOnCancel) {
    app.generalSettingsPanel = 1;
    run([&](HWND frame) {
        click(panelOf(frame), IDC_TAB_BOTTOM);
        click(panelOf(frame), IDC_TAB_ANIMATE);
        PostMessageW(frame, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_FALSE(GetWindowLongPtrW(tabs, GWL_STYLE) & TCS_BOTTOM);
    EXPECT_EQ(app.album.settings.TabStyle & (TabBottom | TabAnimate), TabAnimate);
    const int result = run([&](HWND frame) {
        click(panelOf(frame), IDC_TAB_BOTTOM);
        PostMessageW(frame, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_TRUE(GetWindowLongPtrW(tabs, GWL_STYLE) & TCS_BOTTOM);
    EXPECT_TRUE(app.album.settings.TabStyle & TabBottom);
}

TEST_F(GeneralSettingsDialogTest, SlideShowControlsGreyAndTheIntervalComesBackOnCancel) {
    app.generalSettingsPanel = 0;
    app.album.settings.SlideStyle = SlideOn | 0x200;  // an effect, no jitter
    app.album.settings.SlideInterval = 23;
    run([&](HWND frame) {
        HWND panel = panelOf(frame);
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(panel, IDC_SLIDE_ABOUT)));
        click(panel, IDC_SLIDE_JITTER);
        EXPECT_TRUE(IsWindowVisible(GetDlgItem(panel, IDC_SLIDE_ABOUT)));
        pressArrows(panel, IDC_SLIDE_INTERVAL_ARROWS, 60);
        EXPECT_EQ(app.album.settings.SlideInterval, 60);
        chooseEntry(panel, IDC_SLIDE_EFFECT, 0);
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(panel, IDC_SLIDE_EFFECT_TIME)));
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(panel, IDC_SLIDE_ORDER)));
        click(panel, IDC_SLIDE_OFF);
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(panel, IDC_SLIDE_ORDER)));
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(panel, IDC_SLIDE_INTERVAL_ARROWS)));
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(panel, IDC_SLIDE_ON)));
        PostMessageW(frame, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(app.album.settings.SlideInterval, 23);
    EXPECT_EQ(app.album.settings.SlideStyle, SlideOn | 0x200u);
}

TEST_F(GeneralSettingsDialogTest, MovingBUpGivesBACOnOkAndNothingOnCancel) {
    app.generalSettingsPanel = 2;
    auto moveBUp = [&](HWND frame) {
        HWND panel = panelOf(frame);
        EXPECT_EQ(edit.selectedPage, 1);
        click(panel, IDC_MOVE_UP);
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(panel, IDC_MOVE_UP)));
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(panel, IDC_MOVE_DOWN)));
        click(panel, IDC_SET_MAIN_PAGE);
        EXPECT_EQ(testing::itemText(panel, IDC_MAIN_PAGE_NAME), L"\"B\"");
    };
    run([&](HWND frame) {
        moveBUp(frame);
        PostMessageW(frame, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_FALSE(edit.PagesChanged);
    EXPECT_FALSE(commitPageList(app.album, edit));
    EXPECT_EQ(labels(app.album.pages), (std::vector<std::u16string>{u"A", u"B", u"C"}));

    run([&](HWND frame) {
        moveBUp(frame);
        PostMessageW(frame, WM_COMMAND, IDOK, 0);
    });
    ASSERT_TRUE(commitPageList(app.album, edit));
    EXPECT_EQ(labels(app.album.pages), (std::vector<std::u16string>{u"B", u"A", u"C"}));
    EXPECT_TRUE(app.album.pages[0].Flag & FlagMainPage);
}

TEST_F(GeneralSettingsDialogTest, AnUncheckedPageStaysUncheckedAcrossPanelsAndIsUnmarkedOnOk) {
    app.generalSettingsPanel = 2;
    run([&](HWND frame) {
        HWND tree = GetDlgItem(panelOf(frame), IDC_PAGE_TREE);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);  // LoadMarks
        HTREEITEM third = TreeView_GetNextSibling(tree, TreeView_GetNextSibling(tree, TreeView_GetRoot(tree)));
        EXPECT_EQ(TreeView_GetCheckState(tree, third), 1u);  // marked in the record
        TreeView_SetCheckState(tree, third, FALSE);
        showPanel(frame, IDM_PANEL_OTHER);
        showPanel(frame, IDM_PANEL_PAGE_LIST);
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        tree = GetDlgItem(panelOf(frame), IDC_PAGE_TREE);
        third = TreeView_GetNextSibling(tree, TreeView_GetNextSibling(tree, TreeView_GetRoot(tree)));
        EXPECT_FALSE(TreeView_GetCheckState(tree, third));
        PostMessageW(frame, WM_COMMAND, IDOK, 0);
    });
    EXPECT_TRUE(edit.workingPageList[2].Flag & FlagUnmarked);
    EXPECT_FALSE(edit.workingPageList[0].Flag & FlagUnmarked);
}

}  // namespace
}  // namespace quillory
