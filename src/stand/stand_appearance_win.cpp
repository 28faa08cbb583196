#include "stand/stand_appearance_win.h"

#include <commctrl.h>

#include "album/special_folders.h"
#include "base/dialog_font_win.h"
#include "base/os_versions.h"
#include "base/wide_win.h"
#include "base/win_platform_win.h"
#include "base/window_dpi_win.h"
#include "base/window_slide_win.h"
#include "base/win_geometry_win.h"
#include "photoinfo/photo_format.h"
#include "resource.h"
#include "stand/compact_window.h"
#include "stand/monitor_clamp.h"
#include "stand/stand_layout.h"

namespace quillory {

namespace {

UniqueFont standFont(HWND stand, const Text& face, int cellHeight) {
    FontChange change;
    change.height = cellHeight;
    change.faceName = face;
    return createDialogFont(stand, change);
}

Text currentLocation(const StartupFacts& facts) {
    const PageSettings* page = currentPageOf(facts.album);
    if (page == nullptr) return Text();
    const PathDisplay display = [](TextView path) {
        return breadcrumbPath(folderLabelPath(path, kPathCapacity, winPlatform().folders), kPathCapacity);
    };
    return locationText(page->File, display);
}

std::optional<int> statusFirstPartHeight(HWND statusBar) {
    RECT part{};
    if (!SendMessageW(statusBar, SB_GETRECT, 0, reinterpret_cast<LPARAM>(&part))) return std::nullopt;
    return part.bottom - part.top;
}

std::optional<int> statusVerticalBorder(HWND statusBar) {
    int borders[3]{};
    if (!SendMessageW(statusBar, SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(borders))) return std::nullopt;
    return borders[1];
}

TabPlacement tabPlacement(HWND tabs) {
    const LONG_PTR style = GetWindowLongPtrW(tabs, GWL_STYLE);
    if (style & TCS_VERTICAL) return TabPlacement::Vertical;
    return (style & TCS_BOTTOM) ? TabPlacement::Bottom : TabPlacement::Top;
}

void splitStatusBar(const PhotoStandWindow& stand) {
    int parts[2] = {statusFirstPartRight(windowDpi(stand.window)), -1};
    SendMessageW(stand.statusBar, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));
}

void createStatusBar(PhotoStandWindow& stand) {
    stand.statusBar = CreateWindowExW(0, STATUSCLASSNAMEW, L" ", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP | CCS_BOTTOM, 0, 0, 0, 0,
                                      stand.window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_STATUSBAR)),
                                      stand.facts.instance, nullptr);
    if (stand.statusBar == nullptr) return;
    splitStatusBar(stand);
}

void destroyStatusBar(PhotoStandWindow& stand) {
    DestroyWindow(stand.statusBar);
    stand.statusBar = nullptr;
    stand.statusFont.reset();
}

}  // namespace

void applyTranslucency(const StartupFacts& facts, HWND stand) {
    if (facts.OsVersionCode < kWindows2000) return;
    const LONG_PTR exStyle = GetWindowLongPtrW(stand, GWL_EXSTYLE);
    if ((facts.album.settings.TabStyle & TabTranslucent) == 0) {
        SetWindowLongPtrW(stand, GWL_EXSTYLE, exStyle & ~WS_EX_LAYERED);
        return;
    }
    SetWindowLongPtrW(stand, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
    SetLayeredWindowAttributes(stand, 0, static_cast<BYTE>(facts.album.settings.LayerWindowLevel & 0xFF), LWA_ALPHA);
}

void applyTopmost(const StartupFacts& facts, HWND stand, bool refreshFrame) {
    const HWND band = (facts.album.settings.TabStyle & TabTopmost) ? HWND_TOPMOST : HWND_NOTOPMOST;
    SetWindowPos(stand, band, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | (refreshFrame ? SWP_FRAMECHANGED : 0));
}

bool animatesStandFrame(const StartupFacts& facts) {
    return facts.OsVersionCode < kWindowsVista && (facts.album.settings.TabStyle & TabAnimate) != 0;
}

void applyTabStyle(PhotoStandWindow& stand) {
    const std::uint32_t tabStyle = stand.facts.album.settings.TabStyle;
    LONG_PTR style = GetWindowLongPtrW(stand.tabs, GWL_STYLE) & ~(TCS_BOTTOM | TCS_MULTILINE);
    if (tabStyle & TabBottom) style |= TCS_BOTTOM;
    if (tabStyle & TabMultiLine) style |= TCS_MULTILINE;
    SetWindowLongPtrW(stand.tabs, GWL_STYLE, style);
}

void slideTabsToTheirLayout(PhotoStandWindow& stand) {
    AnimateWindow(stand.tabs, kSlideMilliseconds, AW_SLIDE | AW_HIDE | AW_VER_POSITIVE);
    applyTabStyle(stand);
    refreshTabFont(stand);
    AnimateWindow(stand.tabs, kSlideMilliseconds, AW_SLIDE | AW_ACTIVATE | AW_VER_POSITIVE);
}

void applyStatusBarSetting(PhotoStandWindow& stand) {
    const bool wanted = (stand.facts.album.settings.TabStyle & TabStatusBar) != 0;
    if (wanted == (stand.statusBar != nullptr)) return;
    if (wanted) {
        createStatusBar(stand);
        refreshStatusBar(stand);
        // A new bar places itself at the bottom only when told the size of its parent.
        if (stand.statusBar != nullptr) SendMessageW(stand.statusBar, WM_SIZE, 0, 0);
    } else {
        destroyStatusBar(stand);
    }
    layoutStand(stand);
}

void refreshStatusBar(PhotoStandWindow& stand) {
    if (stand.statusBar == nullptr) return;
    const AlbumSettings& settings = stand.facts.album.settings;
    splitStatusBar(stand);
    UniqueFont font = standFont(stand.window, settings.TabFontName, statusFontHeight(settings.TabStyle, windowDpi(stand.window)));
    if (!font) return;
    SendMessageW(stand.statusBar, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    stand.statusFont = std::move(font);
    refreshStatusText(stand);
}

void refreshStatusText(PhotoStandWindow& stand) {
    if (stand.statusBar == nullptr) return;
    const Text location = currentLocation(stand.facts);
    SendMessageW(stand.statusBar, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(wide(location)));
}

void refreshTabFont(PhotoStandWindow& stand) {
    const AlbumSettings& settings = stand.facts.album.settings;
    UniqueFont font = standFont(stand.window, settings.TabFontName, scaleForDpi(settings.TabFontSize, windowDpi(stand.window)));
    if (font) {
        SendMessageW(stand.tabs, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
        stand.tabFont = std::move(font);
    }
    layoutPageView(stand);
}

void layoutStand(PhotoStandWindow& stand) {
    RECT client{};
    GetClientRect(stand.window, &client);
    int statusHeight = 0;
    if (stand.statusBar != nullptr) {
        statusHeight = statusBarHeight(statusFirstPartHeight(stand.statusBar), statusVerticalBorder(stand.statusBar));
    }
    const Rect tabs = tabControlRect({client.right, client.bottom}, statusHeight, windowDpi(stand.window));
    MoveWindow(stand.tabs, tabs.x, tabs.y, tabs.dx, tabs.dy, FALSE);
    layoutPageView(stand);
    InvalidateRect(stand.window, nullptr, TRUE);
}

void layoutPageView(PhotoStandWindow& stand) {
    if (stand.pageView == nullptr) return;
    RECT display{};
    GetClientRect(stand.tabs, &display);
    SendMessageW(stand.tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    // The display area in the stand's coordinates, where its child the PageView is placed.
    MapWindowPoints(stand.tabs, stand.window, reinterpret_cast<POINT*>(&display), 2);
    const Rect view = pageViewRect(fromRECT(display), tabPlacement(stand.tabs), windowDpi(stand.window));
    MoveWindow(stand.pageView, view.x, view.y, view.dx, view.dy, FALSE);
    layOutPageView(stand.pageView);
}

void clampStandToMonitor(PhotoStandWindow& stand) {
    const AlbumSettings& settings = stand.facts.album.settings;
    // The running show's window stays compact: the stored geometry is the one it goes back to.
    const bool compact = stand.countdown.SlideRunning;
    const Rect window = compact ? stand.slideShow.compactFrame : storedGeometry(settings);
    const Point origin = clampedWindowOrigin(window, {settings.xSize, settings.ySize}, monitorAround(window));
    if (compact) stand.slideShow.compactFrame = {origin.x, origin.y, window.dx, window.dy};
    SetWindowPos(stand.window, nullptr, origin.x, origin.y, window.dx, window.dy, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
}

}  // namespace quillory
