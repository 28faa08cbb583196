#include "dialogs/page_settings_session_win.h"

#include "dialogs/message_dialog_win.h"
#include "resource.h"

namespace quillory {

namespace {

constexpr std::uint32_t kYesNoQuestion = 4;

}  // namespace

void setAsDefault(HWND panel, PageSettingsSession& session, DefaultPanel fields) {
    const MessageRequest question{kYesNoQuestion, 0, u"Quillory", setAsDefaultQuestion(fields)};
    if (showMessageDialog(panel, question, session.host) != IDYES) return;
    Album& album = session.album();
    copyToDefaultPage(fields, session.edit.workingPage, album.defaultPage);
    if (session.record.file != nullptr) session.record.file->savePage(album, kDefaultPage, 255);
}

void refreshSample(const PageSettingsSession& session) { SendMessageW(session.frame, WM_COMMAND, IDM_SAMPLE_REFRESH, 0); }

}  // namespace quillory
