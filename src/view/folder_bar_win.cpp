#include "view/folder_bar_win.h"

#include <dwmapi.h>

#include <array>

#include "base/dialog_font_win.h"
#include "base/dpi.h"
#include "base/gdi_handles_win.h"
#include "base/os_versions.h"
#include "base/tooltips_win.h"
#include "base/wide_win.h"
#include "base/window_dpi_win.h"
#include "base/window_state_win.h"
#include "resource.h"
#include "view/folder_scan_win.h"
#include "view/folder_step.h"

namespace quillory {

namespace {

// Lengths at 96 DPI; the bar grows with the DPI of its monitor.
constexpr int kBarHeight = 51;
constexpr int kButtonWidth = 30;
constexpr int kCounterWidth = 160;
constexpr int kMargin = 3;
constexpr BYTE kBarOpacity = 192;
constexpr int kIconSize = 16;

// What the bar owns; all of it goes with the bar.
struct FolderBarState {
    FolderBarState(HINSTANCE owner, int os, HWND view, FolderBarHost& barHost)
        : instance(owner), osVersionCode(os), pageView(view), host(barHost) {}
    HINSTANCE instance;
    int osVersionCode;
    HWND pageView;
    FolderBarHost& host;
    UniqueIcon nextIcon;
    UniqueIcon backIcon;
    UniqueWindow tooltips;
    UniqueFont counterFont;
    UniqueBrush background;
};

UniqueIcon loadSmallIcon(HINSTANCE instance, int id, int dpi) {
    const int side = scaleForDpi(kIconSize, dpi);
    return UniqueIcon(static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_ICON, side, side, 0)));
}

void putIcon(HWND bar, int button, const UniqueIcon& icon) {
    SendDlgItemMessageW(bar, button, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon.get()));
}

// Where composition runs, the desktop behind the strip shows blurred through it.
void blurBehind(HWND bar, int osVersionCode) {
    BOOL composition = FALSE;
    if (osVersionCode < kWindowsVista || FAILED(DwmIsCompositionEnabled(&composition)) || !composition) return;
    DWM_BLURBEHIND blur{};
    blur.dwFlags = DWM_BB_ENABLE;
    blur.fEnable = TRUE;
    DwmEnableBlurBehindWindow(bar, &blur);
}

void makeTranslucent(HWND bar) {
    SetWindowLongPtrW(bar, GWL_EXSTYLE, GetWindowLongPtrW(bar, GWL_EXSTYLE) | WS_EX_LAYERED);
    SetLayeredWindowAttributes(bar, 0, kBarOpacity, LWA_ALPHA);
}

void refreshCounter(HWND bar, const FolderBarHost& host) {
    const Text counter = folderCounterText(host.folder().index, host.folder().count, host.folder().list->morePictures);
    SetDlgItemTextW(bar, IDC_FOLDER_COUNTER, wide(counter));
}

INT_PTR onInitDialog(HWND bar, FolderBarState& state) {
    const int dpi = windowDpi(bar);
    state.nextIcon = loadSmallIcon(state.instance, IDI_FOLDER_NEXT, dpi);
    state.backIcon = loadSmallIcon(state.instance, IDI_FOLDER_BACK, dpi);
    putIcon(bar, IDC_FOLDER_NEXT, state.nextIcon);
    putIcon(bar, IDC_FOLDER_BACK, state.backIcon);
    const std::array<ToolTipPair, 2> tips{{{IDC_FOLDER_NEXT, u"次へ\n[shift]:+10"}, {IDC_FOLDER_BACK, u"戻る\n[shift]:-10"}}};
    state.tooltips = addToolTips(bar, tips);
    state.counterFont = createDialogFont(bar, {.weight = FW_BOLD});
    if (state.counterFont) SendDlgItemMessageW(bar, IDC_FOLDER_COUNTER, WM_SETFONT, reinterpret_cast<WPARAM>(state.counterFont.get()), FALSE);
    state.background.reset(CreateSolidBrush(RGB(0, 0, 0)));
    blurBehind(bar, state.osVersionCode);
    makeTranslucent(bar);
    refreshCounter(bar, state.host);
    return FALSE;  // the bar never takes the focus
}

StepModifiers heldModifiers() {
    return {.shift = GetKeyState(VK_SHIFT) < 0, .rightButton = GetKeyState(VK_RBUTTON) < 0, .control = GetKeyState(VK_CONTROL) < 0};
}

void step(HWND bar, FolderBarState& state, StepDirection direction) {
    state.host.step(direction, heldModifiers());
    refreshCounter(bar, state.host);
}

SIZE clientSizeOf(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return {client.right, client.bottom};
}

// Centred over the view whose window corner is `corner`.
void centreOver(HWND bar, HWND pageView, POINT corner) {
    const SIZE view = clientSizeOf(pageView);
    const SIZE own = clientSizeOf(bar);
    SetWindowPos(bar, nullptr, corner.x + view.cx / 2 - own.cx / 2, corner.y + view.cy / 2 - own.cy / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR onCommand(HWND bar, FolderBarState& state, WPARAM wParam) {
    switch (LOWORD(wParam)) {
        case IDC_FOLDER_BACK: step(bar, state, StepDirection::Back); break;
        case IDC_FOLDER_NEXT: step(bar, state, StepDirection::Next); break;
        default: return FALSE;
    }
    return TRUE;
}

INT_PTR onMouseWheel(HWND bar, WPARAM wParam) {
    if (const std::optional<StepDirection> direction = wheelStep(GET_WHEEL_DELTA_WPARAM(wParam))) {
        PostMessageW(bar, WM_COMMAND, *direction == StepDirection::Next ? IDC_FOLDER_NEXT : IDC_FOLDER_BACK, 0);
    }
    return TRUE;
}

// A black strip; the counter's text is white on it, or it could not be read.
INT_PTR onControlColour(const FolderBarState& state, HDC dc) {
    SetTextColor(dc, RGB(255, 255, 255));
    SetBkColor(dc, RGB(0, 0, 0));
    return reinterpret_cast<INT_PTR>(state.background.get());
}

void onDestroy(FolderBarState& state) {
    state.tooltips.reset();
    state.nextIcon.reset();
    state.backIcon.reset();
    state.counterFont.reset();
    state.background.reset();
}

INT_PTR folderBarProc(HWND bar, FolderBarState& state, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG: return onInitDialog(bar, state);
        case WM_COMMAND: return onCommand(bar, state, wParam);
        case WM_MOUSEWHEEL: return onMouseWheel(bar, wParam);
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG: return onControlColour(state, reinterpret_cast<HDC>(wParam));
        case WM_DESTROY: onDestroy(state); return FALSE;
        default: return FALSE;
    }
}

}  // namespace

HWND createFolderBar(HINSTANCE instance, int osVersionCode, HWND pageView, FolderBarHost& host) {
    return createDialogWithState<folderBarProc>(instance, IDD_FOLDERBAR, pageView,
                                                std::make_unique<FolderBarState>(instance, osVersionCode, pageView, host));
}

void sizeFolderBar(HWND bar, int width) {
    const int dpi = windowDpi(bar);
    const int barHeight = scaleForDpi(kBarHeight, dpi);
    const int margin = scaleForDpi(kMargin, dpi);
    const int button = scaleForDpi(kButtonWidth, dpi);
    const int counter = scaleForDpi(kCounterWidth, dpi);
    SetWindowPos(bar, nullptr, 0, 0, width, barHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    const int height = barHeight - 2 * margin;
    MoveWindow(GetDlgItem(bar, IDC_FOLDER_BACK), margin, margin, button, height, TRUE);
    MoveWindow(GetDlgItem(bar, IDC_FOLDER_NEXT), width - button - margin, margin, button, height, TRUE);
    MoveWindow(GetDlgItem(bar, IDC_FOLDER_COUNTER), width / 2 - counter / 2, margin, counter, height, TRUE);
}

void placeFolderBar(HWND bar, POINT viewCorner) {
    if (const FolderBarState* state = windowState<FolderBarState>(bar)) centreOver(bar, state->pageView, viewCorner);
}

void refreshFolderBarCounter(HWND bar) {
    if (const FolderBarState* state = windowState<FolderBarState>(bar)) refreshCounter(bar, state->host);
}

}  // namespace quillory
