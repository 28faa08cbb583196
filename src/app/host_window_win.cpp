#include "app/host_window_win.h"

#include <commctrl.h>

#include <memory>
#include <optional>
#include <utility>

#include "album/page_tabs.h"
#include "app/app_state_win.h"
#include "app/host_services_win.h"
#include "app/tab_navigation.h"
#include "base/debug_trace_win.h"
#include "base/wide_win.h"
#include "base/window_state_win.h"
#include "resource.h"
#include "stand/current_page.h"
#include "stand/photo_stand_window_win.h"
#include "stand/stand_appearance_win.h"

namespace quillory {

namespace {

constexpr wchar_t kClassName[] = L"Quillory";
// List and tree views, bars, tabs, up-down, progress, hot key, animate and date controls.
constexpr DWORD kAllControlClasses = 0x1FF;

// Everything the HostWindow owns, released in reverse order when it is destroyed. It owns the
// stand and hears from it as its StandOwner.
struct HostWindow final : StandOwner {
    HostWindow(App& owner, RunWindows& runWindows) : app(owner), windows(runWindows) {}

    void standClosed() override;
    void standGone() override;
    void standRetitled(const Text& title) override;

    App& app;
    RunWindows& windows;
    std::optional<HostServices> services;
};

void HostWindow::standClosed() {
    ShowWindow(windows.host, SW_HIDE);
    PostMessageW(windows.host, WM_CLOSE, 0, 0);
}

void HostWindow::standGone() {
    unmarkAlbumWindow(windows.stand);
    windows.stand = nullptr;
}

void HostWindow::standRetitled(const Text& title) { SetWindowTextW(windows.host, wide(title)); }

void startServices(HostWindow& host) {
    host.app.gdiplusActive = host.services.emplace().gdiplusActive();
    INITCOMMONCONTROLSEX controls{sizeof(controls), kAllControlClasses};
    traceIfFailed(InitCommonControlsEx(&controls), L"InitCommonControlsEx");
}

void showStand(HostWindow& host, HWND window) {
    App& app = host.app;
    const std::uint32_t style = app.album.settings.TabStyle;
    HWND stand = createPhotoStandWindow(app, host, (style & TabNoTaskbar) ? window : nullptr);
    if (stand == nullptr) return;
    host.windows.stand = stand;
    markAlbumWindow(stand, app.albumKey);
    applyTranslucency(app, stand);
    LONG_PTR standStyle = GetWindowLongPtrW(stand, GWL_STYLE);
    standStyle = (style & TabNoTaskbar) ? (standStyle & ~WS_MINIMIZEBOX) : (standStyle | WS_MINIMIZEBOX);
    SetWindowLongPtrW(stand, GWL_STYLE, standStyle);
    ShowWindow(stand, SW_SHOW);
    UpdateWindow(stand);
    SetForegroundWindow(stand);
    applyTopmost(app, stand, /*refreshFrame=*/false);
}

void closeStand(HostWindow& host, bool sessionEnds) {
    HWND stand = std::exchange(host.windows.stand, nullptr);
    host.windows.host = nullptr;
    if (stand != nullptr) closeStandForOwner(stand, sessionEnds);
}

LRESULT onCreate(HWND window, HostWindow& host) {
    host.windows.host = window;
    startServices(host);
    ShowWindow(window, SW_HIDE);
    showStand(host, window);
    // Without its stand the program would run on with nothing to show or close.
    return host.windows.stand == nullptr ? -1 : 0;
}

LRESULT onPaint(HWND window) {
    PAINTSTRUCT paint;
    BeginPaint(window, &paint);
    EndPaint(window, &paint);
    return 0;
}

LRESULT onClose(HWND window, HostWindow& host) {
    closeStand(host, /*sessionEnds=*/false);
    DestroyWindow(window);
    PostQuitMessage(0);
    return 1;
}

void stepTab(const HostWindow& host, int step) {
    const Album& album = host.app.album;
    switchStandTab(host.windows.stand, steppedTabNumber(currentTab(album), step, visibleTabCount(album)));
}

void goToMainPage(const HostWindow& host) {
    const Album& album = host.app.album;
    if (album.pages.empty()) return;
    // A main Page without a tab cannot be shown; the first tab's Page stands in for it.
    const int page = shownPage(album, mainPageIndex(album));
    if (page == album.currentPage) return;
    switchStandPage(host.windows.stand, page);
}

LRESULT onCommand(HostWindow& host, WORD command) {
    if (host.windows.stand == nullptr) return 1;
    switch (command) {
        case IDM_NEXT_TAB: stepTab(host, +1); break;
        case IDM_PREVIOUS_TAB: stepTab(host, -1); break;
        case IDM_MAIN_PAGE: goToMainPage(host); break;
        case IDM_SLIDE_SHOW_NOW:
        case IDM_SLIDE_PAUSE:
        case IDM_FULL_SCREEN:
        case IDM_LEAVE_SHOW: runStandKey(host.windows.stand, command); break;
        default: break;
    }
    return 1;
}

bool isSwallowedSystemCommand(WPARAM command) {
    const WORD id = LOWORD(command);
    return id == SC_SIZE || id == SC_MOVE || id == SC_MINIMIZE || id == SC_MAXIMIZE || id == SC_RESTORE;
}

LRESULT hostWindowProc(HWND window, HostWindow& host, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE: return onCreate(window, host);
        case WM_PAINT: return onPaint(window);
        case WM_CLOSE: return onClose(window, host);
        case WM_QUERYENDSESSION: closeStand(host, /*sessionEnds=*/true); break;
        case WM_COMMAND: return onCommand(host, LOWORD(wParam));
        case WM_SYSCOMMAND:
            if (isSwallowedSystemCommand(wParam)) return 1;
            break;
        default: break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

bool registerHostWindowClass(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = windowProcWithState<hostWindowProc>;
    windowClass.hInstance = instance;
    windowClass.hIcon = static_cast<HICON>(
        traceIfFailed(LoadImageW(instance, MAKEINTRESOURCEW(IDI_QUILLORY), IMAGE_ICON, 32, 32, LR_SHARED), L"LoadImageW (icon 121)"));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    return traceIfFailed(RegisterClassExW(&windowClass), L"RegisterClassExW (Quillory)") != 0;
}

HWND createHostWindow(App& app, RunWindows& windows) {
    const AlbumSettings& settings = app.album.settings;
    StateHandoff handoff(std::make_unique<HostWindow>(app, windows));
    return CreateWindowExW(0, kClassName, wide(app.albumName), WS_POPUP | WS_SYSMENU, settings.xPosi,
                           settings.yPosi + 18, 32, 32, nullptr, nullptr, app.instance, handoff.createParams());
}

}  // namespace quillory
