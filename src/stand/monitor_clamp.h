#pragma once
// Keeps the PhotoStandWindow on a visible part of its monitor: a window whose centre lies less
// than 5 pixels inside the monitor's left or right edge, or less than 3 pixels inside its top or
// bottom edge, is pushed fully inside by those margins.
#include "base/geometry.h"

namespace quillory {

// Where the window `window` goes on `monitor` (its full rectangle, not the work area). The half
// sizes and the far-edge pull come from `normalSize` (xSize, ySize), also while the slide show
// has made the window compact; the window keeps its own width and height.
Point clampedWindowOrigin(const Rect& window, Size normalSize, const Rect& monitor);

}  // namespace quillory
