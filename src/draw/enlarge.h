#pragma once
// Enlarging a small picture by bilinear interpolation: each new pixel blends the four source
// pixels around the point it samples, so a thumbnail blown up to the screen shows soft gradients
// rather than blocks. Pixel centres line up, so the outermost new pixels keep the edge colours.
#include <optional>

#include "base/geometry.h"
#include "draw/pixel_image.h"

namespace quillory {

// The picture at `target`, no side of which may be empty or smaller than the picture's (nothing
// otherwise, and nothing beyond 16 million pixels a side). All four channels are blended alike.
std::optional<PixelImage> enlargePicture(const PixelImage& picture, Size target);

}  // namespace quillory
