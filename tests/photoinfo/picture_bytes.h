#pragma once
// Builds the first bytes of pictures (JPEG segments, PNG chunks, GIF blocks, BMP headers) byte by
// byte, so tests state exactly what a header claims; and a whole PNG of blank rows, valid to
// the last checksum, whose size on disk stays small however many pixels it claims.
#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "photoinfo/exif_builder.h"

namespace quillory::testing {

// FF, the marker, the big-endian length (itself and the payload), the payload.
inline std::vector<std::uint8_t> jpegSegment(std::uint8_t marker, const std::vector<std::uint8_t>& payload) {
    std::vector<std::uint8_t> out{0xFF, marker};
    appendBigEndian(out, static_cast<std::uint32_t>(payload.size() + 2), 2);
    out.insert(out.end(), payload.begin(), payload.end());
    return out;
}

// A frame header of one 8-bit component.
inline std::vector<std::uint8_t> jpegFrame(std::uint8_t marker, std::uint16_t width, std::uint16_t height) {
    std::vector<std::uint8_t> payload{8};
    appendBigEndian(payload, height, 2);
    appendBigEndian(payload, width, 2);
    payload.insert(payload.end(), {1, 1, 0x11, 0});
    return jpegSegment(marker, payload);
}

// FF D8, the pieces in order, a token of image data and FF D9.
inline std::vector<std::uint8_t> jpegOf(const std::vector<std::vector<std::uint8_t>>& pieces) {
    std::vector<std::uint8_t> out{0xFF, 0xD8};
    for (const auto& piece : pieces) out.insert(out.end(), piece.begin(), piece.end());
    const std::vector<std::uint8_t> scan = jpegSegment(0xDA, {1, 1, 0, 0, 0x3F, 0});
    out.insert(out.end(), scan.begin(), scan.end());
    out.insert(out.end(), {0x12, 0x34, 0xFF, 0xD9});
    return out;
}

inline std::vector<std::uint8_t> jfifSegment() { return jpegSegment(0xE0, {'J', 'F', 'I', 'F', 0, 1, 1, 0, 0, 1, 0, 1, 0, 0}); }

inline std::uint32_t crc32Of(std::span<const std::uint8_t> bytes) {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t c = 0xFFFFFFFFu;
    for (const std::uint8_t b : bytes) c = table[(c ^ b) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

// A chunk with its true checksum, which decoders check.
inline void appendCheckedPngChunk(std::vector<std::uint8_t>& out, std::string_view type, const std::vector<std::uint8_t>& data) {
    appendBigEndian(out, static_cast<std::uint32_t>(data.size()), 4);
    const std::size_t typeAt = out.size();
    out.insert(out.end(), type.begin(), type.end());
    out.insert(out.end(), data.begin(), data.end());
    appendBigEndian(out, crc32Of(std::span(out).subspan(typeAt)), 4);
}

inline std::vector<std::uint8_t> pngHeaderChunk(std::uint32_t width, std::uint32_t height) {
    std::vector<std::uint8_t> ihdr;
    appendBigEndian(ihdr, width, 4);
    appendBigEndian(ihdr, height, 4);
    ihdr.insert(ihdr.end(), {8, 0, 0, 0, 0});  // 8-bit grey, deflate, no interlace
    return ihdr;
}

// The signature and the header chunk alone.
inline std::vector<std::uint8_t> pngHeaderOnly(std::uint32_t width, std::uint32_t height) {
    std::vector<std::uint8_t> out{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    appendCheckedPngChunk(out, "IHDR", pngHeaderChunk(width, height));
    return out;
}

// The zlib stream of `count` zero bytes: one block of fixed codes, a literal 0 and then copies
// of 258 bytes from one byte back, 13 bits each, so a billion zeros take about 6 MB.
inline std::vector<std::uint8_t> deflatedZeros(std::uint64_t count) {
    std::vector<std::uint8_t> out{0x78, 0x01};
    std::uint32_t bits = 0;
    int held = 0;
    const auto put = [&](std::uint32_t value, int size) {  // least significant bit first
        bits |= value << held;
        held += size;
        for (; held >= 8; held -= 8, bits >>= 8) out.push_back(static_cast<std::uint8_t>(bits));
    };
    const auto putCode = [&](std::uint32_t code, int size) {  // Huffman codes go most significant bit first
        for (int i = size - 1; i >= 0; --i) put(code >> i & 1, 1);
    };
    put(1, 1);  // the last block
    put(1, 2);  // fixed codes
    putCode(0x30, 8);  // literal 0
    std::uint64_t left = count - 1;
    for (; left >= 258; left -= 258) {
        putCode(0xC5, 8);  // length 258
        putCode(0, 5);     // distance 1
    }
    for (; left > 0; --left) putCode(0x30, 8);
    putCode(0, 7);  // end of block
    if (held > 0) out.push_back(static_cast<std::uint8_t>(bits));
    appendBigEndian(out, static_cast<std::uint32_t>(count % 65521) << 16 | 1, 4);  // Adler-32 of zeros
    return out;
}

// A grey PNG whose every row is blank: valid and decodable, a few bytes per 2000 pixels.
inline std::vector<std::uint8_t> pngOfBlankRows(std::uint32_t width, std::uint32_t height) {
    std::vector<std::uint8_t> out = pngHeaderOnly(width, height);
    appendCheckedPngChunk(out, "IDAT", deflatedZeros(std::uint64_t{height} * (std::uint64_t{width} + 1)));
    appendCheckedPngChunk(out, "IEND", {});
    return out;
}

struct GifPicture {
    std::uint16_t left = 0, top = 0, width = 0, height = 0;
};

// A GIF with a global colour table of two colours, a graphic control extension, and one
// picture block (with a local table of four colours) for each of `pictures`.
inline std::vector<std::uint8_t> gifOf(std::uint16_t width, std::uint16_t height, const std::vector<GifPicture>& pictures) {
    std::vector<std::uint8_t> out{'G', 'I', 'F', '8', '9', 'a'};
    appendLittleEndian(out, width, 2);
    appendLittleEndian(out, height, 2);
    out.insert(out.end(), {0x80, 0, 0});
    out.insert(out.end(), 6, 0x7F);
    out.insert(out.end(), {0x21, 0xF9, 4, 0, 10, 0, 0, 0});
    for (const GifPicture& p : pictures) {
        out.push_back(0x2C);
        for (const std::uint16_t n : {p.left, p.top, p.width, p.height}) appendLittleEndian(out, n, 2);
        out.push_back(0x81);
        out.insert(out.end(), 12, 0x33);
        out.insert(out.end(), {2, 3, 0x44, 0x01, 0x05, 0});  // code size, one sub-block, the end
    }
    out.push_back(0x3B);
    return out;
}

// "BM" and its file header, then a bitmap header of `headerSize` bytes (12: the core header
// with 16-bit sides), and a token of pixels.
inline std::vector<std::uint8_t> bmpOf(std::uint32_t headerSize, std::int32_t width, std::int32_t height) {
    std::vector<std::uint8_t> out{'B', 'M'};
    appendLittleEndian(out, 14 + headerSize + 4, 4);
    appendLittleEndian(out, 0, 4);
    appendLittleEndian(out, 14 + headerSize, 4);
    appendLittleEndian(out, headerSize, 4);
    const int side = headerSize == 12 ? 2 : 4;
    appendLittleEndian(out, static_cast<std::uint32_t>(width), side);
    appendLittleEndian(out, static_cast<std::uint32_t>(height), side);
    appendLittleEndian(out, 1, 2);   // planes
    appendLittleEndian(out, 24, 2);  // bits per pixel
    out.resize(14 + headerSize, 0);
    out.insert(out.end(), {0, 0, 0xFF, 0});
    return out;
}

}  // namespace quillory::testing
