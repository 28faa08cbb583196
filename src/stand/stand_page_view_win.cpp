#include "stand/stand_page_view_win.h"

#include <commctrl.h>

#include "base/window_slide_win.h"
#include "resource.h"
#include "stand/full_screen_win.h"
#include "stand/current_page.h"
#include "stand/slide_show_win.h"
#include "stand/stand_appearance_win.h"
#include "view/page_view_win.h"

namespace quillory {

namespace {

DWORD exitSlide(const PhotoStandWindow& stand, PageViewExit exit) {
    const bool tabsBelow = (stand.facts.album.settings.TabStyle & TabBottom) != 0;
    const DWORD direction = exit == PageViewExit::TowardTabs && tabsBelow ? AW_VER_POSITIVE : AW_VER_NEGATIVE;
    return AW_SLIDE | AW_HIDE | direction;
}

void selectCurrentTab(PhotoStandWindow& stand) {
    TabCtrl_SetCurSel(stand.tabs, currentTab(stand.facts.album));
}

}  // namespace

void closePageView(PhotoStandWindow& stand, PageViewExit exit) {
    if (stand.pageView == nullptr) return;
    const bool slide = exit != PageViewExit::Cut && (stand.facts.album.settings.TabStyle & TabAnimate) != 0;
    if (slide && IsWindowVisible(stand.pageView)) AnimateWindow(stand.pageView, kSlideMilliseconds, exitSlide(stand, exit));
    DestroyWindow(stand.pageView);
    stand.pageView = nullptr;
}

void openPageView(PhotoStandWindow& stand) {
    StartupFacts& facts = stand.facts;
    const PageViewContext context{.instance = facts.instance, .osVersionCode = static_cast<int>(facts.OsVersionCode),
                                  .gdiplusActive = facts.gdiplusActive, .album = facts.album, .albumFile = *facts.albumFile,
                                  .viewing = stand.viewing};
    stand.pageView = createPageView(context, stand.window, stand);
    // The slide show's first transition can only bring in a surface that is hidden.
    ShowWindow(GetDlgItem(stand.pageView, IDC_PICTURE_SURFACE2), SW_HIDE);
    // Above the tab control, which would otherwise paint its display area over the view.
    SetWindowPos(stand.pageView, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    layoutPageView(stand);
    if (stand.fullScreen.active) layoutFullScreen(stand);
    keepPageViewCompact(stand);
    refreshStatusText(stand);
    // The keys that step through a folder go to the view once the person changed the Page.
    if (GetForegroundWindow() == stand.window) SetFocus(stand.pageView);
}

void showPage(PhotoStandWindow& stand, int page, PageViewExit exit) {
    closePageView(stand, exit);
    makePageCurrent(stand.facts.album, page);
    selectCurrentTab(stand);
    openPageView(stand);
}

void showTab(PhotoStandWindow& stand, int tab, PageViewExit exit) {
    closePageView(stand, exit);
    makeTabCurrent(stand.facts.album, tab);
    selectCurrentTab(stand);
    openPageView(stand);
}

}  // namespace quillory
