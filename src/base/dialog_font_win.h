#pragma once
// Fonts derived from a dialog's own font.
#include <windows.h>

#include <optional>

#include "base/text.h"
#include "base/gdi_handles_win.h"

namespace quillory {

struct FontChange {
    int height = 0;  // 0 keeps the dialog font's height
    int weight = 0;  // 0 keeps its weight
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    std::optional<Text> faceName;  // at most 31 characters are used
};

// No font when the dialog has none or its description cannot be read. A face that cannot be
// made falls back to the dialog font's face.
UniqueFont createDialogFont(HWND dialog, const FontChange& change);

}  // namespace quillory
