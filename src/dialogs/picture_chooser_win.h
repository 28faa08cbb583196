#pragma once
// The two picture choosers of a Page: chooseFile (the common open-file dialog) and chooseFolder
// (the shell's folder browser with the picture count of the highlighted folder). Both are opened
// by the contents panel on the working Page and by the stand's command on the live Page, start
// from the Page's picture and name it in their title; the caller gives the Page what was chosen.
#include <windows.h>

#include <optional>

#include "album/album.h"
#include "dialogs/dialog_host_win.h"

namespace quillory {

// The chosen picture file's path; nothing when the person cancelled.
std::optional<Text> chooseFile(const PageSettings& page, HWND owner, const DialogHost& host);

// The chosen folder's path; nothing when the person cancelled. The album's settings say what the
// browser's count of the highlighted folder's pictures takes in.
std::optional<Text> chooseFolder(const Album& album, const PageSettings& page, HWND owner, const DialogHost& host);

}  // namespace quillory
