#include "dialog_placement.h"

namespace quillory {

namespace {

// Vista's thicker frames would otherwise make the two frames look misaligned.
constexpr int kVistaFrameShift = 5;
constexpr int kVistaExtraMargin = 5;

int alignedLeft(const Rect& monitor, const Rect& stand, int width, int marginX, bool vistaOrLater) {
    const int shift = vistaOrLater ? kVistaFrameShift : 0;
    // Left edges meet while the dialog fits to the right of the stand's left edge; otherwise
    // the right edges meet. Measured against the monitor's own right edge so that monitors
    // that do not start at the origin behave like the primary one.
    if (monitor.right() - marginX > stand.x + width) return stand.x + shift;
    return stand.right() - width - shift;
}

int besideTop(const Rect& monitor, const Rect& stand, int height, int marginY) {
    const int monitorMiddle = monitor.y + monitor.dy / 2;
    const int standMiddle = stand.y + stand.dy / 2;
    if (monitorMiddle > standMiddle) return stand.bottom() + marginY;
    return stand.y - height - marginY;
}

int keptInside(int position, int extent, int low, int high, int margin) {
    if (position < low + margin) position = low + margin;
    if (position + extent + margin > high) position = high - extent - margin;
    return position;
}

}  // namespace

PlacementMargins drawPlacementMargins(Random& random, bool vistaOrLater) {
    const int extra = vistaOrLater ? kVistaExtraMargin : 0;
    const int x = random.next() % 6 + 8 + extra;
    const int y = random.next() % 6 + 3 + extra;
    return {x, y};
}

Point placeNearStand(const Rect& monitor, const Rect& stand, Size dialog, PlacementMargins margins, bool vistaOrLater) {
    const int x = alignedLeft(monitor, stand, dialog.dx, margins.x, vistaOrLater);
    const int y = besideTop(monitor, stand, dialog.dy, margins.y);
    return {keptInside(x, dialog.dx, monitor.x, monitor.right(), margins.x),
            keptInside(y, dialog.dy, monitor.y, monitor.bottom(), margins.y)};
}

}  // namespace quillory
