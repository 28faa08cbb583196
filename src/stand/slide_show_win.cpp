#include "stand/slide_show_win.h"

#include <commctrl.h>

#include "base/wide_win.h"
#include "base/win_platform_win.h"
#include "resource.h"
#include "stand/compact_window.h"
#include "stand/current_page.h"
#include "stand/slide_history.h"
#include "stand/slide_transition.h"
#include "stand/stand_appearance_win.h"
#include "stand/stand_page_view_win.h"
#include "stand/stand_screen_win.h"
#include "stand/stand_state_win.h"
#include "view/command_ranges_win.h"
#include "view/folder_scan_win.h"
#include "view/page_view_win.h"
#include "view/picture_absence.h"

namespace quillory {

namespace {

constexpr UINT_PTR kSlideTimer = 1;
constexpr UINT kSlidePeriod = 1000;
constexpr DWORD kCompactPlacing = SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED;

Random& slideRandom() { return winPlatform().random; }

void setTitles(const PhotoStandWindow& stand, const Text& title) {
    if (stand.owner != nullptr) stand.owner->standRetitled(title);
    SetWindowTextW(stand.window, wide(title));
}

HWND surfaceOf(HWND pageView, int surface) {
    return GetDlgItem(pageView, surface == 0 ? IDC_PICTURE_SURFACE1 : IDC_PICTURE_SURFACE2);
}

void rememberStyles(PhotoStandWindow& stand) {
    SlideShowWindow& show = stand.slideShow;
    show.standStyle = GetWindowLongPtrW(stand.window, GWL_STYLE);
    show.standExStyle = GetWindowLongPtrW(stand.window, GWL_EXSTYLE);
    show.pageViewStyle = GetWindowLongPtrW(stand.pageView, GWL_STYLE);
    show.pageViewExStyle = GetWindowLongPtrW(stand.pageView, GWL_EXSTYLE);
}

// The PageView with a thin border over the whole frameless stand.
void fillCompactWindow(PhotoStandWindow& stand) {
    const Rect& frame = stand.slideShow.compactFrame;
    SetWindowLongPtrW(stand.pageView, GWL_STYLE, WS_CHILD | WS_VISIBLE | WS_BORDER);
    SetWindowLongPtrW(stand.pageView, GWL_EXSTYLE, 0);
    SetWindowPos(stand.pageView, nullptr, 0, 0, frame.dx, frame.dy, kCompactPlacing);
    layOutPageView(stand.pageView);
}

bool pathExists(const Text& path) {
    return GetFileAttributesW(wide(fullPathName(path).value_or(path))) != INVALID_FILE_ATTRIBUTES;
}

// Only the current folder Page's pictures are listed; another folder Page counts while its folder is there.
SlideShowable showableOn(const PhotoStandWindow& stand) {
    const StartupFacts& facts = stand.facts;
    return [&facts, &stand](const PicturePosition& position) {
        const PageSettings& page = facts.album.pages[static_cast<std::size_t>(position.page)];
        const bool listed = position.page == facts.album.currentPage && (page.Flag & FlagFolder) != 0;
        const Text file = listed ? slidePicturePath(page, position.index, *stand.viewing.folder.list, stand.viewing.folder.count) : Text();
        return canShowPicture(page, file, pathExists);
    };
}

// The next step's picture is decoded while this one shows.
void decodeNextSlideAhead(PhotoStandWindow& stand) {
    if (stand.pageView == nullptr) return;
    const std::optional<PicturePosition> next =
        upcomingSlide(stand.facts.album, stand.slideShow.step, slideRandom(), showableOn(stand));
    if (next) decodeAheadFor(stand.pageView, std::span(&*next, 1));
}

// Only the picture stays: the stand loses caption and frame and sits one pixel around the
// PageView, which keeps its place on the screen.
void enterRunningState(PhotoStandWindow& stand) {
    StartupFacts& facts = stand.facts;
    const PictureNumbering numbering = pictureNumbering(facts.album);
    countPicturesOnDisk(facts.album, facts.gdiplusActive, /*rescan=*/false, *stand.viewing.folder.list);
    forgetHistoryIfRenumbered(facts.album, numbering);
    if (stand.pageView == nullptr) {
        // Without a picture to shrink around, the show stays idle.
        stand.countdown.SlideRunning = false;
        stand.countdown.finishLeaving();
        return;
    }
    // Full screen already shows only the picture: the show runs there as it is.
    stand.slideShow.compact = !stand.fullScreen.active;
    if (!stand.slideShow.compact) {
        setTitles(stand, runningTitle(facts.standTitle));
        decodeNextSlideAhead(stand);
        return;
    }

    ShowWindow(stand.window, SW_HIDE);
    RECT view{};
    GetWindowRect(stand.pageView, &view);
    rememberStyles(stand);
    const CompactPlacement placement = compactPlacement({view.left, view.top, view.right - view.left, view.bottom - view.top});
    SetWindowLongPtrW(stand.window, GWL_STYLE, WS_POPUP | WS_SYSMENU);
    const Rect& frame = placement.standFrame;
    SetWindowPos(stand.window, nullptr, frame.x, frame.y, frame.dx, frame.dy, kCompactPlacing);
    stand.slideShow.compactFrame = frame;
    fillCompactWindow(stand);
    setTitles(stand, runningTitle(facts.standTitle));

    ShowWindow(stand.tabs, SW_HIDE);
    ShowWindow(stand.pageView, SW_SHOWNOACTIVATE);
    UpdateWindow(stand.pageView);
    ShowWindow(stand.window, SW_SHOWNOACTIVATE);
    decodeNextSlideAhead(stand);
}

void restoreStyles(PhotoStandWindow& stand) {
    const SlideShowWindow& show = stand.slideShow;
    SetWindowLongPtrW(stand.pageView, GWL_STYLE, show.pageViewStyle);
    SetWindowLongPtrW(stand.pageView, GWL_EXSTYLE, show.pageViewExStyle);
    SetWindowPos(stand.pageView, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | kCompactPlacing);
    layOutPageView(stand.pageView);
    SetWindowLongPtrW(stand.window, GWL_STYLE, show.standStyle);
    SetWindowLongPtrW(stand.window, GWL_EXSTYLE, show.standExStyle);
    SetWindowPos(stand.window, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | kCompactPlacing);
}

// The window comes back exactly where and as large as the person left it (pulled onto its
// monitor), with tabs, status bar and the first surface in front. CompactLayout is still set,
// so none of these moves counts as the person's geometry.
void leaveRunningState(PhotoStandWindow& stand) {
    StartupFacts& facts = stand.facts;
    stand.viewing.frontSurface = 0;
    if (stand.slideShow.compact) ShowWindow(stand.window, SW_HIDE);
    if (stand.pageView != nullptr) {
        ShowWindow(surfaceOf(stand.pageView, 1), SW_HIDE);
        ShowWindow(surfaceOf(stand.pageView, 0), SW_SHOW);
    }
    setTitles(stand, facts.standTitle);
    if (!stand.slideShow.compact) {
        applyChanges(stand, Change::Picture);
        stand.countdown.finishLeaving();
        return;
    }
    stand.slideShow.compact = false;
    if (stand.pageView != nullptr) restoreStyles(stand);
    clampStandToMonitor(stand);
    applyTranslucency(facts, stand.window);
    ShowWindow(stand.tabs, SW_SHOW);
    ShowWindow(stand.window, SW_SHOW);
    applyChanges(stand, resized() | Change::Picture);
    stand.countdown.finishLeaving();
}

// The file name of the step's picture, as the history keeps it.
Text steppedPicturePath(const PhotoStandWindow& stand, const SlideTarget& target) {
    const PageSettings& page = stand.facts.album.pages[static_cast<std::size_t>(target.position.page)];
    return slidePicturePath(page, target.position.index, *stand.viewing.folder.list, stand.viewing.folder.count);
}

// The next picture is loaded for the hidden surface; the posted transition shows it.
void stepSlideShow(PhotoStandWindow& stand) {
    StartupFacts& facts = stand.facts;
    if (stand.pageView == nullptr) return;
    const std::optional<SlideTarget> target =
        stepSlide(facts.album, stand.slideShow.step, stand.viewing.frontSurface, slideRandom(), showableOn(stand));
    if (!target) return;
    TabCtrl_SetCurSel(stand.tabs, currentTab(facts.album));
    stand.viewing.folder.index = target->position.index;
    loadPicture(stand.pageView, facts.album.currentPage, target->tabChanged);
    refreshViewBackground(stand.pageView);
    recordSlide(facts.album, *target, steppedPicturePath(stand, *target));
    PostMessageW(stand.window, WM_COMMAND, IDM_SLIDE_TRANSITION, 0);
    decodeNextSlideAhead(stand);
}

DWORD directionFlags(SlideDirection direction) {
    switch (direction) {
        case SlideDirection::FromLeft: return AW_HOR_POSITIVE;
        case SlideDirection::FromRight: return AW_HOR_NEGATIVE;
        case SlideDirection::FromTop: return AW_VER_POSITIVE;
        case SlideDirection::FromBottom: return AW_VER_NEGATIVE;
        case SlideDirection::FromTopLeft: return AW_HOR_POSITIVE | AW_VER_POSITIVE;
        case SlideDirection::FromBottomLeft: return AW_HOR_POSITIVE | AW_VER_NEGATIVE;
        case SlideDirection::FromTopRight: return AW_HOR_NEGATIVE | AW_VER_POSITIVE;
        case SlideDirection::FromBottomRight: return AW_HOR_NEGATIVE | AW_VER_NEGATIVE;
        case SlideDirection::Centre: return AW_CENTER;
    }
    return AW_CENTER;
}

// Blocks the window for the effect's duration: the new surface comes in over the old one,
// which then goes at once.
void runTransition(PhotoStandWindow& stand) {
    StartupFacts& facts = stand.facts;
    // A show stopped between the step and this message has already put the first surface in front.
    if (!stand.countdown.SlideRunning || stand.pageView == nullptr) return;
    const SlideTransition transition = chooseTransition(facts.album.settings.SlideStyle, slideRandom());
    const DWORD flags = directionFlags(transition.direction) | (transition.slide ? AW_SLIDE : 0) | AW_ACTIVATE;
    AnimateWindow(surfaceOf(stand.pageView, stand.viewing.frontSurface), static_cast<DWORD>(transition.milliseconds), flags);
    AnimateWindow(surfaceOf(stand.pageView, 1 - stand.viewing.frontSurface), kHideSurfaceMilliseconds, AW_HIDE | AW_HOR_POSITIVE);
}

// A Page change like a menu's, to the Page and folder position the entry names.
void showHistoryEntry(PhotoStandWindow& stand, int entry) {
    StartupFacts& facts = stand.facts;
    const std::optional<PicturePosition> target = historyTarget(facts.album, entry);
    if (!target) return;
    holdAndStop(stand);
    // The leaving PageView stores its own folder position, so the entry's is set after it went.
    closePageView(stand, PageViewExit::Up);
    facts.album.pages[static_cast<std::size_t>(target->page)].FolderFileNo = target->index;
    showPage(stand, target->page, PageViewExit::Cut);
    stand.countdown.resetIdleCountdown();
}

void pauseOrResume(PhotoStandWindow& stand) {
    StartupFacts& facts = stand.facts;
    if (!stand.countdown.togglePause(facts.album.settings, slideRandom())) return;
    setTitles(stand, stand.countdown.SlidePaused ? pausedTitle(facts.standTitle) : runningTitle(facts.standTitle));
}

TickConditions tickConditions(const PhotoStandWindow& stand) {
    TickConditions conditions;
    conditions.modalOpen = stand.modalOpen;
    conditions.menuOpen = stand.menuOpen;
    conditions.minimised = IsIconic(stand.window) != FALSE;
    conditions.uptimeMilliseconds = GetTickCount();
    return conditions;
}

}  // namespace

void startSlideTimer(PhotoStandWindow& stand) { SetTimer(stand.window, kSlideTimer, kSlidePeriod, nullptr); }

INT_PTR onSlideTimer(PhotoStandWindow& stand, WPARAM timer) {
    if (timer != kSlideTimer) return FALSE;
    StartupFacts& facts = stand.facts;
    switch (stand.countdown.tick(facts.album.settings, tickConditions(stand), slideRandom())) {
        case TickAction::EnterRunning: enterRunningState(stand); break;
        case TickAction::Step: stepSlideShow(stand); break;
        case TickAction::Nothing: break;
    }
    return TRUE;
}

void startSlideShowNow(PhotoStandWindow& stand) {
    StartupFacts& facts = stand.facts;
    if (stand.countdown.startNow(facts.album.settings, slideRandom()) != TickAction::EnterRunning) return;
    enterRunningState(stand);
    if (stand.countdown.SlideRunning) SetForegroundWindow(stand.window);
}

void keepPageViewCompact(PhotoStandWindow& stand) {
    if (stand.countdown.SlideRunning && stand.pageView != nullptr) fillCompactWindow(stand);
}

bool runSlideCommand(PhotoStandWindow& stand, WORD command) {
    if (command == IDM_SLIDE_TRANSITION) {
        runTransition(stand);
    } else if (command == IDM_SLIDE_SHOW) {
        stand.facts.album.settings.SlideStyle ^= SlideOn;
    } else if (command == IDM_SLIDE_SHOW_NOW) {
        startSlideShowNow(stand);
    } else if (command == IDM_SLIDE_PAUSE) {
        pauseOrResume(stand);
    } else if (kHistoryCommands.contains(command)) {
        showHistoryEntry(stand, kHistoryCommands.indexOf(command));
    } else {
        return false;
    }
    return true;
}

void holdAndStop(PhotoStandWindow& stand) {
    if (!stand.countdown.holdAndStop()) return;
    if (stand.window == nullptr || stand.windowGone) {
        stand.countdown.finishLeaving();
        return;
    }
    leaveRunningState(stand);
}

}  // namespace quillory
