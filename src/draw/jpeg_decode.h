#pragma once
// Decoding a JPEG held in memory through libjpeg-turbo, straight to a reduced size: its DCT
// scaling produces 1/2, 1/4 or 1/8 of the picture for a fraction of the work of a whole decode.
#include <atomic>
#include <cstdint>
#include <optional>
#include <span>

#include "base/geometry.h"
#include "draw/pixel_image.h"

namespace quillory {

enum class JpegStatus {
    Decoded,
    Corrupt,      // not a JPEG, or its data makes no sense
    Truncated,    // the file ends before the picture does
    TooLarge,     // over the pixel budget, or more memory than could be had
    Unsupported,  // CMYK or YCCK colours, or 12-bit samples: for another decoder
    Stopped,      // `stop` was set while the rows were decoded
};

struct DecodedJpeg {
    JpegStatus status = JpegStatus::Corrupt;
    Size storedSize;     // as the header gives it, before scaling; empty when unreadable
    int scaleDenominator = 1;  // 1, 2, 4 or 8
    Size resolution;           // dots per inch, as the header gives them
    int bitsPerPixel = 0;      // of the stored samples: 8 for grey, 24 for colour
    PixelImage picture;  // opaque pixels (alpha 255); empty unless decoded
};

// Whether a picture of this stored size may be decoded at all, by the budget every decoder keeps
// (picture_header.h).
bool withinJpegPixelBudget(Size stored);

// The largest of 8, 4, 2 and 1 that divides the stored size to a picture still at least `atLeast`
// on both sides (sides round up, as the decoder's do). An empty request takes the smallest, 1/8.
int jpegScaleDenominator(Size stored, Size atLeast);

// The stored size from the header alone, without decoding; nothing for a file that is not a
// readable JPEG.
std::optional<Size> readJpegSize(std::span<const std::uint8_t> file);

// Decodes at the scale jpegScaleDenominator picks for `atLeast`. Never exits, throws or prints:
// every failure is a status. A `stop` set from another thread ends the decode within a row.
DecodedJpeg decodeJpeg(std::span<const std::uint8_t> file, Size atLeast, const std::atomic<bool>* stop = nullptr);

}  // namespace quillory
