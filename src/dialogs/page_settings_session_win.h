#pragma once
// What the Page settings dialog's frame shares with its panels while it is open: the record it
// edits, the host facts, the two copies of the Page and the windows the panels act on, plus the
// few things every panel does alike.
#include <windows.h>

#include "dialogs/dialog_host_win.h"
#include "dialogs/page_edit.h"
#include "dialogs/page_settings_dialog_win.h"
#include "dialogs/settings_panel_win.h"
#include "photoinfo/photo_format.h"

namespace quillory {

struct PageSettingsSession {
    PageSettingsRecord record;
    DialogHost host;
    PageEdit edit;
    HWND frame = nullptr;

    Album& album() { return record.album; }
    const FolderCursor& cursor() const { return record.cursor; }
    PageSettings& livePage() { return *currentPageOf(record.album); }  // showPageSettings checked it is there
    PageSettings& workingPage() { return edit.workingPage; }
    bool locked() const { return (edit.workingPage.Flag & FlagLocked) != 0; }
};

// "初期値設定...": asks, and on はい makes the panel's fields of the working Page the DefaultPage's
// and saves the DefaultPage.
void setAsDefault(HWND panel, PageSettingsSession& session, DefaultPanel fields);

// Sends SampleRefresh to the frame, so the sample shows the working Page's font and colours.
void refreshSample(const PageSettingsSession& session);

}  // namespace quillory
