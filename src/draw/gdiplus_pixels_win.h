#pragma once
// Moving plain pixels (pixel_image.h) in and out of the decoder's bitmaps, so our own filter can
// shrink what the decoder holds and the decoder can draw what our filter made.
#include <optional>

#include "base/geometry.h"
#include "draw/gdiplus_win.h"
#include "draw/pixel_image.h"

namespace quillory {

// A bitmap that owns a copy of `picture`'s pixels in `format` (32 bits a pixel); null on failure.
ImageOwner bitmapOf(const PixelImage& picture, gp::PixelFormat format);

// The pixels of a decoded bitmap as 0xAARRGGBB; nothing for a metafile or when memory is short.
std::optional<PixelImage> pixelsOf(gp::GpImage* image);

}  // namespace quillory
