#pragma once
// Builds TIFF structures (and the JPEG, PNG and WebP files that carry them) byte by byte, so tests can
// state exactly what a picture stores: byte order, entry order, inline or out-of-line values.
#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/platform.h"

namespace quillory::testing {

struct BuiltEntry {
    std::uint16_t tag = 0;
    std::uint16_t type = 0;
    std::uint32_t count = 0;
    std::vector<std::uint32_t> words;  // numbers in value order (bytes for 1-byte types)
    std::uint32_t wordSize = 1;
};

inline BuiltEntry asciiEntry(std::uint16_t tag, std::string_view text) {
    BuiltEntry e{tag, 2, static_cast<std::uint32_t>(text.size() + 1), {}, 1};
    for (const char c : text) e.words.push_back(static_cast<unsigned char>(c));
    e.words.push_back(0);
    return e;
}
inline BuiltEntry bytesEntry(std::uint16_t tag, std::uint16_t type, std::vector<std::uint32_t> bytes) {
    const auto count = static_cast<std::uint32_t>(bytes.size());
    return {tag, type, count, std::move(bytes), 1};
}
inline BuiltEntry shortEntry(std::uint16_t tag, std::vector<std::uint32_t> values) {
    const auto count = static_cast<std::uint32_t>(values.size());
    return {tag, 3, count, std::move(values), 2};
}
inline BuiltEntry longEntry(std::uint16_t tag, std::vector<std::uint32_t> values, std::uint16_t type = 4) {
    const auto count = static_cast<std::uint32_t>(values.size());
    return {tag, type, count, std::move(values), 4};
}
// Pairs of numerator and denominator; type 5 RATIONAL or 10 SRATIONAL (negative numbers wrap).
inline BuiltEntry rationalEntry(std::uint16_t tag, std::vector<std::pair<std::int64_t, std::int64_t>> pairs, std::uint16_t type = 5) {
    BuiltEntry e{tag, type, static_cast<std::uint32_t>(pairs.size()), {}, 4};
    for (const auto& [n, d] : pairs) {
        e.words.push_back(static_cast<std::uint32_t>(n));
        e.words.push_back(static_cast<std::uint32_t>(d));
    }
    return e;
}

class TiffBuilder {
public:
    bool bigEndian = false;
    std::vector<BuiltEntry> first, exif, gps;

    std::vector<std::uint8_t> build() const {
        std::vector<BuiltEntry> firstWithPointers = first;
        if (!exif.empty()) firstWithPointers.push_back(longEntry(0x8769, {0}));
        if (!gps.empty()) firstWithPointers.push_back(longEntry(0x8825, {0}));
        const std::uint32_t firstAt = 8;
        const std::uint32_t exifAt = firstAt + directorySize(firstWithPointers);
        const std::uint32_t gpsAt = exifAt + (exif.empty() ? 0 : directorySize(exif));
        std::uint32_t dataAt = gpsAt + (gps.empty() ? 0 : directorySize(gps));
        for (BuiltEntry& e : firstWithPointers) {
            if (e.tag == 0x8769) e.words = {exifAt};
            if (e.tag == 0x8825) e.words = {gpsAt};
        }
        std::vector<std::uint8_t> out;
        out.insert(out.end(), bigEndian ? std::initializer_list<std::uint8_t>{'M', 'M'} : std::initializer_list<std::uint8_t>{'I', 'I'});
        put(out, 42, 2);
        put(out, firstAt, 4);
        std::vector<std::uint8_t> data;
        writeDirectory(out, data, firstWithPointers, dataAt);
        if (!exif.empty()) writeDirectory(out, data, exif, dataAt);
        if (!gps.empty()) writeDirectory(out, data, gps, dataAt);
        out.insert(out.end(), data.begin(), data.end());
        return out;
    }

    void put(std::vector<std::uint8_t>& out, std::uint32_t value, std::uint32_t size) const {
        for (std::uint32_t i = 0; i < size; ++i) {
            const std::uint32_t shift = bigEndian ? 8 * (size - 1 - i) : 8 * i;
            out.push_back(static_cast<std::uint8_t>(value >> shift));
        }
    }

private:
    static std::uint32_t directorySize(const std::vector<BuiltEntry>& entries) { return static_cast<std::uint32_t>(2 + 12 * entries.size() + 4); }

    std::vector<std::uint8_t> valueBytes(const BuiltEntry& e) const {
        std::vector<std::uint8_t> bytes;
        for (const std::uint32_t w : e.words) put(bytes, w, e.wordSize);
        return bytes;
    }

    // Values over four bytes go to the data area, which starts at `dataAt` in the file.
    void writeDirectory(std::vector<std::uint8_t>& out, std::vector<std::uint8_t>& data, const std::vector<BuiltEntry>& entries, std::uint32_t dataAt) const {
        put(out, static_cast<std::uint32_t>(entries.size()), 2);
        for (const BuiltEntry& e : entries) {
            put(out, e.tag, 2);
            put(out, e.type, 2);
            put(out, e.count, 4);
            std::vector<std::uint8_t> bytes = valueBytes(e);
            if (bytes.size() <= 4) {
                bytes.resize(4, 0);
                out.insert(out.end(), bytes.begin(), bytes.end());
            } else {
                put(out, dataAt + static_cast<std::uint32_t>(data.size()), 4);
                data.insert(data.end(), bytes.begin(), bytes.end());
            }
        }
        put(out, 0, 4);
    }
};

inline void appendBigEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int size) {
    for (int i = size - 1; i >= 0; --i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// Where a TIFF structure made by tiffWithThumbnail keeps its parts; tests bend them.
struct ThumbnailLayout {
    bool bigEndian = false;
    std::uint16_t orientation = 1;
    std::uint32_t secondAt = 26;  // just after the first directory and its one entry
    std::uint32_t offset = 56;    // just after the second directory
    std::optional<std::uint32_t> length;  // the thumbnail's own by default
    std::uint16_t offsetType = 4;
};

// A first directory holding an Orientation and a second one pointing at `thumbnail`, which
// follows it.
inline std::vector<std::uint8_t> tiffWithThumbnail(const std::vector<std::uint8_t>& thumbnail, const ThumbnailLayout& layout = {}) {
    TiffBuilder b;
    b.bigEndian = layout.bigEndian;
    const std::uint8_t order = layout.bigEndian ? 'M' : 'I';
    std::vector<std::uint8_t> tiff{order, order};
    const auto entry = [&](std::uint32_t tag, std::uint32_t type, std::uint32_t value) {
        b.put(tiff, tag, 2);
        b.put(tiff, type, 2);
        b.put(tiff, 1, 4);
        b.put(tiff, value, type == 3 ? 2 : 4);
        if (type == 3) b.put(tiff, 0, 2);
    };
    b.put(tiff, 42, 2);
    b.put(tiff, 8, 4);
    b.put(tiff, 1, 2);
    entry(0x0112, 3, layout.orientation);
    b.put(tiff, layout.secondAt, 4);
    b.put(tiff, 2, 2);
    entry(0x0201, layout.offsetType, layout.offset);
    entry(0x0202, 4, layout.length.value_or(static_cast<std::uint32_t>(thumbnail.size())));
    b.put(tiff, 0, 4);
    tiff.insert(tiff.end(), thumbnail.begin(), thumbnail.end());
    return tiff;
}

// A JPEG with a JFIF segment, the Exif segment and a token of image data.
inline std::vector<std::uint8_t> jpegWithExif(const std::vector<std::uint8_t>& tiff) {
    std::vector<std::uint8_t> out{0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 'J', 'F', 'I', 'F', 0, 1, 1, 0, 0, 1, 0, 1, 0, 0};
    out.insert(out.end(), {0xFF, 0xE1});
    appendBigEndian(out, static_cast<std::uint32_t>(tiff.size() + 8), 2);
    out.insert(out.end(), {'E', 'x', 'i', 'f', 0, 0});
    out.insert(out.end(), tiff.begin(), tiff.end());
    out.insert(out.end(), {0xFF, 0xDA, 0x00, 0x02, 0x12, 0x34, 0xFF, 0xD9});
    return out;
}

inline void appendPngChunk(std::vector<std::uint8_t>& out, std::string_view type, const std::vector<std::uint8_t>& data) {
    appendBigEndian(out, static_cast<std::uint32_t>(data.size()), 4);
    out.insert(out.end(), type.begin(), type.end());
    out.insert(out.end(), data.begin(), data.end());
    appendBigEndian(out, 0, 4);  // the reader does not check CRCs
}

inline std::vector<std::uint8_t> pngWithExif(const std::vector<std::uint8_t>& tiff) {
    std::vector<std::uint8_t> out{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    appendPngChunk(out, "IHDR", std::vector<std::uint8_t>(13, 0));
    appendPngChunk(out, "IDAT", std::vector<std::uint8_t>(20, 0x55));
    appendPngChunk(out, "eXIf", tiff);
    appendPngChunk(out, "IEND", {});
    return out;
}

inline void appendLittleEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

inline void appendRiffChunk(std::vector<std::uint8_t>& out, std::string_view fourcc, const std::vector<std::uint8_t>& data) {
    out.insert(out.end(), fourcc.begin(), fourcc.end());
    appendLittleEndian(out, static_cast<std::uint32_t>(data.size()), 4);
    out.insert(out.end(), data.begin(), data.end());
    if (data.size() % 2 != 0) out.push_back(0);
}

// An extended WebP: VP8X, a lossless image chunk of odd size (so the EXIF chunk lies behind a
// pad byte), then the EXIF chunk, bare or after "Exif\0\0".
inline std::vector<std::uint8_t> webpWithExif(const std::vector<std::uint8_t>& tiff, bool exifPrefix = false) {
    std::vector<std::uint8_t> body{'W', 'E', 'B', 'P'};
    appendRiffChunk(body, "VP8X", {0x08, 0, 0, 0, 7, 0, 0, 5, 0, 0});
    appendRiffChunk(body, "VP8L", {0x2F, 7, 0x40, 0x01, 0x00});
    std::vector<std::uint8_t> exif;
    if (exifPrefix) exif = {'E', 'x', 'i', 'f', 0, 0};
    exif.insert(exif.end(), tiff.begin(), tiff.end());
    appendRiffChunk(body, "EXIF", exif);
    std::vector<std::uint8_t> out{'R', 'I', 'F', 'F'};
    appendLittleEndian(out, static_cast<std::uint32_t>(body.size()), 4);
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

// A byte source over memory that remembers the furthest byte asked for.
class RecordingSource final : public ByteSource {
public:
    explicit RecordingSource(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}
    std::uint64_t size() const override { return bytes_.size(); }
    bool read(std::uint64_t offset, std::span<std::uint8_t> out) override {
        if (offset > bytes_.size() || out.size() > bytes_.size() - offset) return false;
        std::copy_n(bytes_.begin() + static_cast<std::ptrdiff_t>(offset), out.size(), out.begin());
        furthest = std::max<std::uint64_t>(furthest, offset + out.size());
        return true;
    }
    std::uint64_t furthest = 0;

private:
    std::vector<std::uint8_t> bytes_;
};

}  // namespace quillory::testing
