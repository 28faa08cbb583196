#pragma once
// The PageSettingsDialog (dialog 141): edits the current Page through five panels, with a sample
// of its overlay text. OK writes the edited copy into the Page; キャンセル and the close box put
// the copy taken at opening back (undoing the fit mode shown live and a folder chosen meanwhile).
// What reaches the screen meanwhile goes through the host's stand.
#include <windows.h>

#include "album/album.h"
#include "album/album_file.h"
#include "dialogs/dialog_host_win.h"
#include "photoinfo/photo_format.h"
#include "view/viewing_record.h"

namespace quillory {

// What the dialog edits: the album's current Page, and 初期値設定 the album's DefaultPage, which
// `file` saves (none: it is not saved); the folder cursor of the Page's view, which キャンセル puts
// back with the Page; and the panel shown last, which the dialog opens on again.
struct PageSettingsRecord {
    Album& album;
    AlbumFile* file = nullptr;
    FolderCursor& cursor;
    int& panelIndex;
    PictureMetrics shownPicture;  // of the picture the Page's view shows, for the information panel
};

// Modal; IDOK or IDCANCEL. Either way the caller shows the Page as it is then. On IDOK it reloads
// the Page's picture, refreshes its tab and saves it. After IDCANCEL the folder cursor and
// FolderList belong to the restored Page again.
int showPageSettings(const PageSettingsRecord& record, HWND owner, const DialogHost& host);

}  // namespace quillory
