#include "dialogs/general_settings_dialog_win.h"

#include <array>
#include <memory>

#include "base/window_slide_win.h"
#include "base/window_state_win.h"
#include "dialogs/animate_random_win.h"
#include "dialogs/big_icon_win.h"
#include "dialogs/dialog_placement_win.h"
#include "dialogs/general_settings_panels_win.h"
#include "dialogs/glass_strips_win.h"
#include "dialogs/panel_switcher_win.h"
#include "dialogs/saved_settings.h"
#include "resource.h"

namespace quillory {

namespace {

constexpr int kPageListIndex = 2;

constexpr std::array<PanelButton, 4> kPanelButtons{{
    {IDM_PANEL_SLIDE_SHOW, 1, u"スライドショー", u"スライドショーの設定\nスライドショーの時間、設定"},
    {IDM_PANEL_GENERAL, 0, u"全般", u"全般の設定\nTab、透明度、全般の設定"},
    {IDM_PANEL_PAGE_LIST, 2, u"ページ", u"ページ\nページのマーク、順番の設定"},
    {IDM_PANEL_OTHER, 3, u"その他", u"その他\nその他の設定"},
}};

const PanelToolbarLayout kToolbarLayout{IDB_GENERAL_SETTINGS_PANELS, {5, 16, 88, 250}, {86, 60}, 24, RECT{-3, -3, -4, -4}};

HWND createPanel(HWND frame, GeneralSettingsSession& session, int index) {
    switch (index) {
        case 0: return createSlideShowPanel(frame, session);
        case 1: return createGeneralPanel(frame, session);
        case kPageListIndex: return createPageListPanel(frame, session);
        default: return createOtherPanel(frame, session);
    }
}

struct GeneralSettingsFrame {
    GeneralSettingsFrame(StartupFacts& app, const DialogHost& host, PageListEdit& pageList)
        : session{app, host, pageList, app.album.settings},
          panels(kPanelButtons, app.generalSettingsPanel,
                 [this](HWND frame, int index) { return createPanel(frame, session, index); }) {}

    GeneralSettingsSession session;
    PanelSwitcher panels;
    DialogIcons icons;
    GlassStrips glass;
};

INT_PTR onInitDialog(HWND dialog, GeneralSettingsFrame& frame) {
    GeneralSettingsSession& session = frame.session;
    placeDialogNearStand(dialog, session.host);
    session.frame = dialog;
    session.pageList.PagesChanged = false;
    frame.panels.open(dialog, session.host, kToolbarLayout);
    frame.icons = setDialogIcons(dialog, session.host);
    frame.glass.open(dialog, session.host);
    frame.panels.showFrame(session.host);
    ShowWindow(GetDlgItem(dialog, IDC_BIG_ICON), SW_SHOW);
    return TRUE;
}

// The stand's tabs take the position and rows of TabStyle; a change shows with a slide of the
// tab control, and the PageView is laid out again against it.
void applyTabLayout(const GeneralSettingsSession& session) {
    HWND tabs = session.host.standWindow != nullptr ? GetDlgItem(session.host.standWindow, IDC_TABS) : nullptr;
    if (tabs == nullptr) return;
    const std::uint32_t style = session.app.album.settings.TabStyle;
    const bool changed = tabLayoutChanged(session.savedSettings, session.app.album.settings);
    if (changed) AnimateWindow(tabs, kSlideMilliseconds, AW_SLIDE | AW_HIDE | AW_VER_POSITIVE);
    LONG_PTR tabStyle = GetWindowLongPtrW(tabs, GWL_STYLE) & ~static_cast<LONG_PTR>(TCS_BOTTOM | TCS_MULTILINE);
    if (style & TabBottom) tabStyle |= TCS_BOTTOM;
    if (style & TabMultiLine) tabStyle |= TCS_MULTILINE;
    SetWindowLongPtrW(tabs, GWL_STYLE, tabStyle);
    session.host.showOnStand(StandLook::TabFont);
    if (changed) AnimateWindow(tabs, kSlideMilliseconds, AW_SLIDE | AW_ACTIVATE | AW_VER_POSITIVE);
}

void restoreSaved(GeneralSettingsSession& session) {
    if (restoreSettings(session.savedSettings, session.settings())) applyTranslucency(session.host.standWindow, session.settings());
    session.host.showOnStand(StandLook::TabFont);
    session.host.showOnStand(StandLook::StatusFont);
    cancelPageList(session.pageList);
    session.followTabAnimate();
}

void applyTopmost(const GeneralSettingsSession& session) {
    if (session.host.standWindow == nullptr) return;
    const HWND order = (session.app.album.settings.TabStyle & TabTopmost) != 0 ? HWND_TOPMOST : HWND_NOTOPMOST;
    SetWindowPos(session.host.standWindow, order, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void finish(HWND dialog, GeneralSettingsFrame& frame, bool accepted) {
    GeneralSettingsSession& session = frame.session;
    if (session.app.generalSettingsPanel == kPageListIndex && frame.panels.panel() != nullptr) {
        SendMessageW(frame.panels.panel(), WM_COMMAND, IDM_APPLY_PAGE_LIST, accepted ? 1 : 0);
    }
    frame.panels.closePanel();
    if (accepted) {
        applyTabLayout(session);
    } else {
        restoreSaved(session);
    }
    applyTopmost(session);
    frame.panels.hideFrame(session.host);
    EndDialog(dialog, accepted ? IDOK : IDCANCEL);
}

void onIconClicked(HWND dialog, const GeneralSettingsSession& session) {
    jumpIcon(GetDlgItem(dialog, IDC_BIG_ICON), *session.host.random);
}

INT_PTR onCommand(HWND dialog, GeneralSettingsFrame& frame, int command) {
    switch (command) {
        case IDOK: finish(dialog, frame, true); return TRUE;
        case IDCANCEL: finish(dialog, frame, false); return TRUE;
        case IDC_BIG_ICON: onIconClicked(dialog, frame.session); return TRUE;
        default: return frame.panels.onCommand(command, frame.session.host.tabAnimate) ? TRUE : FALSE;
    }
}

INT_PTR onControlColour(HWND dialog, const GeneralSettingsFrame& frame, HDC dc, HWND control) {
    return reinterpret_cast<INT_PTR>(frame.glass.brush(frame.session.host, dialog, control, dc));
}

INT_PTR generalSettingsProc(HWND dialog, GeneralSettingsFrame& frame, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: return onInitDialog(dialog, frame);
        case WM_COMMAND: return onCommand(dialog, frame, LOWORD(wParam));
        case WM_NOTIFY: return frame.panels.onNotify(*reinterpret_cast<NMHDR*>(lParam));
        case WM_CTLCOLORDLG: return onControlColour(dialog, frame, reinterpret_cast<HDC>(wParam), dialog);
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            return onControlColour(dialog, frame, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_DWMCOMPOSITIONCHANGED: frame.glass.onCompositionChanged(dialog, frame.session.host); return TRUE;
        case WM_TIMER: return frame.glass.onTimer(dialog, wParam) ? TRUE : FALSE;
        default: return FALSE;
    }
}

}  // namespace

int showGeneralSettings(StartupFacts& app, HWND owner, const DialogHost& host, PageListEdit& pageList) {
    const INT_PTR result = showDialogWithState<generalSettingsProc>(GetModuleHandleW(nullptr), IDD_GENERAL_SETTINGS, owner,
                                                                    std::make_unique<GeneralSettingsFrame>(app, host, pageList));
    return result == IDOK ? IDOK : IDCANCEL;
}

}  // namespace quillory
