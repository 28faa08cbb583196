#pragma once
// The PageSettingsDialog (dialog 141): edits the current Page through five panels, with a sample
// of its overlay text. OK writes the edited copy into the Page; キャンセル and the close box put
// the copy taken at opening back (undoing the fit mode shown live and a folder chosen meanwhile).
#include <windows.h>

#include <functional>

#include "app/app_state_win.h"
#include "dialogs/dialog_host_win.h"
#include "photoinfo/photo_format.h"
#include "view/viewing_record.h"

namespace quillory {

// Gives `page` a chosen picture file or folder as the stand gives its Pages one: a folder is
// listed at once into the FolderList and the folder position.
using PictureGiver = std::function<void(PageSettings& page, const Text& path, bool isFolder)>;

struct PageSettingsRequest {
    HWND pageView = nullptr;      // the current Page's view: owner of the choosers
    PictureMetrics shownPicture;  // of the picture it shows, for the information panel
    std::function<void()> showLivePage;  // the view shows the live Page as the dialog changed it
    PictureGiver givePicture;            // the working Page takes a chosen picture file or folder
    FolderCursor* folder = nullptr;      // the view's, which キャンセル puts back with the Page
};

// Modal; IDOK or IDCANCEL. Either way the caller shows the Page as it is then. On IDOK it reloads the Page's picture, refreshes its tab and
// saves it. After IDCANCEL the folder position and FolderList belong to the restored Page again.
int showPageSettings(StartupFacts& app, HWND owner, const DialogHost& host, const PageSettingsRequest& request);

}  // namespace quillory
