#include "draw/overlay_style.h"

namespace quillory {

OverlayStyle overlayStyleOf(const PageSettings& page, int dpi) {
    OverlayStyle style;
    style.fontFace = capped(page.FontName, kFontFaceRequestLength);
    style.fontHeight = scaleForDpi(page.FontSize, dpi);
    style.bold = (page.FontStyle & FontBold) != 0;
    style.italic = (page.FontStyle & FontItalic) != 0;
    style.underline = (page.FontStyle & FontUnderline) != 0;
    style.alpha = page.FontAlpha;
    style.textColour = page.FontColor;
    style.outlineColour = page.FontColor2;
    style.corner = static_cast<Corner>(TextCorner.get(page.PhotoFlag));
    return style;
}

std::uint32_t argbOf(std::uint8_t alpha, std::uint32_t colour) {
    const std::uint32_t red = colour & 0xFF;
    const std::uint32_t green = (colour >> 8) & 0xFF;
    const std::uint32_t blue = (colour >> 16) & 0xFF;
    return (static_cast<std::uint32_t>(alpha) << 24) | (red << 16) | (green << 8) | blue;
}

std::uint8_t outlineAlphaOf(std::uint8_t alpha) { return static_cast<std::uint8_t>(alpha / 3); }

bool isRightCorner(Corner corner) { return corner == Corner::BottomRight || corner == Corner::TopRight; }
bool isBottomCorner(Corner corner) { return corner == Corner::BottomRight || corner == Corner::BottomLeft; }

TextAnchor textAnchorOf(Corner corner, Size area) {
    const int x = isRightCorner(corner) ? area.dx - kTextMargin : kTextMargin;
    const int y = isBottomCorner(corner) ? area.dy - kTextMargin : kTextMargin;
    return {{x, y}, isRightCorner(corner), isBottomCorner(corner)};
}

Rect textBoxOf(Corner corner, Size area, int textHeight) {
    const int top = isBottomCorner(corner) ? area.dy - textHeight - kTextMargin : kTextMargin;
    return Rect::fromEdges(kTextMargin, top, area.dx - kTextMargin, area.dy - kTextMargin);
}

}  // namespace quillory
