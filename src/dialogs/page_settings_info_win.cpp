// The image information panel: what is known about the picture the PageView shows, read-only.
#include <windows.h>
#include <commctrl.h>
#include <uxtheme.h>

#include <memory>

#include "base/wide_win.h"
#include "base/window_state_win.h"
#include "dialogs/image_info_lines.h"
#include "dialogs/page_settings_panels_win.h"
#include "dialogs/sample_text.h"
#include "view/shown_picture_win.h"
#include "resource.h"

namespace quillory {

namespace {

constexpr int kLabelWidth = 93;
constexpr int kTextWidth = 365;

struct ImageInfoPanelState {
    explicit ImageInfoPanelState(PageSettingsSession& owner) : session(owner) {}
    PageSettingsSession& session;
};

void addColumn(HWND list, int index, int width) {
    LVCOLUMNW column{};
    column.mask = LVCF_FMT | LVCF_WIDTH;
    column.fmt = LVCFMT_LEFT;
    column.cx = width;
    SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column));
}

void addLine(HWND list, int index, InfoLine& line) {
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = index;
    item.pszText = wide(line.label);
    SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    item.iSubItem = 1;
    item.pszText = wide(line.text);
    SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

PhotoInfo shownPhotoInfo(PageSettingsSession& session) {
    const StartupFacts& app = session.app;
    return currentPhotoInfo(session.livePage(), session.folder, app.gdiplusActive, session.shownPicture,
                            [](TextView path) { return dialogPathText(path, winPlatform().folders); });
}

INT_PTR onInitDialog(HWND panel, ImageInfoPanelState& state) {
    PageSettingsSession& session = state.session;
    HWND list = GetDlgItem(panel, IDC_INFO_LIST);
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | LVS_EX_LABELTIP);
    addColumn(list, 0, session.host.scaledX(kLabelWidth));
    addColumn(list, 1, session.host.scaledX(kTextWidth));
    std::vector<InfoLine> lines = imageInfoLines(shownPhotoInfo(session));
    for (std::size_t i = 0; i < lines.size(); ++i) addLine(list, static_cast<int>(i), lines[i]);
    SetWindowTheme(list, L"EXPLORER", nullptr);
    slideInPanel(panel, session.host);
    return TRUE;
}

INT_PTR imageInfoPanelProc(HWND panel, ImageInfoPanelState& state, UINT message, WPARAM, LPARAM) {
    switch (message) {
        case WM_INITDIALOG: return onInitDialog(panel, state);
        case WM_CLOSE: return TRUE;
        default: return FALSE;
    }
}

}  // namespace

HWND createImageInfoPanel(HWND frame, PageSettingsSession& session) {
    return createDialogWithState<imageInfoPanelProc>(GetModuleHandleW(nullptr), IDD_IMAGE_INFO_PANEL, frame,
                                                     std::make_unique<ImageInfoPanelState>(session));
}

}  // namespace quillory
