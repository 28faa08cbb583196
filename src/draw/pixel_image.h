#pragma once
// A picture as plain 32-bit pixels, the form decoders hand over and the shrinking filter works on.
#include <cstdint>
#include <vector>

#include "base/geometry.h"

namespace quillory {

// Rows top to bottom, no padding between them. Each pixel is 0xAARRGGBB, so its bytes in memory
// are blue, green, red, alpha: the layout of a top-down 32-bit Windows bitmap.
struct PixelImage {
    Size size;
    std::vector<std::uint32_t> pixels;

    std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * size.dx + x]; }
};

}  // namespace quillory
