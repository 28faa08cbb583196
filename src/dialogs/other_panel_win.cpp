// The other panel: new Pages from drops, folder order by shooting date and the double-click
// action, stored into TabStyle when the panel closes.
#include <array>
#include <memory>

#include "base/window_state_win.h"
#include "dialogs/general_settings_panels_win.h"
#include "dialogs/settings_ranges.h"
#include "resource.h"

namespace quillory {

namespace {

constexpr std::array<TextView, 3> kDoubleClickActions{u"ページ設定", u"写真情報表示切り替え", u"ファイルを開く"};

struct OtherPanelState {
    explicit OtherPanelState(GeneralSettingsSession& owner) : session(owner) {}
    GeneralSettingsSession& session;
};

INT_PTR onInitDialog(HWND panel, OtherPanelState& state) {
    const std::uint32_t style = state.session.settings().TabStyle;
    setChecked(panel, IDC_DROP_NEW_PAGE, (style & TabDropNewPage) != 0);
    setChecked(panel, IDC_SORT_BY_DATE, (style & TabSortByDate) != 0);
    fillList(panel, IDC_DOUBLE_CLICK, kDoubleClickActions, TabDoubleClick.get(style));
    slideInPanel(panel, state.session.host);
    return TRUE;
}

void storeControls(HWND panel, AlbumSettings& settings) {
    std::uint32_t checked = 0;
    if (isChecked(panel, IDC_DROP_NEW_PAGE)) checked |= TabDropNewPage;
    if (isChecked(panel, IDC_SORT_BY_DATE)) checked |= TabSortByDate;
    settings.TabStyle = withBits(settings.TabStyle, kOtherPanelBits, checked);
    if (const auto action = selectedEntry(panel, IDC_DOUBLE_CLICK)) TabDoubleClick.set(settings.TabStyle, *action);
}

INT_PTR otherPanelProc(HWND panel, OtherPanelState& state, UINT message, WPARAM wParam, LPARAM lParam) {
    if (const auto brush = panelControlColour(state.session, PanelEdits::SystemColours, message, wParam, lParam)) return *brush;
    switch (message) {
        case WM_INITDIALOG: return onInitDialog(panel, state);
        case WM_DESTROY: storeControls(panel, state.session.settings()); return FALSE;
        default: return FALSE;
    }
}

}  // namespace

HWND createOtherPanel(HWND frame, GeneralSettingsSession& session) {
    return createDialogWithState<otherPanelProc>(GetModuleHandleW(nullptr), IDD_OTHER_PANEL, frame,
                                                 std::make_unique<OtherPanelState>(session));
}

}  // namespace quillory
