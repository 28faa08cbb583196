// The contents panel: the Page's label and comment, folder or file, the picture and the lock.
#include <windows.h>
#include <commctrl.h>

#include <array>
#include <memory>

#include "album/special_folders.h"
#include "base/tooltips_win.h"
#include "base/wide_win.h"
#include "base/window_state_win.h"
#include "dialogs/page_settings_panels_win.h"
#include "dialogs/picture_chooser_win.h"
#include "dialogs/sample_text.h"
#include "resource.h"

namespace quillory {

namespace {

struct ContentsPanelState {
    explicit ContentsPanelState(PageSettingsSession& owner) : session(owner) {}
    PageSettingsSession& session;
    UniqueWindow tooltips;
};

Text controlText(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    Text text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, u'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(control, wide(text), static_cast<int>(text.size()))));
    return text;
}

Text pathDisplay(const PageSettings& page) { return dialogPathText(page.File, winPlatform().folders); }

void enablePictureChoice(HWND panel, bool locked) {
    for (int id : {IDC_CONTENTS_FOLDER, IDC_CONTENTS_FILE, IDC_CONTENTS_CHOOSE}) enableControl(panel, id, !locked);
}

// The tabs' tooltips show the comment; when they cannot break lines, neither may the comment.
void matchCommentToTabTips(HWND panel, const DialogHost& host) {
    HWND tabs = host.standWindow != nullptr ? GetDlgItem(host.standWindow, IDC_TABS) : nullptr;
    HWND tips = tabs != nullptr ? reinterpret_cast<HWND>(SendMessageW(tabs, TCM_GETTOOLTIPS, 0, 0)) : nullptr;
    if (tips == nullptr || SendMessageW(tips, TTM_GETMAXTIPWIDTH, 0, 0) != 0) return;
    HWND comment = GetDlgItem(panel, IDC_CONTENTS_COMMENT);
    const LONG_PTR style = GetWindowLongPtrW(comment, GWL_STYLE);
    SetWindowLongPtrW(comment, GWL_STYLE, style & ~static_cast<LONG_PTR>(ES_MULTILINE | ES_WANTRETURN));
}

INT_PTR onInitDialog(HWND panel, ContentsPanelState& state) {
    PageSettingsSession& session = state.session;
    const PageSettings& page = session.workingPage();
    SetDlgItemTextW(panel, IDC_CONTENTS_LABEL, wide(page.Label));
    SendDlgItemMessageW(panel, IDC_CONTENTS_LABEL, EM_LIMITTEXT, kLabelCapacity, 0);
    SetDlgItemTextW(panel, IDC_CONTENTS_COMMENT, wide(page.Comment));
    SendDlgItemMessageW(panel, IDC_CONTENTS_COMMENT, EM_LIMITTEXT, kCommentCapacity, 0);
    matchCommentToTabTips(panel, session.host);
    setChecked(panel, (page.Flag & FlagFolder) != 0 ? IDC_CONTENTS_FOLDER : IDC_CONTENTS_FILE, true);
    enablePictureChoice(panel, session.locked());
    const Text path = pathDisplay(page);
    SetDlgItemTextW(panel, IDC_CONTENTS_PATH, wide(path));
    setChecked(panel, IDC_CONTENTS_LOCKED, session.locked());
    const std::array<ToolTipPair, 1> tips{{{IDC_CONTENTS_PATH, path}}};
    state.tooltips = addToolTips(panel, tips);
    slideInPanel(panel, session.host);
    return TRUE;
}

void onLockClicked(HWND panel, PageSettingsSession& session) {
    session.workingPage().Flag ^= FlagLocked;
    enablePictureChoice(panel, session.locked());
}

void onChoose(HWND panel, PageSettingsSession& session) {
    PageSettings& page = session.workingPage();
    const bool folder = isChecked(panel, IDC_CONTENTS_FOLDER);
    // Owned by the panel: an owner outside the dialog would leave the dialog usable meanwhile.
    const std::optional<Text> chosen = folder ? chooseFolder(session.app, page, panel, session.host) : chooseFile(session.app, page, panel);
    if (!chosen || !session.givePicture) return;
    session.givePicture(page, *chosen, folder);
    if (folder) session.edit.folderListReplaced = true;
    SetDlgItemTextW(panel, IDC_CONTENTS_PATH, wide(pathDisplay(page)));
}

void storeControls(HWND panel, PageSettingsSession& session) {
    PageSettings& page = session.workingPage();
    page.Label = capped(controlText(panel, IDC_CONTENTS_LABEL), kLabelCapacity);
    page.Comment = capped(controlText(panel, IDC_CONTENTS_COMMENT), kCommentCapacity);
    page.Flag &= ~(FlagLocked | FlagFolder);
    if (isChecked(panel, IDC_CONTENTS_FOLDER)) page.Flag |= FlagFolder;
    if (isChecked(panel, IDC_CONTENTS_LOCKED)) page.Flag |= FlagLocked;
}

INT_PTR onCommand(HWND panel, ContentsPanelState& state, int id) {
    switch (id) {
        case IDC_CONTENTS_LOCKED: onLockClicked(panel, state.session); return TRUE;
        case IDC_CONTENTS_CHOOSE: onChoose(panel, state.session); return TRUE;
        default: return FALSE;
    }
}

INT_PTR contentsPanelProc(HWND panel, ContentsPanelState& state, UINT message, WPARAM wParam, LPARAM lParam) {
    if (const auto brush = panelControlColour(state.session, PanelEdits::SystemColours, message, wParam, lParam)) return *brush;
    switch (message) {
        case WM_INITDIALOG: return onInitDialog(panel, state);
        case WM_COMMAND: return onCommand(panel, state, LOWORD(wParam));
        case WM_DESTROY:
            state.tooltips.reset();
            storeControls(panel, state.session);
            return FALSE;
        default: return FALSE;
    }
}

}  // namespace

HWND createContentsPanel(HWND frame, PageSettingsSession& session) {
    return createDialogWithState<contentsPanelProc>(GetModuleHandleW(nullptr), IDD_CONTENTS_PANEL, frame,
                                                    std::make_unique<ContentsPanelState>(session));
}

}  // namespace quillory
