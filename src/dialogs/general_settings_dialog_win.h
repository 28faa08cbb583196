#pragma once
// The GeneralSettingsDialog (dialog 140): the slide show, the tabs and window, the tab font, a few
// behaviours, and through its page list the order, marks and main page of every Page. Its panels
// change the live AlbumSettings, so the stand shows opacity and fonts at once; キャンセル and the
// close box put the six values saved at opening back. Pages change only in `pageList`.
#include <windows.h>

#include "app/app_state_win.h"
#include "dialogs/dialog_host_win.h"
#include "dialogs/page_list.h"

namespace quillory {

// Modal; IDOK or IDCANCEL. On IDOK the tab position and rows and the topmost state are already
// on the stand; the caller creates or removes the status bar and commits `pageList`.
int showGeneralSettings(StartupFacts& app, HWND owner, const DialogHost& host, PageListEdit& pageList);

}  // namespace quillory
