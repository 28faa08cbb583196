#pragma once
// How the overlay text looks and where it sits: font request, colours with their opacity, and
// the anchor in one of the four corners. Shared by both painters and the settings sample.
#include <cstdint>

#include "album/album.h"
#include "base/dpi.h"
#include "base/geometry.h"
#include "base/text.h"

namespace quillory {

enum class Corner { BottomRight = 0, BottomLeft = 1, TopRight = 2, TopLeft = 3 };

// The font request holds at most this many units of the face name.
inline constexpr std::size_t kFontFaceRequestLength = 31;
// Distance of the text from the area's edges.
inline constexpr int kTextMargin = 5;
// The outline is the text drawn at every offset from -2 to 2 in both directions.
inline constexpr int kOutlineReach = 2;

struct OverlayStyle {
    Text fontFace;  // already cut for the font request
    int fontHeight = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    std::uint8_t alpha = 255;
    std::uint32_t textColour = 0;     // 0x00BBGGRR
    std::uint32_t outlineColour = 0;  // 0x00BBGGRR
    Corner corner = Corner::BottomRight;
    bool operator==(const OverlayStyle&) const = default;
};

// FontSize is a cell height at 96 DPI; the text grows with the DPI of the window it is drawn in.
OverlayStyle overlayStyleOf(const PageSettings& page, int dpi);

bool isRightCorner(Corner corner);
bool isBottomCorner(Corner corner);

// 0xAARRGGBB of a 0x00BBGGRR colour, as the decoder's brushes take it.
std::uint32_t argbOf(std::uint8_t alpha, std::uint32_t colour);
// The outline is a third as opaque as the text.
std::uint8_t outlineAlphaOf(std::uint8_t alpha);

// Where the decoder painter anchors the text and which way it grows from there.
struct TextAnchor {
    Point at;
    bool alignRight = false;   // far horizontal alignment
    bool alignBottom = false;  // far vertical alignment
    bool operator==(const TextAnchor&) const = default;
};
TextAnchor textAnchorOf(Corner corner, Size area);

// The rectangle the bitmap painter lays the text out in; bottom corners sit on the measured
// text height.
Rect textBoxOf(Corner corner, Size area, int textHeight);

}  // namespace quillory
