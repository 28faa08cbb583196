#pragma once
// Finding the TIFF-structured EXIF block inside the WebP and HEIF (HEIC, AVIF) containers. Only
// the container's own bookkeeping is read; the block itself is left to the property reader.
// Every size, count and offset is checked against the file, so a broken container simply has no
// block.
#include <cstdint>
#include <optional>
#include <vector>

#include "base/platform.h"

namespace quillory {

// A run of bytes of the file: where the TIFF header starts and how many bytes belong to it.
struct ByteRange {
    std::uint64_t offset = 0;
    std::uint64_t size = 0;
};

// The EXIF block of a WebP file (its EXIF chunk) or a HEIF file (its Exif item); nothing for
// any other file, or when the container holds no readable block. `buffer` holds the container's
// item tables while they are read; a caller that reads many files passes the same one each time.
std::optional<ByteRange> containerExif(ByteSource& file, std::vector<std::uint8_t>& buffer);

}  // namespace quillory
