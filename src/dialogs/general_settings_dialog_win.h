#pragma once
// The GeneralSettingsDialog (dialog 140): the slide show, the tabs and window, the tab font, a few
// behaviours, and through its page list the order, marks and main page of every Page. Its panels
// change the live AlbumSettings and ask the host's stand to show opacity and fonts at once;
// キャンセル and the close box put the six values saved at opening back. Pages change only in
// `pageList`.
#include <windows.h>

#include "album/album.h"
#include "dialogs/dialog_host_win.h"
#include "dialogs/page_list.h"

namespace quillory {

// What the dialog edits: the album's live settings, every Page through `pageList`, and the panel
// shown last, which the dialog opens on again.
struct GeneralSettingsRecord {
    AlbumSettings& settings;
    PageListEdit& pageList;
    int& panelIndex;
};

// Modal; IDOK or IDCANCEL. On IDOK the stand has been asked to show the tab position and rows and
// the topmost state; the caller creates or removes the status bar and commits `pageList`.
int showGeneralSettings(const GeneralSettingsRecord& record, HWND owner, const DialogHost& host);

}  // namespace quillory
