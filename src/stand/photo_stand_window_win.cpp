#include "stand/photo_stand_window_win.h"

#include <commctrl.h>

#include <cstdlib>
#include <ctime>
#include <memory>
#include <utility>

#include "base/os_versions.h"
#include "base/wide_win.h"
#include "base/win_platform_win.h"
#include "base/window_dpi_win.h"
#include "base/window_slide_win.h"
#include "base/window_state_win.h"
#include "base/big_icon_win.h"
#include "resource.h"
#include "stand/current_page.h"
#include "stand/slide_show_win.h"
#include "stand/stand_appearance_win.h"
#include "stand/stand_commands_win.h"
#include "stand/stand_layout.h"
#include "stand/stand_page_view_win.h"
#include "stand/stand_screen_win.h"
#include "stand/stand_tabs_win.h"
#include "stand/viewing.h"
#include "view/folder_scan_win.h"
#include "view/page_view_win.h"
#include "view/picture_load_win.h"

namespace quillory {

namespace {

void setIcons(PhotoStandWindow& stand) {
    stand.bigIcon = loadProgramIcon(32, 32);
    stand.smallIcon = loadProgramIcon(16, 16);
    SendMessageW(stand.window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(stand.bigIcon.get()));
    SendMessageW(stand.window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(stand.smallIcon.get()));
}

void placeWindow(PhotoStandWindow& stand) {
    const AlbumSettings& settings = stand.facts.album.settings;
    SetWindowPos(stand.window, nullptr, settings.xPosi, settings.yPosi, settings.xSize, settings.ySize,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
    clampStandToMonitor(stand);
    stand.background.install(stand.facts.instance, stand.window);
}

INT_PTR onInitDialog(HWND window, PhotoStandWindow& stand) {
    StartupFacts& facts = stand.facts;
    stand.window = window;
    stand.tabs = GetDlgItem(window, IDC_TABS);
    // Every tabbed Page's FileNum, by which the slide show numbers its pictures.
    countPicturesOnDisk(facts.album, facts.gdiplusActive, /*rescan=*/true, *stand.viewing.folder.list);
    SetWindowTextW(window, wide(facts.standTitle));
    stand.systemMenu.build(facts, window);
    DrawMenuBar(window);
    applyStatusBarSetting(stand);
    placeWindow(stand);
    // The tab control sizes its row when it gets its font, from the padding it has then.
    prepareTabs(stand);
    refreshTabFont(stand);
    applyTabStyle(stand);
    fillTabs(stand);
    layoutStand(stand);
    openPageView(stand);
    hookTabs(stand);
    setIcons(stand);
    startSlideTimer(stand);
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    stand.countdown.resetIdleCountdown();
    if (facts.OsVersionCode >= kWindows81) stand.suspendNotice.emplace(stand.countdown);
    if (animatesStandFrame(facts)) AnimateWindow(window, kSlideMilliseconds, AW_SLIDE | AW_ACTIVATE | AW_VER_POSITIVE);
    applyChanges(stand, resized());
    // Told once the window shows, over it.
    if (facts.albumFile->pagesPastCap() != 0) PostMessageW(window, WM_COMMAND, IDM_PAGES_PAST_CAP, 0);
    return FALSE;
}

// Runs once per close request; the HostWindow's own close sends a second one, which saves again.
INT_PTR onClose(PhotoStandWindow& stand) {
    StartupFacts& facts = stand.facts;
    if (animatesStandFrame(facts)) AnimateWindow(stand.window, kSlideMilliseconds, AW_SLIDE | AW_HIDE | AW_VER_NEGATIVE);
    // The view saves the folder position only when it goes, after this save.
    if (stand.pageView != nullptr) storeFolderPosition(facts.album, stand.viewing.folder);
    facts.albumFile->saveAlbumSettings(facts.album, /*withCurrentPage=*/true);
    unhookTabs(stand);
    if (stand.owner != nullptr) stand.owner->standClosed();
    DestroyWindow(stand.window);
    return TRUE;
}

// The program is ending: the view goes first, and the kept pictures must go before the decoder does.
INT_PTR onDestroy(PhotoStandWindow& stand) {
    if (stand.owner != nullptr) stand.owner->standGone();
    stand.windowGone = true;
    closePageView(stand, PageViewExit::Cut);
    forgetKeptPictures();
    return TRUE;
}

bool recordsGeometry(const PhotoStandWindow& stand) {
    return !IsIconic(stand.window) && !IsZoomed(stand.window) && !stand.fullScreen.active && stand.countdown.recordsGeometry();
}

// Only the person's moves count: the window's own, to and from the slide show's compact window,
// must not end the hold that a click put on the show.
INT_PTR onMove(PhotoStandWindow& stand) {
    RECT frame{};
    if (!recordsGeometry(stand) || !GetWindowRect(stand.window, &frame)) return FALSE;
    stand.facts.album.settings.xPosi = frame.left;
    stand.facts.album.settings.yPosi = frame.top;
    if (stand.pageView != nullptr) placeViewFolderBar(stand.pageView);
    stand.countdown.resetCountdown(stand.facts.album.settings, winPlatform().random);
    return FALSE;
}

INT_PTR onSize(PhotoStandWindow& stand) {
    RECT frame{};
    if (!recordsGeometry(stand) || !GetWindowRect(stand.window, &frame)) return FALSE;
    applyChanges(stand, resized());
    stand.facts.album.settings.xSize = frame.right - frame.left;
    stand.facts.album.settings.ySize = frame.bottom - frame.top;
    stand.countdown.resetIdleCountdown();
    return FALSE;
}

INT_PTR onMinMaxInfo(HWND window, MINMAXINFO& limits) {
    const Size smallest = minimumStandSize(windowDpi(window));
    limits.ptMinTrackSize = {smallest.dx, smallest.dy};
    return TRUE;
}

// Moved onto a monitor of another DPI, or the DPI changed: the window takes the frame the system
// suggests for the new DPI, and fonts and layout follow it. The FolderBar is made anew for the
// same reason.
INT_PTR onDpiChanged(PhotoStandWindow& stand, const RECT& suggested) {
    sizeTabs(stand);
    applyChanges(stand, Change::TabFont | Change::StatusFont);
    SetWindowPos(stand.window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    applyChanges(stand, resized() | Change::Look);
    if (stand.pageView != nullptr) recreateViewFolderBar(stand.pageView);
    return TRUE;
}

INT_PTR onNotify(PhotoStandWindow& stand, NMHDR& notice) {
    if (isTabTooltip(stand, notice)) {
        onTabTooltip(stand, reinterpret_cast<NMTTDISPINFOW&>(notice));
        return TRUE;
    }
    if (notice.hwndFrom != stand.tabs) return FALSE;
    if (notice.code == TCN_SELCHANGING) {
        holdAndStop(stand);
        closePageView(stand, PageViewExit::TowardTabs);
    } else if (notice.code == TCN_SELCHANGE) {
        makeTabCurrent(stand.facts.album, TabCtrl_GetCurSel(stand.tabs));
        openPageView(stand);
        stand.countdown.resetIdleCountdown();
    }
    return FALSE;
}

// A command's lParam is never read: commands may come from other processes.
INT_PTR onCommand(PhotoStandWindow& stand, WPARAM wParam) {
    runStandCommand(stand, LOWORD(wParam));
    return FALSE;
}

// System-menu items carry the command identifiers, and the cursor position.
INT_PTR onSysCommand(PhotoStandWindow& stand, WPARAM wParam) {
    if ((wParam & 0xFFF0) != SC_KEYMENU) runStandCommand(stand, LOWORD(wParam));
    return FALSE;
}

INT_PTR onAddDroppedPage(PhotoStandWindow& stand) {
    if (std::optional<Text> path = std::exchange(stand.droppedPath, std::nullopt)) addDroppedPage(stand, *path);
    return TRUE;
}

INT_PTR onTimer(PhotoStandWindow& stand, WPARAM timer) {
    if (timer != kOpenMenuTimer) return onSlideTimer(stand, timer);
    KillTimer(stand.window, kOpenMenuTimer);
    stand.openMenu(stand.menuPoint);
    return TRUE;
}

// While any menu of the stand is open the slide show waits, however long the menu stays.
INT_PTR onMenuLoop(PhotoStandWindow& stand, bool open) {
    stand.menuOpen = open;
    if (!open) stand.countdown.resetIdleCountdown();
    return FALSE;
}

INT_PTR onControlColour(PhotoStandWindow& stand, HDC dc, HWND control) {
    return reinterpret_cast<INT_PTR>(backgroundForControl(stand.background.brush(), stand.background.patternSize(), stand.window, control, dc));
}

INT_PTR standProc(HWND window, PhotoStandWindow& stand, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: return onInitDialog(window, stand);
        case WM_CLOSE: return onClose(stand);
        case WM_DESTROY: return onDestroy(stand);
        case WM_MOVE: return onMove(stand);
        case WM_SIZE: return onSize(stand);
        case WM_GETMINMAXINFO: return onMinMaxInfo(window, *reinterpret_cast<MINMAXINFO*>(lParam));
        case WM_DPICHANGED: return onDpiChanged(stand, *reinterpret_cast<const RECT*>(lParam));
        case WM_SYSCOLORCHANGE: stand.background.install(stand.facts.instance, window); return FALSE;
        case WM_DISPLAYCHANGE: clampStandToMonitor(stand); return FALSE;
        case WM_TIMER: return onTimer(stand, wParam);
        case WM_NOTIFY: return onNotify(stand, *reinterpret_cast<NMHDR*>(lParam));
        case WM_COMMAND: return onCommand(stand, wParam);
        case WM_SYSCOMMAND: return onSysCommand(stand, wParam);
        case kAddDroppedPage: return onAddDroppedPage(stand);
        case WM_ENTERMENULOOP: return onMenuLoop(stand, true);
        case WM_EXITMENULOOP: return onMenuLoop(stand, false);
        // However the system menu is reached, it must not offer what the current Page forbids.
        case WM_INITMENU: stand.systemMenu.refresh(stand.facts.album); return FALSE;
        case WM_CTLCOLORDLG: return onControlColour(stand, reinterpret_cast<HDC>(wParam), window);
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN: stand.countdown.resetIdleCountdown(); return FALSE;
        case WM_DROPFILES:
            if (stand.pageView != nullptr) SendMessageW(stand.pageView, WM_DROPFILES, wParam, lParam);
            return TRUE;
        default: return FALSE;
    }
}

}  // namespace

HWND createPhotoStandWindow(StartupFacts& facts, StandOwner& owner, HWND ownerWindow) {
    return createDialogWithState<standProc>(facts.instance, IDD_PHOTOSTAND, ownerWindow,
                                            std::make_unique<PhotoStandWindow>(facts, owner));
}

void switchStandTab(HWND standWindow, int tabNumber) {
    PhotoStandWindow& stand = *windowState<PhotoStandWindow>(standWindow);
    showTab(stand, tabNumber, PageViewExit::Up);
    stand.countdown.resetIdleCountdown();
}

void runStandKey(HWND standWindow, WORD command) { runStandCommand(*windowState<PhotoStandWindow>(standWindow), command); }

void switchStandPage(HWND standWindow, int page) {
    PhotoStandWindow& stand = *windowState<PhotoStandWindow>(standWindow);
    showPage(stand, page, PageViewExit::Cut);
    if (stand.pageView != nullptr) InvalidateRect(stand.pageView, nullptr, FALSE);
    stand.countdown.resetIdleCountdown();
}

void closeStandForOwner(HWND standWindow, bool sessionEnds) {
    PhotoStandWindow& stand = *windowState<PhotoStandWindow>(standWindow);
    stand.owner = nullptr;
    if (sessionEnds) stand.countdown.SlideHold = true;
    SendMessageW(standWindow, WM_CLOSE, 0, 0);
}

}  // namespace quillory
