#pragma once
// Decoding a picture file held in memory at the size it is kept at (kept_size.h), upright. JPEG
// goes through our decoder at the smallest DCT scale that still covers that size; every other
// format, and a JPEG ours refuses (CMYK colours, say), through the imaging component
// (wic_pixels_win.h), and what no codec there reads through GDI+. Either way the pixels are
// shrunk by our own filter, so fine detail looks the same on every system. Metafiles stay as
// GDI+ reads them: they have no pixels to shrink.
#include <atomic>
#include <cstdint>
#include <span>

#include "base/geometry.h"
#include "draw/fit_geometry.h"
#include "draw/gdiplus_win.h"
#include "draw/orientation.h"
#include "photoinfo/photo_format.h"

namespace quillory {

struct FittedPicture {
    ImageOwner image;        // null: the file could not be decoded
    PictureMetrics metrics;  // of the picture the file holds, upright, not of the kept copy
    bool whole = false;      // kept at its own size, which serves every fit mode
};

// `file` must already have passed the size guard (picture_header.h). Any thread may call this;
// one that sets `stop` meanwhile gets no image, as soon as the decoder can stop.
FittedPicture decodeFitted(std::span<const std::uint8_t> file, const UprightTurn& turn, FitMode fit, Size screen,
                           const std::atomic<bool>* stop = nullptr);

// The picture's EXIF thumbnail (`thumbnail`, a JPEG) made to stand in for the picture of stored
// size `stored` while that is decoded: decoded by the same decoder, resized to the size the
// picture will be kept at and turned upright like it, so it takes the picture's place exactly.
// No image when the thumbnail cannot be decoded, is not of the picture's shape, or the picture
// is kept whole (then it decodes without shrinking and needs no stand-in).
FittedPicture fittedStandIn(std::span<const std::uint8_t> thumbnail, Size stored, const UprightTurn& turn, FitMode fit, Size screen);

}  // namespace quillory
