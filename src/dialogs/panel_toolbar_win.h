#pragma once
// The vertical toolbar of large picture buttons the settings dialogs choose their panels from.
#include <windows.h>
#include <commctrl.h>

#include <span>

#include "base/geometry.h"
#include "base/text.h"

namespace quillory {

struct PanelToolbarRequest {
    std::span<TBBUTTON> buttons;   // keeps the pressed state between calls
    std::span<const Text> texts;   // indexed by each button's iString; may be empty
    int bitmapId = 0;              // strip of 24-pixel-wide images, one per button
    Rect place;                    // not moved when width or height is 0
    Size button;                   // size of every button with an image
    int checkedIndex = -1;         // the button shown pressed; below 0 leaves the table alone
    int imageHeight = 24;
};

// The toolbar (control id 1001) or nullptr; a child of `parent`, destroyed with it.
HWND createPanelToolbar(HWND parent, const PanelToolbarRequest& request);

}  // namespace quillory
