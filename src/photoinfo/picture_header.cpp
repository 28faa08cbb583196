#include "photoinfo/picture_header.h"

#include <algorithm>
#include <array>
#include <limits>
#include <optional>
#include <string_view>

namespace quillory {

namespace {

// A directory holds at most 65535 entries in a classic TIFF; a BigTIFF one is held to the same.
constexpr std::uint64_t kMaxTiffEntries = 65535;
constexpr std::uint16_t kTagImageWidth = 256;
constexpr std::uint16_t kTagImageLength = 257;

constexpr std::array<std::uint8_t, 8> kPngSignature{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};

PictureHeader sized(std::uint64_t width, std::uint64_t height) {
    constexpr std::uint64_t most = std::numeric_limits<std::uint32_t>::max();
    return {HeaderReading::Sized, static_cast<std::uint32_t>(std::min(width, most)), static_cast<std::uint32_t>(std::min(height, most))};
}

PictureHeader corrupt() { return {HeaderReading::Corrupt, 0, 0}; }

// The number of `size` bytes at `p`, in either byte order.
std::uint64_t number(const std::uint8_t* p, std::size_t size, bool bigEndian) {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < size; ++i) value = value << 8 | p[bigEndian ? i : size - 1 - i];
    return value;
}
std::uint32_t big32(const std::uint8_t* p) { return static_cast<std::uint32_t>(number(p, 4, true)); }
std::uint16_t big16(const std::uint8_t* p) { return static_cast<std::uint16_t>(number(p, 2, true)); }
std::uint32_t little32(const std::uint8_t* p) { return static_cast<std::uint32_t>(number(p, 4, false)); }
std::uint16_t little16(const std::uint8_t* p) { return static_cast<std::uint16_t>(number(p, 2, false)); }

bool startsWith(std::span<const std::uint8_t> bytes, std::string_view prefix) {
    return bytes.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), bytes.begin(), [](char c, std::uint8_t b) {
               return static_cast<std::uint8_t>(c) == b;
           });
}

// Reads the source front to back a block at a time, so walking many small segments or stray
// bytes costs one read of the source per block rather than one per byte.
class ForwardReader {
public:
    ForwardReader(ByteSource& source, std::uint64_t at) : source_(source), at_(at) {}

    std::optional<std::uint8_t> byte() {
        if ((at_ < start_ || at_ - start_ >= filled_) && !fill()) return std::nullopt;
        return block_[static_cast<std::size_t>(at_++ - start_)];
    }
    bool take(std::span<std::uint8_t> out) {
        for (std::uint8_t& b : out) {
            const std::optional<std::uint8_t> next = byte();
            if (!next) return false;
            b = *next;
        }
        return true;
    }
    void skip(std::uint64_t count) { at_ += std::min(count, source_.size() - std::min(at_, source_.size())); }

private:
    bool fill() {
        filled_ = 0;
        if (at_ >= source_.size()) return false;
        start_ = at_;
        const auto wanted = static_cast<std::size_t>(std::min<std::uint64_t>(block_.size(), source_.size() - at_));
        if (!source_.read(start_, std::span(block_).first(wanted))) return false;
        filled_ = wanted;
        return true;
    }

    ByteSource& source_;
    std::uint64_t at_;
    std::uint64_t start_ = 0;
    std::size_t filled_ = 0;
    std::array<std::uint8_t, 4096> block_{};
};

// The code of the next marker: stray bytes before its FF, fill bytes (FF) and stuffed zeros
// (FF 00) are passed over, as decoders do, so a picture they show is never refused here.
std::optional<std::uint8_t> nextMarker(ForwardReader& in) {
    std::optional<std::uint8_t> b = in.byte();
    while (b) {
        while (b && *b != 0xFF) b = in.byte();
        while (b && *b == 0xFF) b = in.byte();
        if (b && *b != 0x00) return b;
        if (b) b = in.byte();
    }
    return std::nullopt;
}

bool isFrameHeader(std::uint8_t marker) {
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

// FF D8, then segments: FF, the marker, and (but for the markers that stand alone) a big-endian
// length that counts itself and the bytes after it. The first frame header holds the size:
//   FF C0..CF (not C4 DHT, C8 JPG, CC DAC)  length(2)  precision(1)  height(2)  width(2)  ...
// Image data (DA) or the end (D9) before it leaves the picture without one.
PictureHeader jpegHeader(ByteSource& source) {
    ForwardReader in(source, 2);
    for (;;) {
        const std::optional<std::uint8_t> marker = nextMarker(in);
        if (!marker || *marker == 0xD8 || *marker == 0xD9 || *marker == 0xDA) return corrupt();
        if (*marker == 0x01 || (*marker >= 0xD0 && *marker <= 0xD7)) continue;
        std::array<std::uint8_t, 2> length{};
        if (!in.take(length) || big16(length.data()) < 2) return corrupt();
        if (isFrameHeader(*marker)) {
            std::array<std::uint8_t, 5> frame{};
            if (big16(length.data()) < 2 + frame.size() || !in.take(frame)) return corrupt();
            return sized(big16(&frame[3]), big16(&frame[1]));
        }
        in.skip(big16(length.data()) - 2u);
    }
}

// 89 'P' 'N' 'G' 0D 0A 1A 0A, then chunks of length(4) type(4) data crc(4), big-endian. The
// first chunk must be the header:  13  "IHDR"  width(4)  height(4)  depth(1)  colour type(1) ...
PictureHeader pngHeader(ByteSource& source) {
    std::array<std::uint8_t, 24> head{};
    if (!source.read(0, head)) return corrupt();
    const std::span<const std::uint8_t> chunk = std::span(head).subspan(8);
    if (big32(chunk.data()) != 13 || !startsWith(chunk.subspan(4), "IHDR")) return corrupt();
    return sized(big32(&chunk[8]), big32(&chunk[12]));
}

// Skips a run of sub-blocks: length(1) and that many bytes, until a length of 0.
bool skipSubBlocks(ForwardReader& in) {
    for (;;) {
        const std::optional<std::uint8_t> length = in.byte();
        if (!length) return false;
        if (*length == 0) return true;
        in.skip(*length);
    }
}

// Skips the colour table that `flags` (bit 7 set) announces: 3 << ((flags & 7) + 1) bytes.
void skipColourTable(ForwardReader& in, std::uint8_t flags) {
    if (flags & 0x80) in.skip(3u << ((flags & 7) + 1));
}

// "GIF87a" or "GIF89a", the screen: width(2) height(2) flags(1) background(1) aspect(1),
// little-endian, and its colour table; then blocks until 3B:
//   2C  left(2) top(2) width(2) height(2) flags(1) [colour table] code size(1) sub-blocks
//   21  label(1) sub-blocks
// A picture may reach past the screen, and a decoder then makes room for it: the size is the
// screen widened to every picture's far edge. A file cut short keeps what was read.
PictureHeader gifHeader(ByteSource& source) {
    ForwardReader in(source, 6);
    std::array<std::uint8_t, 7> screen{};
    if (!in.take(screen)) return corrupt();
    std::uint64_t width = little16(&screen[0]), height = little16(&screen[2]);
    skipColourTable(in, screen[4]);
    for (std::optional<std::uint8_t> block = in.byte(); block && *block != 0x3B; block = in.byte()) {
        if (*block == 0x21) {
            if (!in.byte() || !skipSubBlocks(in)) break;
        } else if (*block == 0x2C) {
            std::array<std::uint8_t, 9> picture{};
            if (!in.take(picture)) break;
            width = std::max<std::uint64_t>(width, std::uint64_t{little16(&picture[0])} + little16(&picture[4]));
            height = std::max<std::uint64_t>(height, std::uint64_t{little16(&picture[2])} + little16(&picture[6]));
            skipColourTable(in, picture[8]);
            if (!in.byte() || !skipSubBlocks(in)) break;
        } else {
            break;
        }
    }
    return sized(width, height);
}

// "BM", file size(4), reserved(4), offset of the pixels(4); then the bitmap header, its size(4)
// first, little-endian:
//   12 (core)            width(2)  height(2)                        unsigned
//   16 or more (info…)   width(4)  height(4, negative: top-down)    signed
// A width below 1 claims no pixels.
PictureHeader bmpHeader(ByteSource& source) {
    std::array<std::uint8_t, 26> head{};
    if (!source.read(0, std::span(head).first(22))) return corrupt();
    const std::uint32_t headerSize = little32(&head[14]);
    if (headerSize == 12) return sized(little16(&head[18]), little16(&head[20]));
    if (headerSize < 16 || !source.read(22, std::span(head).subspan(22))) return corrupt();
    const auto width = static_cast<std::int32_t>(little32(&head[18]));
    const auto height = static_cast<std::int64_t>(static_cast<std::int32_t>(little32(&head[22])));
    return sized(static_cast<std::uint64_t>(std::max(width, 0)), static_cast<std::uint64_t>(height < 0 ? -height : height));
}

// "II" (little-endian) or "MM" (big-endian), 42, offset of the first directory(4); a directory
// is count(2) and entries of  tag(2) type(2) count(4) value(4). BigTIFF has 43, then 8 (the
// offset size) and 0, offset(8); count(8), entries of  tag(2) type(2) count(8) value(8). The
// first directory's ImageWidth (256) and ImageLength (257) hold the size, SHORT (3) or LONG (4),
// or in BigTIFF LONG8 (16), the value at the start of its field.
PictureHeader tiffHeader(ByteSource& source, bool bigEndian) {
    std::array<std::uint8_t, 16> head{};
    if (!source.read(0, std::span(head).first(8))) return corrupt();
    const bool wide = number(&head[2], 2, bigEndian) == 43;
    if (wide && (!source.read(8, std::span(head).subspan(8)) || number(&head[4], 2, bigEndian) != 8 || number(&head[6], 2, bigEndian) != 0)) return corrupt();
    const std::size_t word = wide ? 8 : 4;
    const std::size_t countSize = wide ? 8 : 2;
    const std::size_t entrySize = 4 + 2 * word;
    const std::uint64_t directory = number(&head[wide ? 8 : 4], word, bigEndian);
    std::array<std::uint8_t, 8> count{};
    if (directory > source.size() || !source.read(directory, std::span(count).first(countSize))) return corrupt();
    const std::uint64_t entries = std::min(number(count.data(), countSize, bigEndian), kMaxTiffEntries);
    std::optional<std::uint64_t> width, height;
    for (std::uint64_t i = 0; i < entries && !(width && height); ++i) {
        std::array<std::uint8_t, 20> entry{};
        if (!source.read(directory + countSize + i * entrySize, std::span(entry).first(entrySize))) break;
        const auto tag = number(&entry[0], 2, bigEndian);
        if (tag != kTagImageWidth && tag != kTagImageLength) continue;
        const auto type = number(&entry[2], 2, bigEndian);
        const std::size_t valueSize = type == 3 ? 2 : type == 4 ? 4 : (wide && type == 16) ? 8 : 0;
        if (valueSize == 0 || number(&entry[4], word, bigEndian) == 0) return corrupt();
        std::optional<std::uint64_t>& side = tag == kTagImageWidth ? width : height;
        if (!side) side = number(&entry[4 + word], valueSize, bigEndian);
    }
    if (!width || !height) return corrupt();
    return sized(*width, *height);
}

}  // namespace

PictureHeader readPictureHeader(ByteSource& source) {
    std::array<std::uint8_t, 8> magic{};
    const auto head = std::span(magic).first(static_cast<std::size_t>(std::min<std::uint64_t>(magic.size(), source.size())));
    if (!source.read(0, head)) return {};
    if (startsWith(head, "\xFF\xD8")) return jpegHeader(source);
    if (std::equal(kPngSignature.begin(), kPngSignature.end(), head.begin(), head.end())) return pngHeader(source);
    if (startsWith(head, "GIF87a") || startsWith(head, "GIF89a")) return gifHeader(source);
    if (startsWith(head, "BM")) return bmpHeader(source);
    if (startsWith(head, std::string_view("II*\0", 4)) || startsWith(head, std::string_view("II+\0", 4))) return tiffHeader(source, false);
    if (startsWith(head, std::string_view("MM\0*", 4)) || startsWith(head, std::string_view("MM\0+", 4))) return tiffHeader(source, true);
    return {};
}

bool mayDecode(const PictureHeader& header) {
    switch (header.reading) {
    case HeaderReading::UnknownFormat:
        return true;
    case HeaderReading::Sized:
        return header.width > 0 && header.height > 0 && header.pixels() <= kPixelBudget;
    case HeaderReading::Corrupt:
        break;
    }
    return false;
}

}  // namespace quillory
