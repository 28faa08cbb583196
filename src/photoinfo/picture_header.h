#pragma once
// A picture's width and height as its header claims them, read before any decoder sees the
// file. A decoder trusts those numbers and reserves memory for them, so a few hundred hostile
// bytes that claim 65500 x 65500 pixels could take the whole machine; this reader takes a few
// bytes from the start of the file and lets the program say no first. Every offset is checked.
#include <cstdint>

#include "base/platform.h"

namespace quillory {

enum class HeaderReading : std::uint8_t {
    Sized,          // a JPEG, PNG, GIF, BMP/DIB or TIFF header, read: width and height are its claim
    UnknownFormat,  // none of those (a metafile, anything else): the decoder decides
    Corrupt,        // one of those, but its size cannot be read (cut short, broken structure)
};

struct PictureHeader {
    HeaderReading reading = HeaderReading::UnknownFormat;
    std::uint32_t width = 0;
    std::uint32_t height = 0;

    std::uint64_t pixels() const { return std::uint64_t{width} * height; }
};

PictureHeader readPictureHeader(ByteSource& source);

// The most pixels a picture may have to be decoded. The decoder holds a picture at 4 bytes a
// pixel, and turning it upright holds a second copy for a moment: 200 megapixels (the largest
// camera sensors and most stitched panoramas stay below) costs up to 1.6 GB, which the 64-bit
// program can hold beside the pictures it keeps.
inline constexpr std::uint64_t kPixelBudget = 200'000'000;

// Whether a picture with this header may go to a decoder: any size within the budget, and any
// file this reader does not know (the decoder may still read it, as metafiles). A header of a
// known format that cannot be read, or claims no pixels, is broken: no decoder could show it.
bool mayDecode(const PictureHeader& header);

}  // namespace quillory
