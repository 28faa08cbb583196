#include "draw/background_win.h"

namespace quillory {
namespace {

TRIVERTEX vertexOf(int x, int y, std::uint32_t colour) {
    TRIVERTEX vertex{};
    vertex.x = x;
    vertex.y = y;
    // Each 8-bit channel becomes the high byte of the 16-bit vertex channel.
    vertex.Red = static_cast<COLOR16>((colour & 0xFF) << 8);
    vertex.Green = static_cast<COLOR16>(((colour >> 8) & 0xFF) << 8);
    vertex.Blue = static_cast<COLOR16>(((colour >> 16) & 0xFF) << 8);
    vertex.Alpha = 0;
    return vertex;
}

}  // namespace

void FillBackgroundGradient(HDC dc, std::uint32_t leftColour, std::uint32_t rightColour, const Rect& area) {
    if (area.isEmpty()) return;
    TRIVERTEX vertices[2] = {vertexOf(area.x, area.y, leftColour), vertexOf(area.right(), area.bottom(), rightColour)};
    GRADIENT_RECT rectangle{0, 1};
    GradientFill(dc, vertices, 2, &rectangle, 1, GRADIENT_FILL_RECT_H);
}

}  // namespace quillory
