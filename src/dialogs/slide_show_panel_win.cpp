// The slide-show panel: every change goes into SlideStyle or SlideInterval at once (a typed
// interval when the person leaves its box); the slide show reads them when it next steps.
#include <array>
#include <memory>

#include "base/window_state_win.h"
#include "dialogs/general_settings_panels_win.h"
#include "dialogs/settings_ranges.h"
#include "resource.h"

namespace quillory {

namespace {

constexpr std::array<TextView, 3> kOrders{u"ランダム(⇔)", u"順番(→)", u"逆順番(←)"};
constexpr std::array<TextView, 9> kEffects{
    u"なし",           u"ランダム(●○■□)", u"八方から、スライド(□⇒■)", u"左から、スライド", u"上から、スライド",
    u"八方から、ロール(□→■)", u"左から、ロール", u"上から、ロール", u"中央(・→●)"};
constexpr std::array<TextView, 6> kEffectTimes{u"スパッ・スパッ・スパッ", u"すばやく", u"普通",
                                               u"少しゆっくり",         u"ゆっくり", u"ゆっ、たりと～"};
constexpr std::array<TextView, 4> kInfos{u"ページの設定通り", u"ラベル表示", u"ラベルと撮影日時を表示", u"表示しない"};

constexpr std::array<int, 12> kSlideShowGroup{IDC_SLIDE_ORDER_CAPTION, IDC_SLIDE_ORDER,       IDC_SLIDE_INTERVAL_CAPTION,
                                              IDC_SLIDE_SECONDS,       IDC_SLIDE_ABOUT,       IDC_SLIDE_INTERVAL,
                                              IDC_SLIDE_INTERVAL_ARROWS, IDC_SLIDE_JITTER,    IDC_SLIDE_EFFECT_CAPTION,
                                              IDC_SLIDE_EFFECT,        IDC_SLIDE_INFO_CAPTION, IDC_SLIDE_INFO};

struct SlideShowPanelState {
    explicit SlideShowPanelState(GeneralSettingsSession& owner) : session(owner) {}
    GeneralSettingsSession& session;
};

void showEnabling(HWND panel, std::uint32_t slideStyle) {
    const SlideShowEnabling enabling = slideShowEnabling(slideStyle);
    for (int id : kSlideShowGroup) enableControl(panel, id, enabling.group);
    enableControl(panel, IDC_SLIDE_EFFECT_TIME_CAPTION, enabling.effectTime);
    enableControl(panel, IDC_SLIDE_EFFECT_TIME, enabling.effectTime);
    ShowWindow(GetDlgItem(panel, IDC_SLIDE_ABOUT), enabling.aboutVisible ? SW_SHOW : SW_HIDE);
}

INT_PTR onInitDialog(HWND panel, SlideShowPanelState& state) {
    const AlbumSettings& settings = state.session.settings();
    const std::uint32_t style = settings.SlideStyle;
    setChecked(panel, (style & SlideOn) != 0 ? IDC_SLIDE_ON : IDC_SLIDE_OFF, true);
    setChecked(panel, IDC_SLIDE_JITTER, (style & SlideJitter) != 0);
    fillList(panel, IDC_SLIDE_ORDER, kOrders, SlideOrder.get(style));
    fillList(panel, IDC_SLIDE_EFFECT, kEffects, SlideEffect.get(style));
    fillList(panel, IDC_SLIDE_EFFECT_TIME, kEffectTimes, SlideEffectTime.get(style));
    fillList(panel, IDC_SLIDE_INFO, kInfos, SlideInfo.get(style));
    setUpDown(panel, IDC_SLIDE_INTERVAL_ARROWS, IDC_SLIDE_INTERVAL, kSlideIntervalRange, settings.SlideInterval);
    showEnabling(panel, style);
    slideInPanel(panel, state.session.host);
    return TRUE;
}

// Only an entry the person picks is stored: a stored index the list does not offer stays.
void storeField(HWND panel, std::uint32_t& style, const BitField& field, int id, int notification) {
    if (notification != CBN_SELCHANGE) return;
    if (const auto entry = selectedEntry(panel, id)) field.set(style, *entry);
}

// A typed interval counts once the person leaves the box (or the panel closes).
void takeTypedInterval(HWND panel, SlideShowPanelState& state) {
    state.session.settings().SlideInterval =
        takeTypedNumber(panel, IDC_SLIDE_INTERVAL_ARROWS, IDC_SLIDE_INTERVAL, kSlideIntervalRange);
}

INT_PTR onCommand(HWND panel, SlideShowPanelState& state, int id, int notification) {
    std::uint32_t& style = state.session.settings().SlideStyle;
    switch (id) {
        case IDC_SLIDE_INTERVAL:
            if (notification == EN_KILLFOCUS) takeTypedInterval(panel, state);
            return TRUE;
        case IDC_SLIDE_ON: style |= SlideOn; break;
        case IDC_SLIDE_OFF: style &= ~SlideOn; break;
        case IDC_SLIDE_JITTER: style = withBits(style, SlideJitter, isChecked(panel, id) ? SlideJitter : 0); break;
        case IDC_SLIDE_ORDER: storeField(panel, style, SlideOrder, id, notification); break;
        case IDC_SLIDE_EFFECT: storeField(panel, style, SlideEffect, id, notification); break;
        case IDC_SLIDE_EFFECT_TIME: storeField(panel, style, SlideEffectTime, id, notification); break;
        case IDC_SLIDE_INFO: storeField(panel, style, SlideInfo, id, notification); break;
        default: return FALSE;  // Enter and Esc belong to the frame
    }
    showEnabling(panel, style);
    return TRUE;
}

void onIntervalArrows(HWND panel, SlideShowPanelState& state) {
    selectAllText(panel, IDC_SLIDE_INTERVAL);
    const LRESULT position = SendDlgItemMessageW(panel, IDC_SLIDE_INTERVAL_ARROWS, UDM_GETPOS32, 0, 0);
    state.session.settings().SlideInterval = kSlideIntervalRange.clamp(static_cast<int>(position));
}

INT_PTR slideShowPanelProc(HWND panel, SlideShowPanelState& state, UINT message, WPARAM wParam, LPARAM lParam) {
    if (const auto brush = panelControlColour(state.session, PanelEdits::SharedBackground, message, wParam, lParam)) return *brush;
    switch (message) {
        case WM_INITDIALOG: return onInitDialog(panel, state);
        case WM_COMMAND: return onCommand(panel, state, LOWORD(wParam), HIWORD(wParam));
        case WM_VSCROLL:
            if (reinterpret_cast<HWND>(lParam) == GetDlgItem(panel, IDC_SLIDE_INTERVAL_ARROWS)) onIntervalArrows(panel, state);
            return TRUE;
        case WM_DESTROY: takeTypedInterval(panel, state); return FALSE;
        default: return FALSE;
    }
}

}  // namespace

HWND createSlideShowPanel(HWND frame, GeneralSettingsSession& session) {
    return createDialogWithState<slideShowPanelProc>(GetModuleHandleW(nullptr), IDD_SLIDE_SHOW_PANEL, frame,
                                                     std::make_unique<SlideShowPanelState>(session));
}

}  // namespace quillory
