#pragma once
// Our own reader of a picture's EXIF, TIFF and GPS property items. It reads only the header bytes
// the metadata needs, never pixels, and treats every file as hostile: each offset and count is
// checked against the data before use, and a broken file simply yields fewer items.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/platform.h"
#include "photoinfo/container_exif.h"

namespace quillory {

// Item types, numbered as in the TIFF standard.
enum PropertyType : std::uint16_t {
    PropertyTypeByte = 1,
    PropertyTypeAscii = 2,
    PropertyTypeShort = 3,
    PropertyTypeLong = 4,
    PropertyTypeRational = 5,
    PropertyTypeUndefined = 7,
    PropertyTypeSLong = 9,
    PropertyTypeSRational = 10,
};

// One item with the picture decoder's record layout. `length` is the value's size in bytes
// (count times the type's size; ASCII values keep their stored terminating zero). The value's
// numbers are always little-endian, whatever the file's byte order was, so SHORT, LONG and the
// two halves of a RATIONAL read as on Windows.
struct PropertyItem {
    std::uint32_t id = 0;
    std::uint16_t type = 0;
    std::uint32_t length = 0;
    std::vector<std::uint8_t> value;
};

// Pointers from the first directory to the Exif and GPS directories.
inline constexpr std::uint32_t kTagExifDirectory = 0x8769;
inline constexpr std::uint32_t kTagGpsDirectory = 0x8825;
inline constexpr std::uint32_t kTagDateTimeOriginal = 0x9003;
inline constexpr std::uint32_t kTagOrientation = 0x0112;
// The second directory's pointer to the thumbnail JPEG and that JPEG's length in bytes.
inline constexpr std::uint16_t kTagThumbnailOffset = 0x0201;
inline constexpr std::uint16_t kTagThumbnailLength = 0x0202;

// All items of a JPEG (APP1 Exif), TIFF, PNG (eXIf), WebP (EXIF chunk) or HEIF, HEIC or AVIF
// (Exif item) picture in stored order: the first directory, then the Exif directory, then the
// GPS directory. Empty for any other content.
std::vector<PropertyItem> readPropertyItems(ByteSource& source);

// The fast path of the date ordering: the raw bytes (up to the first zero, at most 31) of the
// same DateTimeOriginal item the information texts show, the first in stored order; nothing when
// the picture has none or that item is not ASCII.
std::optional<std::string> readDateTimeOriginal(ByteSource& source);

// The Orientation of the first directory (a SHORT, 1 to 8 when valid), or nothing.
std::optional<std::uint16_t> readOrientation(ByteSource& source);

// Where the file keeps the thumbnail its camera made: the JPEG the second directory points to,
// as a range of the file that lies wholly inside the EXIF block; nothing when there is none.
// The bytes themselves are not looked at.
std::optional<ByteRange> findExifThumbnail(ByteSource& source);

// readDateTimeOriginal for one picture after another: it keeps its buffers, so a folder scan
// allocates nothing per picture, and reads a file's first kilobyte, more only when the date lies
// further.
class DateTimeOriginalReader {
public:
    DateTimeOriginalReader();
    // The date's bytes, valid until the next read.
    std::optional<std::string_view> read(ByteSource& source);

private:
    std::vector<std::uint8_t> head_, table_;
    std::array<std::uint8_t, 31> date_{};  // "YYYY:MM:DD HH:MM:SS" with room to spare
};

}  // namespace quillory
