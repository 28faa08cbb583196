#include "photoinfo/property_reader.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace quillory {

namespace {

// Limits that keep a hostile file from costing more than a real picture ever needs.
constexpr std::size_t kMaxItems = 4096;
constexpr std::uint64_t kMaxValueLength = 1u << 20;
constexpr int kMaxJpegSegments = 1000;
constexpr int kMaxPngChunks = 100000;
constexpr std::size_t kEntrySize = 12;
// Metadata sits at the start of a file; one read of this much serves most pictures whole.
constexpr std::size_t kHeadSize = 8192;

constexpr std::array<std::uint8_t, 6> kExifPrefix{'E', 'x', 'i', 'f', 0, 0};
constexpr std::array<std::uint8_t, 8> kPngSignature{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};

// Bytes per value of the types the decoder knows; 0 for the rest, which are left out.
std::uint32_t typeSize(std::uint16_t type) {
    switch (type) {
    case PropertyTypeByte:
    case PropertyTypeAscii:
    case PropertyTypeUndefined:
        return 1;
    case PropertyTypeShort:
        return 2;
    case PropertyTypeLong:
    case PropertyTypeSLong:
        return 4;
    case PropertyTypeRational:
    case PropertyTypeSRational:
        return 8;
    default:
        return 0;
    }
}

// Size of the numbers inside one value that need their byte order turned.
std::uint32_t wordSize(std::uint16_t type) {
    return type == PropertyTypeShort ? 2 : (typeSize(type) >= 4 ? 4 : 1);
}

std::uint16_t bigEndian16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] << 8 | p[1]); }
std::uint32_t bigEndian32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) << 24 | static_cast<std::uint32_t>(p[1]) << 16 | static_cast<std::uint32_t>(p[2]) << 8 | p[3];
}

// The source with its first bytes read once, so the many small reads of the directories cost
// one system call rather than one each.
class HeadCachedSource final : public ByteSource {
public:
    explicit HeadCachedSource(ByteSource& source) : source_(source) {
        head_.resize(static_cast<std::size_t>(std::min<std::uint64_t>(source.size(), kHeadSize)));
        if (!source_.read(0, head_)) head_.clear();
    }
    std::uint64_t size() const override { return source_.size(); }
    bool read(std::uint64_t offset, std::span<std::uint8_t> out) override {
        if (offset <= head_.size() && out.size() <= head_.size() - offset) {
            std::copy_n(head_.begin() + static_cast<std::ptrdiff_t>(offset), out.size(), out.begin());
            return true;
        }
        return source_.read(offset, out);
    }

private:
    ByteSource& source_;
    std::vector<std::uint8_t> head_;
};

// A range of the source, read with offsets relative to its start; nothing outside it is read.
class Window {
public:
    Window(ByteSource& source, std::uint64_t base, std::uint64_t size) : source_(&source), base_(base), size_(size) {}

    std::uint64_t size() const { return size_; }
    bool read(std::uint64_t offset, std::span<std::uint8_t> out) const {
        if (offset > size_ || out.size() > size_ - offset) return false;
        return source_->read(base_ + offset, out);
    }
    Window sub(std::uint64_t offset, std::uint64_t size) const {
        return Window(*source_, base_ + offset, std::min(size, size_ - std::min(offset, size_)));
    }

private:
    ByteSource* source_;
    std::uint64_t base_;
    std::uint64_t size_;
};

struct DirectoryEntry {
    std::uint16_t tag = 0;
    std::uint16_t type = 0;
    std::uint32_t count = 0;
    std::array<std::uint8_t, 4> field{};  // the value itself when it fits, else its offset
};

// The TIFF structure inside a window: header, directories and values in the file's byte order.
class TiffReader {
public:
    explicit TiffReader(Window window) : window_(window) {}

    bool readHeader() {
        std::array<std::uint8_t, 8> header{};
        if (!window_.read(0, header)) return false;
        if (header[0] == 'I' && header[1] == 'I') {
            bigEndian_ = false;
        } else if (header[0] == 'M' && header[1] == 'M') {
            bigEndian_ = true;
        } else {
            return false;
        }
        if (u16(&header[2]) != 42) return false;
        firstDirectory_ = u32(&header[4]);
        return true;
    }

    std::uint32_t firstDirectory() const { return firstDirectory_; }

    // The entries of one directory that lie wholly inside the window.
    std::vector<DirectoryEntry> directory(std::uint32_t offset) const {
        std::array<std::uint8_t, 2> countBytes{};
        if (!window_.read(offset, countBytes)) return {};
        const std::uint64_t tableStart = std::uint64_t{offset} + 2;
        const std::uint64_t room = window_.size() - std::min(tableStart, window_.size());
        const std::size_t count = std::min<std::size_t>(u16(countBytes.data()), static_cast<std::size_t>(room / kEntrySize));
        std::vector<std::uint8_t> table(count * kEntrySize);
        if (count == 0 || !window_.read(tableStart, table)) return {};
        std::vector<DirectoryEntry> entries(count);
        for (std::size_t i = 0; i < count; ++i) {
            const std::uint8_t* p = &table[i * kEntrySize];
            entries[i].tag = u16(p);
            entries[i].type = u16(p + 2);
            entries[i].count = u32(p + 4);
            std::memcpy(entries[i].field.data(), p + 8, 4);
        }
        return entries;
    }

    // The entry as an item with a little-endian value, or nothing when it cannot be had.
    std::optional<PropertyItem> item(const DirectoryEntry& entry) const {
        const std::uint32_t size = typeSize(entry.type);
        const std::uint64_t length = std::uint64_t{size} * entry.count;
        if (size == 0 || length > kMaxValueLength || length > window_.size()) return std::nullopt;
        PropertyItem item{entry.tag, entry.type, static_cast<std::uint32_t>(length), std::vector<std::uint8_t>(length)};
        if (length <= 4) {
            std::copy_n(entry.field.begin(), length, item.value.begin());
        } else if (!window_.read(u32(entry.field.data()), item.value)) {
            return std::nullopt;
        }
        if (bigEndian_) reverseWords(item.value, wordSize(entry.type));
        return item;
    }

    std::uint32_t fieldNumber(const DirectoryEntry& entry) const { return u32(entry.field.data()); }

private:
    std::uint16_t u16(const std::uint8_t* p) const { return bigEndian_ ? bigEndian16(p) : static_cast<std::uint16_t>(p[1] << 8 | p[0]); }
    std::uint32_t u32(const std::uint8_t* p) const {
        if (bigEndian_) return bigEndian32(p);
        return static_cast<std::uint32_t>(p[3]) << 24 | static_cast<std::uint32_t>(p[2]) << 16 |
               static_cast<std::uint32_t>(p[1]) << 8 | p[0];
    }
    static void reverseWords(std::vector<std::uint8_t>& bytes, std::uint32_t word) {
        if (word < 2) return;
        for (auto at = bytes.begin(); bytes.end() - at >= static_cast<std::ptrdiff_t>(word); at += word) std::reverse(at, at + word);
    }

    Window window_;
    bool bigEndian_ = false;
    std::uint32_t firstDirectory_ = 0;
};

bool startsWith(const Window& window, std::uint64_t offset, std::span<const std::uint8_t> prefix) {
    std::array<std::uint8_t, 8> head{};
    const auto part = std::span(head).first(prefix.size());
    return window.read(offset, part) && std::equal(prefix.begin(), prefix.end(), part.begin());
}

// The TIFF data of a JPEG: the first APP1 segment that starts with "Exif\0\0".
std::optional<Window> jpegExif(const Window& file) {
    std::uint64_t at = 2;
    for (int segment = 0; segment < kMaxJpegSegments; ++segment) {
        std::array<std::uint8_t, 4> marker{};
        if (!file.read(at, marker) || marker[0] != 0xFF) return std::nullopt;
        const std::uint8_t kind = marker[1];
        if (kind == 0xFF) {  // fill byte before a marker
            ++at;
            continue;
        }
        if (kind == 0xDA || kind == 0xD9) return std::nullopt;  // image data or end: no Exif
        if (kind == 0x01 || (kind >= 0xD0 && kind <= 0xD7)) {
            at += 2;
            continue;
        }
        const std::uint16_t length = bigEndian16(&marker[2]);
        if (length < 2) return std::nullopt;
        if (kind == 0xE1 && length >= 2 + kExifPrefix.size() && startsWith(file, at + 4, kExifPrefix)) {
            return file.sub(at + 4 + kExifPrefix.size(), length - 2 - kExifPrefix.size());
        }
        at += 2 + std::uint64_t{length};
    }
    return std::nullopt;
}

// The TIFF data of a PNG: its eXIf chunk (some writers keep the "Exif\0\0" prefix inside it).
std::optional<Window> pngExif(const Window& file) {
    std::uint64_t at = kPngSignature.size();
    for (int chunk = 0; chunk < kMaxPngChunks; ++chunk) {
        std::array<std::uint8_t, 8> header{};
        if (!file.read(at, header)) return std::nullopt;
        const std::uint32_t length = bigEndian32(header.data());
        const std::string_view type(reinterpret_cast<const char*>(&header[4]), 4);
        if (type == "IEND") return std::nullopt;
        if (type == "eXIf") {
            const Window data = file.sub(at + 8, length);
            if (startsWith(data, 0, kExifPrefix)) return data.sub(kExifPrefix.size(), data.size());
            return data;
        }
        at += 12 + std::uint64_t{length};
    }
    return std::nullopt;
}

std::optional<TiffReader> openTiff(ByteSource& source) {
    const Window file(source, 0, source.size());
    std::array<std::uint8_t, 2> magic{};
    if (!file.read(0, magic)) return std::nullopt;
    std::optional<Window> tiff;
    if (magic[0] == 0xFF && magic[1] == 0xD8) {
        tiff = jpegExif(file);
    } else if (startsWith(file, 0, kPngSignature)) {
        tiff = pngExif(file);
    } else if ((magic[0] == 'I' && magic[1] == 'I') || (magic[0] == 'M' && magic[1] == 'M')) {
        tiff = file;
    }
    if (!tiff) return std::nullopt;
    TiffReader reader(*tiff);
    if (!reader.readHeader()) return std::nullopt;
    return reader;
}

// The offsets of the Exif and GPS directories named by the first directory.
struct SubDirectories {
    std::optional<std::uint32_t> exif, gps;
};

SubDirectories subDirectoriesOf(const TiffReader& reader, const std::vector<DirectoryEntry>& first) {
    SubDirectories found;
    for (const DirectoryEntry& entry : first) {
        const bool pointer = entry.count == 1 && (entry.type == PropertyTypeLong || entry.type == 13);
        if (!pointer) continue;
        if (entry.tag == kTagExifDirectory && !found.exif) found.exif = reader.fieldNumber(entry);
        if (entry.tag == kTagGpsDirectory && !found.gps) found.gps = reader.fieldNumber(entry);
    }
    return found;
}

}  // namespace

std::vector<PropertyItem> readPropertyItems(ByteSource& file) {
    HeadCachedSource source(file);
    const std::optional<TiffReader> reader = openTiff(source);
    if (!reader) return {};
    const std::uint32_t firstOffset = reader->firstDirectory();
    const std::vector<DirectoryEntry> first = reader->directory(firstOffset);
    const SubDirectories sub = subDirectoriesOf(*reader, first);

    // Each directory is read once, however the pointers loop back.
    std::vector<std::uint32_t> offsets{firstOffset};
    std::vector<PropertyItem> items;
    auto take = [&](const std::vector<DirectoryEntry>& entries) {
        for (const DirectoryEntry& entry : entries) {
            if (items.size() >= kMaxItems) return;
            if (auto item = reader->item(entry)) items.push_back(std::move(*item));
        }
    };
    take(first);
    for (const std::optional<std::uint32_t>& offset : {sub.exif, sub.gps}) {
        if (!offset || std::find(offsets.begin(), offsets.end(), *offset) != offsets.end()) continue;
        offsets.push_back(*offset);
        take(reader->directory(*offset));
    }
    return items;
}

std::optional<std::string> readDateTimeOriginal(ByteSource& file) {
    HeadCachedSource source(file);
    const std::optional<TiffReader> reader = openTiff(source);
    if (!reader) return std::nullopt;
    const SubDirectories sub = subDirectoriesOf(*reader, reader->directory(reader->firstDirectory()));
    if (!sub.exif) return std::nullopt;
    for (const DirectoryEntry& entry : reader->directory(*sub.exif)) {
        if (entry.tag != kTagDateTimeOriginal) continue;
        if (entry.type != PropertyTypeAscii) return std::nullopt;
        const std::optional<PropertyItem> item = reader->item(entry);
        if (!item) return std::nullopt;
        const auto end = std::find(item->value.begin(), item->value.end(), std::uint8_t{0});
        return std::string(item->value.begin(), end);
    }
    return std::nullopt;
}

}  // namespace quillory
