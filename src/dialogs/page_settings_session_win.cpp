#include "dialogs/page_settings_session_win.h"

#include "album/album_file.h"
#include "dialogs/background_brush_win.h"
#include "dialogs/message_dialog_win.h"
#include "resource.h"

namespace quillory {

namespace {

constexpr DWORD kSlideMilliseconds = 95;
constexpr std::uint32_t kYesNoQuestion = 4;

}  // namespace

void slideInPanel(HWND panel, const PageSettingsSession& session) {
    if (session.host.tabAnimate) {
        AnimateWindow(panel, kSlideMilliseconds, AW_SLIDE | AW_ACTIVATE | AW_VER_POSITIVE);
    } else {
        ShowWindow(panel, SW_SHOW);
    }
}

INT_PTR panelBackground(const PageSettingsSession& session, HDC dc, HWND control) {
    return reinterpret_cast<INT_PTR>(backgroundForControl(session.host, session.frame, control, dc));
}

void setAsDefault(HWND panel, PageSettingsSession& session, DefaultPanel fields) {
    const MessageRequest question{kYesNoQuestion, 0, u"Quillory", setAsDefaultQuestion(fields)};
    if (showMessageDialog(panel, question, session.host) != IDYES) return;
    Album& album = session.app.album;
    copyToDefaultPage(fields, session.edit.workingPage, album.defaultPage);
    if (session.app.albumFile) session.app.albumFile->savePage(album, kDefaultPage, 255);
}

void refreshSample(const PageSettingsSession& session) { SendMessageW(session.frame, WM_COMMAND, IDM_SAMPLE_REFRESH, 0); }

bool isChecked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

void setChecked(HWND dialog, int id, bool checked) { CheckDlgButton(dialog, id, checked ? BST_CHECKED : BST_UNCHECKED); }

void enableControl(HWND dialog, int id, bool enabled) { EnableWindow(GetDlgItem(dialog, id), enabled ? TRUE : FALSE); }

void selectAllText(HWND dialog, int id) { SendDlgItemMessageW(dialog, id, EM_SETSEL, 0, -1); }

}  // namespace quillory
