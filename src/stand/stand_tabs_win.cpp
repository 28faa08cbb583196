#include "stand/stand_tabs_win.h"

#include <commctrl.h>
#include <windowsx.h>

#include <optional>

#include "album/page_tabs.h"
#include "base/dpi.h"
#include "base/wide_win.h"
#include "base/window_dpi_win.h"
#include "resource.h"
#include "stand/current_page.h"
#include "stand/stand_page_view_win.h"
#include "stand/tab_tooltip.h"

namespace quillory {

namespace {

constexpr UINT_PTR kTabHookId = 1;
constexpr int kMinimumTabWidth = 16;
constexpr int kTabPaddingX = 7;
constexpr int kTabPaddingY = 4;
constexpr int kTooltipWidth = 255;
constexpr int kBalloonControlsVersion = 580;

// The tab under a point of the tab control, if any.
std::optional<int> tabAt(HWND tabs, LPARAM point) {
    TCHITTESTINFO hit{};
    hit.pt = {GET_X_LPARAM(point), GET_Y_LPARAM(point)};
    const auto tab = static_cast<int>(SendMessageW(tabs, TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    if (tab < 0 || (hit.flags & TCHT_ONITEM) == 0) return std::nullopt;
    return tab;
}

// A tab's menu acts on that tab's Page, so the tab is selected first, as a left click would.
void openTabMenu(PhotoStandWindow& stand, int tab, LPARAM point) {
    stand.holdAndStop();
    if (tab != currentTab(stand.facts.album)) showTab(stand, tab, PageViewExit::Cut);
    POINT at{GET_X_LPARAM(point), GET_Y_LPARAM(point)};
    ClientToScreen(stand.tabs, &at);
    stand.openMenu(at);
}

// A single row of tabs that does not fit shows scroll arrows; the wheel steps them.
void scrollTabRow(HWND tabs, short wheelDelta) {
    if (SendMessageW(tabs, TCM_GETROWCOUNT, 0, 0) != 1) return;
    HWND arrows = FindWindowExW(tabs, nullptr, UPDOWN_CLASSW, nullptr);
    if (arrows == nullptr) return;
    int low = 0;
    int high = 0;
    SendMessageW(arrows, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low), reinterpret_cast<LPARAM>(&high));
    int position = static_cast<int>(SendMessageW(arrows, UDM_GETPOS32, 0, 0));
    if (wheelDelta < 0 && position < high) ++position;
    else if (wheelDelta > 0 && position > low) --position;
    else return;
    SendMessageW(tabs, WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, position), 0);
}

LRESULT CALLBACK tabHook(HWND tabs, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    auto& stand = *reinterpret_cast<PhotoStandWindow*>(data);
    switch (message) {
        case WM_LBUTTONDBLCLK:
            if (!tabAt(tabs, lParam)) break;
            stand.openPageSettings();
            return 0;
        case WM_RBUTTONDOWN:
            if (const std::optional<int> tab = tabAt(tabs, lParam)) {
                openTabMenu(stand, *tab, lParam);
                return 0;
            }
            break;
        case WM_MOUSEWHEEL: scrollTabRow(tabs, GET_WHEEL_DELTA_WPARAM(wParam)); break;
        default: break;
    }
    return DefSubclassProc(tabs, message, wParam, lParam);
}

void prepareTooltip(const StartupFacts& facts, HWND tooltip, int dpi) {
    if (tooltip == nullptr) return;
    SendMessageW(tooltip, TTM_SETMAXTIPWIDTH, 0, scaleForDpi(kTooltipWidth, dpi));
    if (facts.CommonControlsVersion >= kBalloonControlsVersion) {
        const LONG_PTR style = GetWindowLongPtrW(tooltip, GWL_STYLE);
        SetWindowLongPtrW(tooltip, GWL_STYLE, (style | TTS_BALLOON) & ~WS_BORDER);
        return;
    }
    const int across = scaleForDpi(3, dpi);
    const int down = scaleForDpi(2, dpi);
    RECT margins{across, down, across, down};
    SendMessageW(tooltip, TTM_SETMARGIN, 0, reinterpret_cast<LPARAM>(&margins));
}

}  // namespace

void prepareTabs(PhotoStandWindow& stand) {
    sizeTabs(stand);
    prepareTooltip(stand.facts, TabCtrl_GetToolTips(stand.tabs), windowDpi(stand.window));
}

void sizeTabs(const PhotoStandWindow& stand) {
    const int dpi = windowDpi(stand.window);
    SendMessageW(stand.tabs, TCM_SETMINTABWIDTH, 0, scaleForDpi(kMinimumTabWidth, dpi));
    SendMessageW(stand.tabs, TCM_SETPADDING, 0, MAKELPARAM(scaleForDpi(kTabPaddingX, dpi), scaleForDpi(kTabPaddingY, dpi)));
}

void fillTabs(PhotoStandWindow& stand) {
    const Album& album = stand.facts.album;
    TabCtrl_DeleteAllItems(stand.tabs);
    int tab = 0;
    for (int page = 0; page < static_cast<int>(album.pages.size()); ++page) {
        if (!isVisiblePage(album, page)) continue;
        Text label = album.pages[static_cast<std::size_t>(page)].Label;
        TCITEMW item{};
        item.mask = TCIF_TEXT | TCIF_PARAM;
        item.pszText = wide(label);
        item.lParam = page;
        TabCtrl_InsertItem(stand.tabs, tab++, &item);
    }
    TabCtrl_SetCurSel(stand.tabs, currentTab(album));
}

void hookTabs(PhotoStandWindow& stand) {
    SetWindowSubclass(stand.tabs, tabHook, kTabHookId, reinterpret_cast<DWORD_PTR>(&stand));
}

void unhookTabs(PhotoStandWindow& stand) {
    RemoveWindowSubclass(stand.tabs, tabHook, kTabHookId);
}

bool isTabTooltip(const PhotoStandWindow& stand, const NMHDR& notice) {
    return notice.code == TTN_GETDISPINFOW && notice.hwndFrom != nullptr && notice.hwndFrom == TabCtrl_GetToolTips(stand.tabs);
}

void onTabTooltip(PhotoStandWindow& stand, NMTTDISPINFOW& request) {
    TCITEMW item{};
    item.mask = TCIF_PARAM;
    if (!TabCtrl_GetItem(stand.tabs, static_cast<int>(request.hdr.idFrom), &item)) return;
    const auto& pages = stand.facts.album.pages;
    if (item.lParam < 0 || item.lParam >= static_cast<LPARAM>(pages.size())) return;
    const PageSettings& page = pages[static_cast<std::size_t>(item.lParam)];
    stand.tooltipText = tabTooltipText(page);
    request.lpszText = wide(stand.tooltipText);
    request.szText[0] = L'\0';
    request.hinst = nullptr;
    SendMessageW(request.hdr.hwndFrom, TTM_SETTIPTEXTCOLOR, page.FontColor, 0);
    SendMessageW(request.hdr.hwndFrom, TTM_SETTIPBKCOLOR, page.FontColorBk, 0);
}

}  // namespace quillory
