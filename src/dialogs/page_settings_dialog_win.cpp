#include "dialogs/page_settings_dialog_win.h"

#include <array>
#include <memory>

#include "base/format.h"
#include "base/wide_win.h"
#include "base/window_state_win.h"
#include "base/big_icon_win.h"
#include "dialogs/dialog_placement_win.h"
#include "dialogs/glass_strips_win.h"
#include "dialogs/page_settings_panels_win.h"
#include "dialogs/panel_switcher_win.h"
#include "dialogs/sample_text.h"
#include "draw/overlay_painter_win.h"
#include "view/shown_picture_win.h"
#include "view/folder_scan_win.h"
#include "resource.h"

namespace quillory {

namespace {

constexpr std::array<PanelButton, 5> kPanelButtons{{
    {IDM_PANEL_CONTENTS, 0, u"ページ", u"ページの設定\nラベル、コメントの設定"},
    {IDM_PANEL_IMAGE_INFO, 1, u"画像情報", u"画像の情報\n撮影日時、条件の表示"},
    {IDM_PANEL_DISPLAY_SIZE, 2, u"表示", u"画像の表示\n画像の表示方法の設定"},
    {IDM_PANEL_TEXT, 3, u"文字", u"文字の設定\n表示文字の選択と、フォントの設定"},
    {IDM_PANEL_COLOUR, 4, u"色指定", u"色の指定\n文字と背景の色設定"},
}};

const PanelToolbarLayout kToolbarLayout{IDB_PAGE_SETTINGS_PANELS, {5, 16, 88, 260}, {86, 60}, 24, std::nullopt};

HWND createPanel(HWND frame, PageSettingsSession& session, int index) {
    switch (index) {
        case 0: return createContentsPanel(frame, session);
        case 1: return createImageInfoPanel(frame, session);
        case 2: return createDisplaySizePanel(frame, session);
        case 3: return createTextPanel(frame, session);
        default: return createColourPanel(frame, session);
    }
}

struct PageSettingsFrame {
    PageSettingsFrame(const PageSettingsRecord& record, const DialogHost& host)
        : session{record, host, beginPageEdit(*currentPageOf(record.album), record.cursor.index)},
          panels(kPanelButtons, record.panelIndex,
                 [this](HWND frame, int index) { return createPanel(frame, session, index); }) {}

    PageSettingsSession session;
    PanelSwitcher panels;
    DialogIcons icons;
    GlassStrips glass;
};

Text frameCaption(const PageSettings& page) {
    return formatText(u"%s - ページ \"%0.32s\" の設定", {u"Quillory", page.Label});
}

INT_PTR onInitDialog(HWND dialog, PageSettingsFrame& frame) {
    PageSettingsSession& session = frame.session;
    placeDialogNearStand(dialog, session.host);
    session.frame = dialog;
    frame.panels.open(dialog, session.host, kToolbarLayout);
    SetWindowTextW(dialog, wide(frameCaption(session.edit.workingPage)));
    SetDlgItemTextW(dialog, IDC_SAMPLE_TEXT, L"");
    frame.icons = setDialogIcons(dialog, session.host.dpiX, session.host.dpiY);
    frame.glass.open(dialog, session.host);
    frame.panels.showFrame(session.host);
    return TRUE;
}

void finish(HWND dialog, PageSettingsFrame& frame, int result) {
    const PageSettingsSession& session = frame.session;
    frame.panels.hideFrame(session.host);
    EndDialog(dialog, result);
}

void accept(HWND dialog, PageSettingsFrame& frame) {
    frame.panels.closePanel();
    frame.session.livePage() = frame.session.edit.workingPage;
    finish(dialog, frame, IDOK);
}

// The restored Page shows again what it showed: a folder chosen meanwhile was scanned into the
// FolderList, which must list the restored folder again before the view steps through it.
void cancel(HWND dialog, PageSettingsFrame& frame) {
    PageSettingsSession& session = frame.session;
    FolderCursor& cursor = session.record.cursor;
    const CancelledView view = cancelPageEdit(session.edit, session.livePage());
    if (view.rescanFolder) cursor.count = scanFolderOnDisk(session.album(), session.host.gdiplusActive, session.livePage().File, true, *cursor.list);
    cursor.index = view.folderIndex;
    finish(dialog, frame, IDCANCEL);
}

Text currentSampleText(PageSettingsSession& session) {
    const PageSettings& live = session.livePage();
    const Text shown = CurrentPictureFile(live, session.cursor());
    const SampleSource source{session.edit.workingPage, (live.Flag & FlagFolder) != 0, shown};
    return sampleText(source, fullPathName, winPlatform().folders);
}

INT_PTR onControlColour(HWND dialog, PageSettingsFrame& frame, HDC dc, HWND control) {
    PageSettingsSession& session = frame.session;
    if (GetDlgCtrlID(control) == IDC_SAMPLE_TEXT && control != dialog) {
        const Text text = currentSampleText(session);
        DrawSampleText(control, dc, &text, session.edit.workingPage, session.host.gdiplusActive);
        // The strip is painted: the static must not fill over it.
        return reinterpret_cast<INT_PTR>(GetStockObject(NULL_BRUSH));
    }
    return reinterpret_cast<INT_PTR>(frame.glass.brush(session.host, dialog, control, dc));
}

INT_PTR onCommand(HWND dialog, PageSettingsFrame& frame, int command) {
    switch (command) {
        case IDOK: accept(dialog, frame); return TRUE;
        case IDCANCEL: cancel(dialog, frame); return TRUE;
        case IDM_SAMPLE_REFRESH: InvalidateRect(GetDlgItem(dialog, IDC_SAMPLE_TEXT), nullptr, TRUE); return TRUE;
        default: return frame.panels.onCommand(command, frame.session.host.tabAnimate) ? TRUE : FALSE;
    }
}

INT_PTR pageSettingsProc(HWND dialog, PageSettingsFrame& frame, UINT message, WPARAM wParam, LPARAM lParam) {
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

int showPageSettings(const PageSettingsRecord& record, HWND owner, const DialogHost& host) {
    if (currentPageOf(record.album) == nullptr) return IDCANCEL;
    const INT_PTR result = showDialogWithState<pageSettingsProc>(host.instance, IDD_PAGE_SETTINGS, owner,
                                                                 std::make_unique<PageSettingsFrame>(record, host));
    return result == IDOK ? IDOK : IDCANCEL;
}

}  // namespace quillory
