// The general panel: tab position and rows, translucency, animation, taskbar, status bar and the
// tab font. Opacity, translucency and the fonts show on the stand at once, and the dialog's own
// slides follow the animation box at once; the other boxes are stored into TabStyle when the panel
// closes, and the frame applies the tab position on OK.
#include <array>
#include <memory>

#include "base/window_state_win.h"
#include "dialogs/font_list_win.h"
#include "dialogs/general_settings_panels_win.h"
#include "dialogs/settings_ranges.h"
#include "resource.h"

namespace quillory {

namespace {

constexpr std::array<TextView, 4> kStatusFontSizes{u"小", u"中", u"大", u"特大"};

struct BoxBit {
    int id;
    std::uint32_t bit;
};
constexpr std::array<BoxBit, 7> kBoxes{{{IDC_TAB_BOTTOM, TabBottom},
                                        {IDC_TAB_MULTILINE, TabMultiLine},
                                        {IDC_TAB_ANIMATE, TabAnimate},
                                        {IDC_TAB_NO_TASKBAR, TabNoTaskbar},
                                        {IDC_TAB_TOPMOST, TabTopmost},
                                        {IDC_TAB_TRANSLUCENT, TabTranslucent},
                                        {IDC_TAB_STATUS_BAR, TabStatusBar}}};

struct GeneralPanelState {
    explicit GeneralPanelState(GeneralSettingsSession& owner) : session(owner) {}
    GeneralSettingsSession& session;
    unsigned lastStatusFontSize = 0;
};

void enableStatusFont(HWND panel, bool enabled) {
    enableControl(panel, IDC_STATUS_FONT_CAPTION, enabled);
    enableControl(panel, IDC_STATUS_FONT_SIZE, enabled);
}

INT_PTR onInitDialog(HWND panel, GeneralPanelState& state) {
    const AlbumSettings& settings = state.session.settings();
    fillFontList(panel, IDC_TAB_FONT_NAME, settings.TabFontName);
    setUpDown(panel, IDC_TAB_FONT_SIZE_ARROWS, IDC_TAB_FONT_SIZE, kTabFontSizeRange, settings.TabFontSize);
    for (const BoxBit& box : kBoxes) setChecked(panel, box.id, (settings.TabStyle & box.bit) != 0);
    state.lastStatusFontSize = TabStatusFontSize.get(settings.TabStyle);
    fillList(panel, IDC_STATUS_FONT_SIZE, kStatusFontSizes, state.lastStatusFontSize);
    SendDlgItemMessageW(panel, IDC_LAYER_LEVEL, TBM_SETRANGE, FALSE, MAKELPARAM(kLayerLevelRange.low, kLayerLevelRange.high));
    SendDlgItemMessageW(panel, IDC_LAYER_LEVEL, TBM_SETPOS, TRUE, settings.LayerWindowLevel);
    enableStatusFont(panel, (settings.TabStyle & TabStatusBar) != 0);
    slideInPanel(panel, state.session.host);
    return TRUE;
}

// The list shows the stored face, so a pick of any other face, the first included, is a change.
void onFontChosen(HWND panel, GeneralSettingsSession& session) {
    HWND faces = GetDlgItem(panel, IDC_TAB_FONT_NAME);
    const LRESULT selected = SendMessageW(faces, CB_GETCURSEL, 0, 0);
    if (selected == CB_ERR) return;
    const LRESULT length = SendMessageW(faces, CB_GETLBTEXTLEN, static_cast<WPARAM>(selected), 0);
    Text name(static_cast<std::size_t>(length > 0 ? length : 0) + 1, u'\0');
    SendMessageW(faces, CB_GETLBTEXT, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(name.data()));
    name.resize(name.find(u'\0'));
    name = capped(name, kTabFontNameCapacity);
    if (name == session.settings().TabFontName) return;
    session.settings().TabFontName = name;
    session.host.showOnStand(StandLook::TabFont);
    session.host.showOnStand(StandLook::StatusFont);
}

void onStatusFontSizeChosen(HWND panel, GeneralPanelState& state) {
    const std::optional<unsigned> selected = selectedEntry(panel, IDC_STATUS_FONT_SIZE);
    if (!selected || *selected == state.lastStatusFontSize) return;
    TabStatusFontSize.set(state.session.settings().TabStyle, *selected);
    state.session.host.showOnStand(StandLook::StatusFont);
    state.lastStatusFontSize = *selected;
}

void onTranslucentClicked(HWND panel, GeneralSettingsSession& session) {
    AlbumSettings& settings = session.settings();
    settings.TabStyle = withBits(settings.TabStyle, TabTranslucent, isChecked(panel, IDC_TAB_TRANSLUCENT) ? TabTranslucent : 0);
    session.host.showOnStand(StandLook::Translucency);
}

// The next panel switch already slides, or no longer does.
void onAnimateClicked(HWND panel, GeneralSettingsSession& session) {
    AlbumSettings& settings = session.settings();
    settings.TabStyle = withBits(settings.TabStyle, TabAnimate, isChecked(panel, IDC_TAB_ANIMATE) ? TabAnimate : 0);
    session.followTabAnimate();
}

void onStatusBarClicked(HWND panel, GeneralSettingsSession& session) {
    const bool shown = isChecked(panel, IDC_TAB_STATUS_BAR);
    AlbumSettings& settings = session.settings();
    settings.TabStyle = withBits(settings.TabStyle, TabStatusBar, shown ? TabStatusBar : 0);
    enableStatusFont(panel, shown);
}

// A typed size counts once the person leaves the box (or the panel closes).
void takeTypedFontSize(HWND panel, GeneralSettingsSession& session) {
    const int size = takeTypedNumber(panel, IDC_TAB_FONT_SIZE_ARROWS, IDC_TAB_FONT_SIZE, kTabFontSizeRange);
    if (size == session.settings().TabFontSize) return;
    session.settings().TabFontSize = size;
    session.host.showOnStand(StandLook::TabFont);
}

INT_PTR onCommand(HWND panel, GeneralPanelState& state, int id, int notification) {
    switch (id) {
        case IDC_TAB_FONT_SIZE:
            if (notification == EN_KILLFOCUS) takeTypedFontSize(panel, state.session);
            return TRUE;
        case IDC_TAB_FONT_NAME: onFontChosen(panel, state.session); return TRUE;
        case IDC_STATUS_FONT_SIZE: onStatusFontSizeChosen(panel, state); return TRUE;
        case IDC_TAB_TRANSLUCENT: onTranslucentClicked(panel, state.session); return TRUE;
        case IDC_TAB_STATUS_BAR: onStatusBarClicked(panel, state.session); return TRUE;
        case IDC_TAB_ANIMATE: onAnimateClicked(panel, state.session); return TRUE;
        default: return FALSE;
    }
}

// The window never becomes too faint to find again.
void onOpacitySlider(HWND panel, GeneralSettingsSession& session) {
    const LRESULT position = SendDlgItemMessageW(panel, IDC_LAYER_LEVEL, TBM_GETPOS, 0, 0);
    const std::int16_t level = layerLevelFromSlider(static_cast<int>(position));
    if (level != position) SendDlgItemMessageW(panel, IDC_LAYER_LEVEL, TBM_SETPOS, TRUE, level);
    session.settings().LayerWindowLevel = level;
    session.host.showOnStand(StandLook::Translucency);
}

void onFontSizeArrows(HWND panel, GeneralSettingsSession& session) {
    selectAllText(panel, IDC_TAB_FONT_SIZE);
    const LRESULT position = SendDlgItemMessageW(panel, IDC_TAB_FONT_SIZE_ARROWS, UDM_GETPOS32, 0, 0);
    session.settings().TabFontSize = kTabFontSizeRange.clamp(static_cast<int>(position));
    session.host.showOnStand(StandLook::TabFont);
}

void storeBoxes(HWND panel, AlbumSettings& settings) {
    std::uint32_t checked = 0;
    for (const BoxBit& box : kBoxes) {
        if (isChecked(panel, box.id)) checked |= box.bit;
    }
    settings.TabStyle = withBits(settings.TabStyle, kGeneralPanelBits, checked);
}

void onDestroy(HWND panel, GeneralSettingsSession& session) {
    takeTypedFontSize(panel, session);
    storeBoxes(panel, session.settings());
}

INT_PTR generalPanelProc(HWND panel, GeneralPanelState& state, UINT message, WPARAM wParam, LPARAM lParam) {
    if (const auto brush = panelControlColour(state.session, PanelEdits::SystemColours, message, wParam, lParam)) return *brush;
    switch (message) {
        case WM_INITDIALOG: return onInitDialog(panel, state);
        case WM_COMMAND: return onCommand(panel, state, LOWORD(wParam), HIWORD(wParam));
        case WM_HSCROLL:
            if (reinterpret_cast<HWND>(lParam) == GetDlgItem(panel, IDC_LAYER_LEVEL)) onOpacitySlider(panel, state.session);
            return TRUE;
        case WM_VSCROLL:
            if (reinterpret_cast<HWND>(lParam) == GetDlgItem(panel, IDC_TAB_FONT_SIZE_ARROWS)) onFontSizeArrows(panel, state.session);
            return TRUE;
        case WM_DESTROY: onDestroy(panel, state.session); return FALSE;
        default: return FALSE;
    }
}

}  // namespace

HWND createGeneralPanel(HWND frame, GeneralSettingsSession& session) {
    return createDialogWithState<generalPanelProc>(GetModuleHandleW(nullptr), IDD_GENERAL_PANEL, frame,
                                                   std::make_unique<GeneralPanelState>(session));
}

}  // namespace quillory
