// The display size panel: the fit mode, shown on the PageView while it is chosen.
#include <array>
#include <memory>
#include <optional>

#include "base/wide_win.h"
#include "base/window_state_win.h"
#include "dialogs/page_settings_panels_win.h"
#include "resource.h"

namespace quillory {

namespace {

struct FitModeEntry {
    TextView name;
    TextView explanation;
};

constexpr std::array<FitModeEntry, 4> kFitModes{{
    {u"縦・横 短い方に調整", u"画像の縦横比を保ったまま、\n画像全体が見えるように、画像を拡大縮小します。"},
    {u"縦・横 長い方に調整", u"画像の縦横比を保ったまま、\n背景が隠れるように、画像を拡大縮小します。\n画像の一部が隠れます。"},
    {u"縦・横 調整", u"画像の縦横比を変更し、\n画像全体が見えるように、且つ、背景が隠れるように、画像を拡大縮小します。"},
    {u"原寸", u"原寸大で表示します。\nウインドより画像が大きい場合は、画像の一部が隠れます。"},
}};

struct DisplaySizePanelState {
    explicit DisplaySizePanelState(PageSettingsSession& owner) : session(owner) {}
    PageSettingsSession& session;
};

void showExplanation(HWND panel, unsigned mode) {
    const Text text = mode < kFitModes.size() ? Text(kFitModes[mode].explanation) : Text();
    SetDlgItemTextW(panel, IDC_FIT_EXPLANATION, wide(text));
}

// The selected entry; nothing while a stored mode outside the list leaves the box unselected.
std::optional<unsigned> selectedMode(HWND panel) {
    const LRESULT selected = SendDlgItemMessageW(panel, IDC_FIT_MODE, CB_GETCURSEL, 0, 0);
    if (selected == CB_ERR) return std::nullopt;
    return static_cast<unsigned>(selected);
}

void storeMode(HWND panel, PageSettingsSession& session) {
    if (const std::optional<unsigned> mode = selectedMode(panel)) FitModeBits.set(session.workingPage().PhotoFlag, *mode);
}

INT_PTR onInitDialog(HWND panel, DisplaySizePanelState& state) {
    PageSettingsSession& session = state.session;
    for (const FitModeEntry& entry : kFitModes) {
        const Text name(entry.name);
        SendDlgItemMessageW(panel, IDC_FIT_MODE, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(name)));
    }
    const unsigned mode = FitModeBits.get(session.workingPage().PhotoFlag);
    SendDlgItemMessageW(panel, IDC_FIT_MODE, CB_SETCURSEL, mode < kFitModes.size() ? mode : static_cast<WPARAM>(-1), 0);
    showExplanation(panel, mode);
    if (session.locked()) {
        enableControl(panel, IDC_FIT_MODE, false);
        enableControl(panel, IDC_FIT_CAPTION, false);
    }
    slideInPanel(panel, session.host);
    return TRUE;
}

// The live Page takes the mode at once, so the PageView shows it; キャンセル restores it.
void onModeChosen(HWND panel, PageSettingsSession& session) {
    const std::optional<unsigned> chosen = selectedMode(panel);
    if (!chosen) return;
    const unsigned mode = *chosen;
    FitModeBits.set(session.livePage().PhotoFlag, mode);
    if (FitModeBits.get(session.workingPage().PhotoFlag) != mode) {
        session.host.showOnStand(StandLook::FitModePreview);
        FitModeBits.set(session.workingPage().PhotoFlag, mode);
    }
    showExplanation(panel, mode);
}

INT_PTR onCommand(HWND panel, DisplaySizePanelState& state, int id, int notification) {
    switch (id) {
        case IDC_FIT_MODE:
            if (notification == CBN_SELCHANGE) onModeChosen(panel, state.session);
            return TRUE;
        case IDC_SET_AS_DEFAULT: setAsDefault(panel, state.session, DefaultPanel::DisplaySize); return TRUE;
        default: return FALSE;
    }
}

INT_PTR displaySizePanelProc(HWND panel, DisplaySizePanelState& state, UINT message, WPARAM wParam, LPARAM lParam) {
    if (const auto brush = panelControlColour(state.session, PanelEdits::SharedBackground, message, wParam, lParam)) return *brush;
    switch (message) {
        case WM_INITDIALOG: return onInitDialog(panel, state);
        case WM_COMMAND: return onCommand(panel, state, LOWORD(wParam), HIWORD(wParam));
        case WM_DESTROY: storeMode(panel, state.session); return FALSE;
        default: return FALSE;
    }
}

}  // namespace

HWND createDisplaySizePanel(HWND frame, PageSettingsSession& session) {
    return createDialogWithState<displaySizePanelProc>(GetModuleHandleW(nullptr), IDD_DISPLAY_SIZE_PANEL, frame,
                                                       std::make_unique<DisplaySizePanelState>(session));
}

}  // namespace quillory
