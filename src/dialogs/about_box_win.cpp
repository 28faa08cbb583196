#include "dialogs/about_box_win.h"

#include <shellapi.h>

#include <algorithm>
#include <array>

#include "album/special_folders.h"
#include "base/debug_trace_win.h"
#include "base/dialog_font_win.h"
#include "base/tooltips_win.h"
#include "base/wide_win.h"
#include "base/window_slide_win.h"
#include "base/window_state_win.h"
#include "dialogs/about_text.h"
#include "dialogs/animate_random_win.h"
#include "base/big_icon_win.h"
#include "dialogs/dialog_placement_win.h"
#include "dialogs/glass_strips_win.h"
#include "dialogs/system_probe_win.h"
#include "base/win_geometry_win.h"
#include "resource.h"

namespace quillory {

namespace {

constexpr wchar_t kHomePage[] = L"https://quillory.example.org/";
constexpr std::size_t kDisplayCapacity = 260;
constexpr COLORREF kTitleColour = 0xC24040;
constexpr COLORREF kLinkColour = 0xE82020;
constexpr int kTitleHeight = 35;
constexpr int kTitleWeight = 900;
constexpr int kLinkHeight = 18;
constexpr int kUnlimited = 0x7FFF;

struct AboutBoxState {
    const Text& albumPath;
    const DialogHost& host;
    UniqueFont titleFont;
    UniqueFont linkFont;
    DialogIcons icons;
    UniqueWindow tooltips;
    HCURSOR hand = nullptr;  // shared, never freed
    GlassStrips glass;
};

Text albumDisplayText(const Text& albumPath) {
    return breadcrumbPath(folderLabelPath(albumPath, kDisplayCapacity, winPlatform().folders), kDisplayCapacity);
}

CompilerVersion thisCompiler() {
    return {textFromUtf8("MinGW-w64 GCC " __VERSION__), __GNUC__, __GNUC_MINOR__, __GNUC_PATCHLEVEL__, 0};
}

void setText(HWND dialog, int id, const Text& text) { SetDlgItemTextW(dialog, id, wide(text)); }

void fillLines(HWND dialog, const Text& albumDisplay) {
    setText(dialog, IDC_ABOUT_BUILD, buildLine(__DATE__, __TIME__));
    setText(dialog, IDC_ABOUT_ALBUM, albumDisplay);
    SetDlgItemTextW(dialog, IDC_HOME_LINK, kHomePage);
    setText(dialog, IDC_ABOUT_SYSTEM, systemLine(querySystemVersion(), bitnessText(probeBitness(), sizeof(void*) == 8)));
    setText(dialog, IDC_ABOUT_COMPILER, compilerLine(thisCompiler()));
}

Text windowTextOf(HWND window) {
    Text text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, u'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, wide(text), static_cast<int>(text.size()))));
    return text;
}

// A control as large as its text in its font, at its place. The link then shows the hand cursor
// only over the address, and the big title neither wraps nor runs under the OK button when the
// system substitutes a wider face.
void fitToText(HWND dialog, int id, HFONT font, int widthLimit) {
    HWND control = GetDlgItem(dialog, id);
    const Text text = windowTextOf(control);
    WindowDc dc(control);
    SelectedObject selected(dc.get(), font);
    SIZE extent{};
    if (!GetTextExtentPoint32W(dc.get(), wide(text), static_cast<int>(text.size()), &extent)) return;
    SetWindowPos(control, nullptr, 0, 0, std::min<int>(extent.cx, widthLimit), extent.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void setControlFont(HWND dialog, int control, HFONT font) {
    SendDlgItemMessageW(dialog, control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

// The dialog's face changed as asked, set on the control, which is made as large as its text.
UniqueFont fittedFont(HWND dialog, int id, const FontChange& change, int widthLimit) {
    UniqueFont font = createDialogFont(dialog, change);
    if (font) {
        setControlFont(dialog, id, font.get());
        fitToText(dialog, id, font.get(), widthLimit);
    }
    return font;
}

void makeFonts(HWND dialog, AboutBoxState& state) {
    FontChange title;
    title.height = state.host.scaledX(kTitleHeight);
    title.weight = kTitleWeight;
    const int titleLimit = childRect(dialog, GetDlgItem(dialog, IDOK)).x - childRect(dialog, GetDlgItem(dialog, IDC_ABOUT_TITLE)).x;
    state.titleFont = fittedFont(dialog, IDC_ABOUT_TITLE, title, titleLimit);
    if (state.titleFont) setControlFont(dialog, IDOK, state.titleFont.get());
    FontChange link;
    link.height = state.host.scaledX(kLinkHeight);
    link.underline = true;
    state.linkFont = fittedFont(dialog, IDC_HOME_LINK, link, kUnlimited);
}

INT_PTR onInitDialog(HWND dialog, AboutBoxState& state) {
    placeDialogNearStand(dialog, state.host);
    const Text albumDisplay = albumDisplayText(state.albumPath);
    fillLines(dialog, albumDisplay);
    state.icons = setDialogIcons(dialog, state.host.dpiX, state.host.dpiY);
    makeFonts(dialog, state);
    state.hand = static_cast<HCURSOR>(traceIfFailed(
        LoadImageW(GetModuleHandleW(nullptr), L"handcur", IMAGE_CURSOR, 0, 0, LR_SHARED | LR_DEFAULTSIZE), L"LoadImageW (handcur)"));
    state.glass.open(dialog, state.host);
    const std::array<ToolTipPair, 2> tips{{{IDC_HOME_LINK, u"作者のホームページを表示"}, {IDC_ABOUT_ALBUM, albumDisplay}}};
    state.tooltips = addToolTips(dialog, tips);
    if (state.host.animatesFrames()) {
        AnimateWindow(dialog, kSlideMilliseconds, AW_SLIDE | AW_ACTIVATE | AW_VER_POSITIVE);
        InvalidateRect(dialog, nullptr, TRUE);
    }
    ShowWindow(GetDlgItem(dialog, IDC_BIG_ICON), SW_SHOW);
    return TRUE;
}

void close(HWND dialog, const AboutBoxState& state) {
    if (state.host.animatesFrames()) AnimateWindow(dialog, kSlideMilliseconds, AW_SLIDE | AW_HIDE | AW_VER_NEGATIVE);
    EndDialog(dialog, IDOK);
}

INT_PTR onCommand(HWND dialog, AboutBoxState& state, int id, int notification) {
    switch (id) {
        case IDOK:
        case IDCANCEL: close(dialog, state); return TRUE;
        case IDC_BIG_ICON:
            if (notification == STN_CLICKED) jumpIcon(GetDlgItem(dialog, IDC_BIG_ICON), *state.host.random);
            return TRUE;
        case IDC_HOME_LINK:
            if (notification == STN_CLICKED) ShellExecuteW(dialog, nullptr, kHomePage, nullptr, nullptr, SW_SHOW);
            return TRUE;
        default: return FALSE;
    }
}

INT_PTR onControlColour(HWND dialog, const AboutBoxState& state, HDC dc, HWND control) {
    const int id = GetDlgCtrlID(control);
    if (id == IDC_ABOUT_TITLE) SetTextColor(dc, kTitleColour);
    if (id == IDC_HOME_LINK) SetTextColor(dc, kLinkColour);
    return reinterpret_cast<INT_PTR>(state.glass.brush(state.host, dialog, control, dc));
}

INT_PTR onSetCursor(HWND dialog, const AboutBoxState& state, HWND under) {
    if (under != GetDlgItem(dialog, IDC_HOME_LINK) || state.hand == nullptr) return FALSE;
    SetCursor(state.hand);
    SetWindowLongPtrW(dialog, DWLP_MSGRESULT, TRUE);
    return TRUE;
}

INT_PTR aboutBoxProc(HWND dialog, AboutBoxState& state, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: return onInitDialog(dialog, state);
        case WM_COMMAND: return onCommand(dialog, state, LOWORD(wParam), HIWORD(wParam));
        case WM_CTLCOLORDLG: return onControlColour(dialog, state, reinterpret_cast<HDC>(wParam), dialog);
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            return onControlColour(dialog, state, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_SETCURSOR: return onSetCursor(dialog, state, reinterpret_cast<HWND>(wParam));
        case WM_DWMCOMPOSITIONCHANGED: state.glass.onCompositionChanged(dialog, state.host); return TRUE;
        case WM_TIMER: return state.glass.onTimer(dialog, wParam) ? TRUE : FALSE;
        case WM_DESTROY: state.tooltips.reset(); return FALSE;
        default: return FALSE;
    }
}

}  // namespace

int showAboutBox(HWND owner, const Text& albumPath, const DialogHost& host) {
    // The dialog frees its fonts, icons and tooltips after its controls are gone.
    showDialogWithState<aboutBoxProc>(GetModuleHandleW(nullptr), IDD_ABOUT, owner,
                                      std::make_unique<AboutBoxState>(albumPath, host));
    return IDOK;
}

}  // namespace quillory
