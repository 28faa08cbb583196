#pragma once
// The About box: name and version, a link to the home page, the album file in use and when,
// where and by what the program was built.
#include <windows.h>

#include "base/text.h"
#include "dialogs/dialog_host_win.h"

namespace quillory {

// Modal; always returns 1.
int showAboutBox(HWND owner, const Text& albumPath, const DialogHost& host);

}  // namespace quillory
