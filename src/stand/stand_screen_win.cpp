#include "stand/stand_screen_win.h"

#include "resource.h"
#include "stand/full_screen_win.h"
#include "stand/stand_appearance_win.h"
#include "stand/stand_tabs_win.h"
#include "view/page_view_win.h"

namespace quillory {

namespace {

// The first surface in front, as outside the slide show, showing the Page's picture as it is now.
void showPictureInFront(PhotoStandWindow& stand, bool rescan) {
    StartupFacts& facts = stand.facts;
    stand.viewing.frontSurface = 0;
    ShowWindow(GetDlgItem(stand.pageView, IDC_PICTURE_SURFACE2), SW_HIDE);
    ShowWindow(GetDlgItem(stand.pageView, IDC_PICTURE_SURFACE1), SW_SHOW);
    loadPicture(stand.pageView, facts.album.currentPage, rescan);
    refreshViewBackground(stand.pageView);
}

// The PageView clips its children and the picture surfaces do not repaint themselves when they
// grow, so nothing less than every child of the stand, invalidated down to the surfaces, is
// sure to show what the program now knows.
void repaintStand(const PhotoStandWindow& stand) {
    RedrawWindow(stand.window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

}  // namespace

void applyChanges(PhotoStandWindow& stand, Changes changes) {
    if (changes.has(Change::Translucency)) applyTranslucency(stand.facts, stand.window);
    if (changes.has(Change::Topmost)) applyTopmost(stand.facts, stand.window, /*refreshFrame=*/true);
    if (changes.has(Change::TabLayout)) {
        slideTabsToTheirLayout(stand);
    } else if (changes.has(Change::TabFont)) {
        refreshTabFont(stand);
    }
    if (changes.has(Change::StatusFont)) refreshStatusBar(stand);
    if (changes.has(Change::Layout) && stand.fullScreen.active) {
        layoutFullScreen(stand);
    } else if (changes.has(Change::Layout)) {
        if (stand.statusBar != nullptr) SendMessageW(stand.statusBar, WM_SIZE, 0, 0);
        layoutStand(stand);
    }
    if (changes.has(Change::Tabs)) fillTabs(stand);
    if (stand.pageView != nullptr && (changes.has(Change::Picture) || changes.has(Change::Folder))) {
        showPictureInFront(stand, changes.has(Change::Folder));
    }
    if (changes.repaintsView()) repaintStand(stand);
    if (changes.has(Change::Status) || changes.has(Change::Picture)) refreshStatusText(stand);
    if (changes.has(Change::Menus)) stand.systemMenu.refresh(stand.facts.album);
}

}  // namespace quillory
