#pragma once
// The two picture choosers of a Page: chooseFile (the common open-file dialog) and chooseFolder
// (the shell's folder browser with the picture count of the highlighted folder). Both are opened
// by the contents panel on the working Page and by the stand's command on the live Page; the
// caller of the live one loads the new picture and refreshes what shows it.
#include <windows.h>

#include "album/album.h"
#include "app/app_state_win.h"
#include "dialogs/dialog_host_win.h"

namespace quillory {

// True when a file was chosen: it is `page`'s File now.
bool chooseFile(App& app, PageSettings& page, HWND owner);

// True when a folder was chosen: `page` shows it from its first picture, and the FolderList,
// `folderCount` and `folderIndex` hold that folder's pictures.
bool chooseFolder(App& app, PageSettings& page, HWND owner, const DialogHost& host);

}  // namespace quillory
