#pragma once
// Shrinking a picture by averaging areas: each new pixel is the mean of the part of the picture it
// covers, pixels at its edges counted by the fraction that falls inside. Fine detail turns into the
// grey it averages to instead of the moire bands that picking pixels leaves, and the result is the
// same on every system.
#include <optional>

#include "base/geometry.h"
#include "draw/pixel_image.h"

namespace quillory {

// The picture at `target`, no side of which may be empty or larger than the picture's (nothing
// otherwise, and nothing for pictures over 16 million pixels wide). All four channels are averaged alike. Integer ratios average whole blocks.
std::optional<PixelImage> shrinkPicture(const PixelImage& picture, Size target);

}  // namespace quillory
