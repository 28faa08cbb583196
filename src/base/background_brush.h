#pragma once
// The dialogs' tiled background continues seamlessly across their child controls: each control
// paints the pattern with an origin shifted by its own offset from the dialog's client area.
#include "base/geometry.h"

namespace quillory {

// `controlOffset` is the distance from the dialog's client origin to the control's client
// origin; `pattern` the size of the background bitmap (may be 0 × 0 when it could not be read).
Point backgroundBrushOrigin(Point controlOffset, Size pattern);

}  // namespace quillory
