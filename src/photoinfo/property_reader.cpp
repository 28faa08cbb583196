#include "photoinfo/property_reader.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "photoinfo/container_exif.h"

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
// The date ordering reads this much first: cameras store DateTimeOriginal in the first kilobyte.
constexpr std::size_t kDateHeadSize = 1024;
// Reads up to here widen the cached head; further ones go to the file itself.
constexpr std::size_t kHeadLimit = 65536;

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

// The source with its first bytes held in a buffer the caller keeps. The head is read in one
// go and widened with one more read when a read lies further within kHeadLimit, so the many
// small reads of the directories cost a system call or two rather than one each, and a reader
// of many files reuses one buffer.
class HeadCachedSource final : public ByteSource {
public:
    HeadCachedSource(ByteSource& source, std::vector<std::uint8_t>& head, std::size_t firstRead) : source_(source), head_(head) {
        head_.clear();
        widen(firstRead);
    }
    std::uint64_t size() const override { return source_.size(); }
    bool read(std::uint64_t offset, std::span<std::uint8_t> out) override {
        if (offset > size() || out.size() > size() - offset) return false;
        const std::uint64_t end = offset + out.size();
        if (end > head_.size() && end <= kHeadLimit) widen(std::max<std::uint64_t>(end, 2 * head_.size()));
        if (end <= head_.size()) {
            std::copy_n(head_.begin() + static_cast<std::ptrdiff_t>(offset), out.size(), out.begin());
            return true;
        }
        return source_.read(offset, out);
    }

private:
    void widen(std::uint64_t wanted) {
        const std::size_t held = head_.size();
        head_.resize(static_cast<std::size_t>(std::min({wanted, std::uint64_t{kHeadLimit}, size()})));
        if (head_.size() > held && !source_.read(held, std::span(head_).subspan(held))) head_.resize(held);
    }

    ByteSource& source_;
    std::vector<std::uint8_t>& head_;
};

// A range of the source, read with offsets relative to its start; nothing outside it is read.
class Window {
public:
    Window(ByteSource& source, std::uint64_t base, std::uint64_t size) : source_(&source), base_(base), size_(size) {}

    std::uint64_t size() const { return size_; }
    // The file's bytes at `offset` within the window, when all `size` of them lie inside it.
    std::optional<ByteRange> rangeOf(std::uint64_t offset, std::uint64_t size) const {
        if (offset > size_ || size > size_ - offset) return std::nullopt;
        return ByteRange{base_ + offset, size};
    }
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

    // The table of the directory at `offset`, cut to the entries that lie wholly inside the
    // window, read in one piece into `table` (a buffer the caller may reuse). Gives the count.
    std::size_t readDirectory(std::uint32_t offset, std::vector<std::uint8_t>& table) const {
        table.clear();
        std::array<std::uint8_t, 2> countBytes{};
        if (!window_.read(offset, countBytes)) return 0;
        const std::uint64_t start = std::uint64_t{offset} + 2;
        const std::uint64_t room = window_.size() - std::min(start, window_.size());
        const std::size_t count = std::min<std::size_t>(u16(countBytes.data()), static_cast<std::size_t>(room / kEntrySize));
        table.resize(count * kEntrySize);
        if (window_.read(start, table)) return count;
        table.clear();
        return 0;
    }

    // Where the directory after the one at `offset` starts (0 after the last one); nothing when
    // the directory is cut short.
    std::optional<std::uint32_t> nextDirectory(std::uint32_t offset) const {
        std::array<std::uint8_t, 2> countBytes{};
        std::array<std::uint8_t, 4> next{};
        if (!window_.read(offset, countBytes) || !window_.read(std::uint64_t{offset} + 2 + kEntrySize * u16(countBytes.data()), next)) return std::nullopt;
        return u32(next.data());
    }

    const Window& window() const { return window_; }

    DirectoryEntry entryOf(std::span<const std::uint8_t> table, std::size_t index) const {
        const std::uint8_t* p = &table[index * kEntrySize];
        DirectoryEntry entry{u16(p), u16(p + 2), u32(p + 4), {}};
        std::copy_n(p + 8, 4, entry.field.begin());
        return entry;
    }

    // The value's size, when the decoder knows its type and the value lies inside the window;
    // entries without one are left out.
    std::optional<std::uint32_t> valueLength(const DirectoryEntry& entry) const {
        const std::uint64_t length = std::uint64_t{typeSize(entry.type)} * entry.count;
        if (typeSize(entry.type) == 0 || length > kMaxValueLength || length > window_.size()) return std::nullopt;
        if (length > 4 && u32(entry.field.data()) > window_.size() - length) return std::nullopt;
        return static_cast<std::uint32_t>(length);
    }

    // The first bytes of the value, as stored (the file's byte order).
    bool readValue(const DirectoryEntry& entry, std::uint32_t length, std::span<std::uint8_t> out) const {
        if (length <= 4) {
            std::copy_n(entry.field.begin(), std::min<std::size_t>(out.size(), length), out.begin());
            return true;
        }
        return window_.read(u32(entry.field.data()), out);
    }

    // The entry as an item with a little-endian value, or nothing when it cannot be had.
    std::optional<PropertyItem> item(const DirectoryEntry& entry, std::uint32_t length) const {
        PropertyItem item{entry.tag, entry.type, length, std::vector<std::uint8_t>(length)};
        if (!readValue(entry, length, item.value)) return std::nullopt;
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

// The TIFF structure of a picture, wherever its container keeps it. `scratch` serves the
// containers whose tables are read whole.
std::optional<TiffReader> openTiff(ByteSource& source, std::vector<std::uint8_t>& scratch) {
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
    } else if (const std::optional<ByteRange> range = containerExif(source, scratch)) {
        tiff = file.sub(range->offset, range->size);
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

SubDirectories subDirectoriesOf(const TiffReader& reader, std::span<const std::uint8_t> firstTable) {
    SubDirectories found;
    for (std::size_t i = 0; i < firstTable.size() / kEntrySize; ++i) {
        const DirectoryEntry entry = reader.entryOf(firstTable, i);
        const bool pointer = entry.count == 1 && (entry.type == PropertyTypeLong || entry.type == 13);
        if (!pointer) continue;
        if (entry.tag == kTagExifDirectory && !found.exif) found.exif = reader.fieldNumber(entry);
        if (entry.tag == kTagGpsDirectory && !found.gps) found.gps = reader.fieldNumber(entry);
    }
    return found;
}

// Hands `visit` every entry that becomes an item, with its value's length, in stored order:
// the first directory, then the Exif and the GPS directory, each once however the pointers loop
// back, until `visit` returns true. The full read and the date read both walk here, so they
// agree on which item a tag means. `table` holds one directory at a time.
template <typename Visit>
void walkItems(const TiffReader& reader, std::vector<std::uint8_t>& table, Visit visit) {
    const std::uint32_t first = reader.firstDirectory();
    reader.readDirectory(first, table);
    const SubDirectories sub = subDirectoriesOf(reader, table);
    std::array<std::uint32_t, 3> offsets{first, 0, 0};
    std::size_t directories = 1;
    for (const std::optional<std::uint32_t>& offset : {sub.exif, sub.gps}) {
        const auto known = offsets.begin() + static_cast<std::ptrdiff_t>(directories);
        if (offset && std::find(offsets.begin(), known, *offset) == known) offsets[directories++] = *offset;
    }
    std::size_t items = 0;
    for (std::size_t d = 0; d < directories; ++d) {
        const std::size_t count = d == 0 ? table.size() / kEntrySize : reader.readDirectory(offsets[d], table);
        for (std::size_t i = 0; i < count; ++i) {
            if (items >= kMaxItems) return;
            const DirectoryEntry entry = reader.entryOf(table, i);
            const std::optional<std::uint32_t> length = reader.valueLength(entry);
            if (!length) continue;
            ++items;
            if (visit(entry, *length)) return;
        }
    }
}

// The LONG value of the one-value entry `tag` in a directory's table.
std::optional<std::uint32_t> longValueOf(const TiffReader& reader, std::span<const std::uint8_t> table, std::uint16_t tag) {
    for (std::size_t i = 0; i < table.size() / kEntrySize; ++i) {
        const DirectoryEntry entry = reader.entryOf(table, i);
        if (entry.tag == tag) return entry.type == PropertyTypeLong && entry.count == 1 ? std::optional(reader.fieldNumber(entry)) : std::nullopt;
    }
    return std::nullopt;
}

}  // namespace

std::optional<ByteRange> findExifThumbnail(ByteSource& file) {
    std::vector<std::uint8_t> head;
    HeadCachedSource source(file, head, kHeadSize);
    std::vector<std::uint8_t> table;
    const std::optional<TiffReader> reader = openTiff(source, table);
    if (!reader) return std::nullopt;
    const std::optional<std::uint32_t> second = reader->nextDirectory(reader->firstDirectory());
    if (!second || *second == 0 || *second == reader->firstDirectory()) return std::nullopt;
    reader->readDirectory(*second, table);
    const std::optional<std::uint32_t> offset = longValueOf(*reader, table, kTagThumbnailOffset);
    const std::optional<std::uint32_t> length = longValueOf(*reader, table, kTagThumbnailLength);
    if (!offset || !length || *length == 0) return std::nullopt;
    return reader->window().rangeOf(*offset, *length);
}

std::vector<PropertyItem> readPropertyItems(ByteSource& file) {
    std::vector<std::uint8_t> head;
    HeadCachedSource source(file, head, kHeadSize);
    std::vector<std::uint8_t> table;
    const std::optional<TiffReader> reader = openTiff(source, table);
    if (!reader) return {};
    std::vector<PropertyItem> items;
    walkItems(*reader, table, [&](const DirectoryEntry& entry, std::uint32_t length) {
        if (auto item = reader->item(entry, length)) items.push_back(std::move(*item));
        return false;
    });
    return items;
}

DateTimeOriginalReader::DateTimeOriginalReader() {
    head_.reserve(kHeadLimit);
    table_.reserve(64 * kEntrySize);
}

std::optional<std::string_view> DateTimeOriginalReader::read(ByteSource& file) {
    HeadCachedSource source(file, head_, kDateHeadSize);
    const std::optional<TiffReader> reader = openTiff(source, table_);
    if (!reader) return std::nullopt;
    std::optional<std::string_view> date;
    walkItems(*reader, table_, [&](const DirectoryEntry& entry, std::uint32_t length) {
        if (entry.tag != kTagDateTimeOriginal) return false;
        if (entry.type != PropertyTypeAscii) return true;
        const auto stored = std::span(date_).first(std::min<std::size_t>(length, date_.size()));
        if (!reader->readValue(entry, length, stored)) return false;
        date.emplace(reinterpret_cast<const char*>(stored.data()), std::find(stored.begin(), stored.end(), std::uint8_t{0}) - stored.begin());
        return true;
    });
    return date;
}

std::optional<std::string> readDateTimeOriginal(ByteSource& source) {
    DateTimeOriginalReader reader;
    const std::optional<std::string_view> date = reader.read(source);
    if (!date) return std::nullopt;
    return std::string(*date);
}

std::optional<std::uint16_t> readOrientation(ByteSource& file) {
    std::vector<std::uint8_t> head;
    HeadCachedSource source(file, head, kHeadSize);
    std::vector<std::uint8_t> table;
    const std::optional<TiffReader> reader = openTiff(source, table);
    if (!reader) return std::nullopt;
    const std::size_t count = reader->readDirectory(reader->firstDirectory(), table);
    for (std::size_t i = 0; i < count; ++i) {
        const DirectoryEntry entry = reader->entryOf(table, i);
        if (entry.tag != kTagOrientation) continue;
        if (entry.type != PropertyTypeShort || entry.count == 0) return std::nullopt;
        const std::optional<PropertyItem> item = reader->item(entry, 2);  // the first value, little-endian
        if (!item) return std::nullopt;
        return static_cast<std::uint16_t>(item->value[0] | item->value[1] << 8);
    }
    return std::nullopt;
}

}  // namespace quillory
