#pragma once
// The two picture choosers of a Page: chooseFile (the common open-file dialog) and chooseFolder
// (the shell's folder browser with the picture count of the highlighted folder). Both are opened
// by the contents panel on the working Page and by the stand's command on the live Page, start
// from the Page's picture and name it in their title; the caller gives the Page what was chosen.
#include <windows.h>

#include <optional>

#include "album/album.h"
#include "app/app_state_win.h"
#include "dialogs/dialog_host_win.h"

namespace quillory {

// The chosen picture file's path; nothing when the person cancelled.
std::optional<Text> chooseFile(const StartupFacts& app, const PageSettings& page, HWND owner);

// The chosen folder's path; nothing when the person cancelled.
std::optional<Text> chooseFolder(const StartupFacts& app, const PageSettings& page, HWND owner, const DialogHost& host);

}  // namespace quillory
