#pragma once
// Tooltips for a dialog's controls.
#include <windows.h>

#include <span>

#include "base/text.h"
#include "base/gdi_handles_win.h"

namespace quillory {

struct ToolTipPair {
    int controlId = 0;
    Text text;  // "\n" breaks lines
};

// One tooltip window for all the pairs; controls that do not exist are skipped.
UniqueWindow addToolTips(HWND parent, std::span<const ToolTipPair> pairs);

}  // namespace quillory
