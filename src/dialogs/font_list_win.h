#pragma once
// The face-name combo boxes of the settings dialogs.
#include <windows.h>

#include "base/text.h"

namespace quillory {

// Fills the (sorted) combo box with every TrueType face once, leaving out the vertical-writing
// "@" faces, and selects `wantedName`, adding it when the system lists no face of that name. With
// no name wanted it selects "ＭＳ Ｐゴシック", else the first entry.
void fillFontList(HWND dialog, int comboId, const Text& wantedName);

}  // namespace quillory
