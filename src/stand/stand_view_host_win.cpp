// What a person does in the PageView and its FolderBar, carried out by the stand.
#include "stand/stand_state_win.h"

#include "base/win_platform_win.h"
#include "base/window_dpi_win.h"
#include "base/window_slide_win.h"
#include "resource.h"
#include "stand/slide_show_win.h"
#include "stand/stand_commands_win.h"
#include "stand/stand_dialogs_win.h"
#include "stand/stand_screen_win.h"
#include "view/popup_menu_win.h"

namespace quillory {

namespace {

// Long enough for the window's return to settle, short enough to pass for the click's own answer.
constexpr UINT kMenuAfterShowMilliseconds = 150;

bool tabAnimate(const StartupFacts& facts) { return (facts.album.settings.TabStyle & TabAnimate) != 0; }

}  // namespace

void PhotoStandWindow::holdAndStop() { quillory::holdAndStop(*this); }

void PhotoStandWindow::actionDone() { countdown.resetIdleCountdown(); }

// A menu opened while its owner is not the foreground window shows behind the window that is
// and still takes the clicks. A window just back from the slide show is still being shown,
// restacked and painted for a moment after its own calls return (the display server carries
// them out in its own time), and may come up over a menu opened meanwhile, leaving it undrawn
// under the window yet taking its clicks. So its menu opens a moment later.
void PhotoStandWindow::openMenu(POINT screenPoint) {
    const bool wasRunning = countdown.SlideRunning;
    holdAndStop();
    if (wasRunning) {
        menuPoint = screenPoint;
        SetTimer(window, kOpenMenuTimer, kMenuAfterShowMilliseconds, nullptr);
        return;
    }
    SetForegroundWindow(window);
    UpdateWindow(window);
    buildPopupMenu({.instance = facts.instance, .album = facts.album, .osVersionCode = facts.OsVersionCode, .dpi = windowDpi(window),
                    .pictureShown = shownPictureFile(facts.album, viewing.folder).has_value(), .fullScreen = fullScreen.active},
                   window, screenPoint);
    // Lets the menu close when the next click lands outside it.
    PostMessageW(window, WM_NULL, 0, 0);
    actionDone();
}

void PhotoStandWindow::openPageSettings() { runStandCommand(*this, IDM_PAGE_SETTINGS); }

// A folder shows from its first picture; the surface fades out and in again with TabAnimate.
void PhotoStandWindow::showDropped(const Text& path, bool isFolder) {
    holdAndStop();
    HWND surface = pageView != nullptr ? GetDlgItem(pageView, IDC_PICTURE_SURFACE1) : nullptr;
    const bool fade = surface != nullptr && tabAnimate(facts);
    if (fade) AnimateWindow(surface, kSlideMilliseconds, AW_HIDE | AW_BLEND);
    giveCurrentPicture(*this, {path, isFolder});
    if (fade) AnimateWindow(surface, kSlideMilliseconds, AW_ACTIVATE | AW_BLEND);
    tellIfSaveFailed(*this);
    actionDone();
}

// The view that took the drop goes with the new Page, so the Page is made once its message is over.
void PhotoStandWindow::addDroppedPage(const Text& path) {
    droppedPath = path;
    PostMessageW(window, kAddDroppedPage, 0, 0);
}

void PhotoStandWindow::stepFolder(StepDirection direction, StepModifiers modifiers) {
    holdAndStop();
    viewing.folder.index = steppedFolderIndex(viewing.folder.index, viewing.folder.count, direction, modifiers);
    applyChanges(*this, Change::Picture | Change::Status);
    actionDone();
}

void PhotoStandWindow::lookChanged() { applyChanges(*this, Change::Look); }

void PhotoStandWindow::pictureArrived() { applyChanges(*this, Change::Picture); }

bool PhotoStandWindow::slideRunning() const { return countdown.SlideRunning; }

void PhotoStandWindow::folderRelisted(const FolderPlace& place) {
    applyChanges(*this, quillory::folderRelisted(facts.album, viewing.folder, place));
}

}  // namespace quillory
