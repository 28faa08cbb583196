#include "stand/full_screen_win.h"

#include "resource.h"
#include "stand/slide_show_win.h"
#include "stand/stand_screen_win.h"
#include "stand/stand_state_win.h"

namespace quillory {

namespace {

constexpr LONG_PTR kFrameStyles = WS_CAPTION | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
constexpr UINT kPlacing = SWP_NOZORDER | SWP_FRAMECHANGED | SWP_NOACTIVATE;

RECT monitorOf(HWND window) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
    return monitor.rcMonitor;
}

void showParts(const PhotoStandWindow& stand, bool show) {
    ShowWindow(stand.tabs, show ? SW_SHOW : SW_HIDE);
    if (stand.statusBar != nullptr) ShowWindow(stand.statusBar, show && stand.fullScreen.statusBarShown ? SW_SHOW : SW_HIDE);
}

void enterFullScreen(PhotoStandWindow& stand) {
    FullScreenState& state = stand.fullScreen;
    // The compact window is not the stand to come back to: the show leaves it first.
    const bool showWasRunning = stand.countdown.SlideRunning;
    holdAndStop(stand);
    state.style = GetWindowLongPtrW(stand.window, GWL_STYLE);
    state.exStyle = GetWindowLongPtrW(stand.window, GWL_EXSTYLE);
    GetWindowRect(stand.window, &state.frame);
    state.statusBarShown = stand.statusBar != nullptr && IsWindowVisible(stand.statusBar);
    state.active = true;
    showParts(stand, false);
    const RECT monitor = monitorOf(stand.window);
    SetWindowLongPtrW(stand.window, GWL_STYLE, (state.style & ~kFrameStyles) | WS_POPUP);
    SetWindowPos(stand.window, nullptr, monitor.left, monitor.top, monitor.right - monitor.left, monitor.bottom - monitor.top, kPlacing);
    applyChanges(stand, Change::Layout);
    if (showWasRunning) startSlideShowNow(stand);
}

}  // namespace

void toggleFullScreen(PhotoStandWindow& stand) {
    if (stand.fullScreen.active) {
        leaveFullScreen(stand);
    } else {
        enterFullScreen(stand);
    }
}

void leaveFullScreen(PhotoStandWindow& stand) {
    FullScreenState& state = stand.fullScreen;
    if (!state.active) return;
    holdAndStop(stand);
    SetWindowLongPtrW(stand.window, GWL_STYLE, state.style);
    SetWindowLongPtrW(stand.window, GWL_EXSTYLE, state.exStyle);
    const RECT& frame = state.frame;
    SetWindowPos(stand.window, nullptr, frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top, kPlacing);
    showParts(stand, true);
    // Only now: the moves back are the window's own, not the person's geometry.
    state.active = false;
    applyChanges(stand, Change::Layout);
}

void layoutFullScreen(PhotoStandWindow& stand) {
    if (stand.pageView == nullptr) return;
    RECT client{};
    GetClientRect(stand.window, &client);
    SetWindowPos(stand.pageView, HWND_TOP, 0, 0, client.right, client.bottom, SWP_NOACTIVATE);
    layOutPageView(stand.pageView);
}

}  // namespace quillory
