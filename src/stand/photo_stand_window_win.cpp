#include "stand/photo_stand_window_win.h"

#include <commctrl.h>

#include <ctime>
#include <cstdlib>

#include "album/page_tabs.h"
#include "app/album_location.h"
#include "app/app_state_win.h"
#include "base/gdi_handles_win.h"
#include "base/wide_win.h"
#include "base/window_state_win.h"
#include "dialogs/about_box_win.h"
#include "dialogs/big_icon_win.h"
#include "dialogs/dialog_host_win.h"
#include "resource.h"
#include "stand/current_page.h"

namespace quillory {

namespace {

constexpr int kMinimumWidth = 310;
constexpr int kMinimumHeight = 250;

// What the stand window owns besides the App's shared state.
struct PhotoStandWindow {
    explicit PhotoStandWindow(App& owner) : app(owner) {}
    App& app;
    UniqueIcon bigIcon;
    UniqueIcon smallIcon;
};

HWND tabsOf(HWND stand) { return GetDlgItem(stand, IDC_TABS); }

void fillTabs(const App& app, HWND tabs) {
    TabCtrl_DeleteAllItems(tabs);
    int tab = 0;
    for (int page = 0; page < static_cast<int>(app.album.pages.size()); ++page) {
        if (!isVisiblePage(app.album, page)) continue;
        Text label = app.album.pages[page].Label;
        TCITEMW item{};
        item.mask = TCIF_TEXT | TCIF_PARAM;
        item.pszText = wide(label);
        item.lParam = page;
        TabCtrl_InsertItem(tabs, tab++, &item);
    }
    TabCtrl_SetCurSel(tabs, currentTab(app.album));
}

void layout(HWND stand) {
    RECT client;
    GetClientRect(stand, &client);
    MoveWindow(tabsOf(stand), 0, 0, client.right, client.bottom, TRUE);
}

INT_PTR onInitDialog(HWND window, PhotoStandWindow& stand) {
    App& app = stand.app;
    app.standWindow = window;
    SetWindowTextW(window, wide(standWindowTitle(app.location.name)));
    const AlbumSettings& settings = app.album.settings;
    SetWindowPos(window, nullptr, settings.xPosi, settings.yPosi, settings.xSize, settings.ySize, SWP_NOZORDER | SWP_NOREDRAW);
    HWND tabs = tabsOf(window);
    LONG_PTR tabStyle = GetWindowLongPtrW(tabs, GWL_STYLE) & ~(TCS_BOTTOM | TCS_MULTILINE);
    if (settings.TabStyle & TabBottom) tabStyle |= TCS_BOTTOM;
    if (settings.TabStyle & TabMultiLine) tabStyle |= TCS_MULTILINE;
    SetWindowLongPtrW(tabs, GWL_STYLE, tabStyle);
    fillTabs(app, tabs);
    layout(window);
    stand.bigIcon = loadProgramIcon(32, 32);
    stand.smallIcon = loadProgramIcon(16, 16);
    SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(stand.bigIcon.get()));
    SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(stand.smallIcon.get()));
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    app.countdown.resetIdleCountdown();
    return FALSE;
}

// Runs once per close request; the HostWindow's own close sends a second one, which saves again.
void onClose(HWND window, PhotoStandWindow& stand) {
    App& app = stand.app;
    if (app.hostWindow != nullptr) ShowWindow(app.hostWindow, SW_HIDE);
    app.albumFile->saveAlbumSettings(app.album, /*withCurrentPage=*/true);
    if (app.hostWindow != nullptr) PostMessageW(app.hostWindow, WM_CLOSE, 0, 0);
    DestroyWindow(window);
}

void onDestroy(App& app) { app.standWindow = nullptr; }

bool isNormalPlacement(HWND window) {
    return !IsIconic(window) && !IsZoomed(window);
}

void recordPosition(HWND window, App& app) {
    RECT frame;
    if (!isNormalPlacement(window) || !GetWindowRect(window, &frame)) return;
    app.album.settings.xPosi = frame.left;
    app.album.settings.yPosi = frame.top;
}

void recordSize(HWND window, App& app) {
    RECT frame;
    if (!isNormalPlacement(window) || !GetWindowRect(window, &frame)) return;
    layout(window);
    app.album.settings.xSize = frame.right - frame.left;
    app.album.settings.ySize = frame.bottom - frame.top;
}

void onNotify(HWND window, App& app, const NMHDR& notice) {
    if (notice.idFrom != IDC_TABS || notice.code != TCN_SELCHANGE) return;
    switchStandTab(app, TabCtrl_GetCurSel(tabsOf(window)), false);
}

DialogHost dialogHostOf(const App& app) {
    DialogHost host;
    host.standWindow = app.standWindow;
    host.osVersionCode = static_cast<int>(app.OsVersionCode);
    host.tabAnimate = (app.album.settings.TabStyle & TabAnimate) != 0;
    host.dpiX = static_cast<int>(app.dpiX);
    host.dpiY = static_cast<int>(app.dpiY);
    return host;
}

// Modal dialogs hold the slide show while they are open.
template <typename Dialog>
void runModal(App& app, Dialog dialog) {
    if (app.standWindow != nullptr) UpdateWindow(app.standWindow);
    app.countdown.SlideHold = true;
    app.ModalOpen = true;
    dialog();
    app.ModalOpen = false;
    app.countdown.resetIdleCountdown();
}

void onCommand(HWND window, App& app, WORD command) {
    switch (command) {
        case IDM_EXIT: PostMessageW(window, WM_CLOSE, 0, 0); break;
        case IDM_ABOUT:
            runModal(app, [&] { showAboutBox(window, app.location.path, dialogHostOf(app)); });
            break;
        default: break;
    }
}

INT_PTR photoStandProc(HWND window, PhotoStandWindow& stand, UINT message, WPARAM wParam, LPARAM lParam) {
    App& app = stand.app;
    switch (message) {
        case WM_INITDIALOG: return onInitDialog(window, stand);
        case WM_CLOSE: onClose(window, stand); return TRUE;
        case WM_DESTROY: onDestroy(app); return TRUE;
        case WM_MOVE: recordPosition(window, app); return FALSE;
        case WM_SIZE: recordSize(window, app); app.countdown.resetIdleCountdown(); return FALSE;
        case WM_GETMINMAXINFO: {
            auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
            limits->ptMinTrackSize = {kMinimumWidth, kMinimumHeight};
            return TRUE;
        }
        case WM_NOTIFY: onNotify(window, app, *reinterpret_cast<NMHDR*>(lParam)); return FALSE;
        case WM_COMMAND: onCommand(window, app, LOWORD(wParam)); return FALSE;
        // System-menu items carry the same identifiers as the menu commands.
        case WM_SYSCOMMAND: onCommand(window, app, LOWORD(wParam)); return FALSE;
        default: return FALSE;
    }
}

}  // namespace

HWND createPhotoStandWindow(App& app, HWND owner) {
    return createDialogWithState<photoStandProc>(app.instance, IDD_PHOTOSTAND, owner, std::make_unique<PhotoStandWindow>(app));
}

void switchStandTab(App& app, int tabNumber, bool /*animate*/) {
    app.album.currentPage = tabToPage(app.album, tabNumber);
    if (app.standWindow != nullptr) TabCtrl_SetCurSel(tabsOf(app.standWindow), tabNumber);
}

void switchStandPage(App& app, int page) {
    app.album.currentPage = page;
    if (app.standWindow != nullptr) TabCtrl_SetCurSel(tabsOf(app.standWindow), currentTab(app.album));
}

}  // namespace quillory
