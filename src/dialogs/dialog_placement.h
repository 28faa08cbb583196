#pragma once
// Where a dialog opens: beside the PhotoStandWindow, a few random pixels away each time, and
// always inside the stand's monitor.
#include "base/geometry.h"
#include "base/platform.h"

namespace quillory {

struct PlacementMargins {
    int x = 0;
    int y = 0;
};

// mx 8..13 and my 3..8; from Windows Vista on (framed windows are wider there) 5 more each.
PlacementMargins drawPlacementMargins(Random& random, bool vistaOrLater);

// The dialog's new top-left corner. `monitor` is the full rectangle of the stand's monitor,
// `stand` the stand's window rectangle and `dialog` the dialog's window size.
Point placeNearStand(const Rect& monitor, const Rect& stand, Size dialog, PlacementMargins margins, bool vistaOrLater);

}  // namespace quillory
