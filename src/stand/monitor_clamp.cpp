#include "stand/monitor_clamp.h"

namespace quillory {

namespace {

constexpr int kSideMargin = 5;
constexpr int kEndMargin = 3;

// One axis: the near edge first, then the far edge, which wins when both apply.
int clampedStart(int start, int normalLength, int monitorStart, int monitorEnd, int margin) {
    const int half = normalLength / 2;
    if (start + half < monitorStart + margin) start = monitorStart + margin;
    if (start + half + margin > monitorEnd) start = monitorEnd - normalLength - margin;
    return start;
}

}  // namespace

Point clampedWindowOrigin(const Rect& window, Size normalSize, const Rect& monitor) {
    return {clampedStart(window.x, normalSize.dx, monitor.x, monitor.right(), kSideMargin),
            clampedStart(window.y, normalSize.dy, monitor.y, monitor.bottom(), kEndMargin)};
}

}  // namespace quillory
