#include "base/background_brush.h"

namespace quillory {

namespace {

// The dialogs draw their pattern from this point of the bitmap.
constexpr int kPatternShiftX = 12;
constexpr int kPatternShiftY = 16;

}  // namespace

Point backgroundBrushOrigin(Point controlOffset, Size pattern) {
    Point origin;
    if (pattern.dx != 0 && pattern.dy != 0) {
        origin.x = pattern.dx - controlOffset.x % pattern.dx;
        origin.y = pattern.dy - controlOffset.y % pattern.dy;
    }
    return {origin.x + kPatternShiftX, origin.y + kPatternShiftY};
}

}  // namespace quillory
