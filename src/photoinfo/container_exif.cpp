#include "photoinfo/container_exif.h"

#include <algorithm>
#include <array>
#include <span>
#include <string_view>

namespace quillory {

namespace {

// Limits that keep a hostile file from costing more than a real picture ever needs.
constexpr int kMaxChunks = 100000;
constexpr int kMaxBoxes = 10000;
constexpr std::uint64_t kMaxTableBox = 1u << 20;  // iinf and iloc are read whole, up to this
constexpr std::uint64_t kMaxExtents = 64;

constexpr std::array<std::uint8_t, 6> kExifPrefix{'E', 'x', 'i', 'f', 0, 0};

constexpr std::uint32_t fourcc(std::string_view name) {
    return static_cast<std::uint32_t>(static_cast<std::uint8_t>(name[0])) << 24 | static_cast<std::uint32_t>(static_cast<std::uint8_t>(name[1])) << 16 |
           static_cast<std::uint32_t>(static_cast<std::uint8_t>(name[2])) << 8 | static_cast<std::uint8_t>(name[3]);
}

// Brands under which a file may carry HEIF items: HEVC and AV1 stills and sequences.
constexpr std::array<std::uint32_t, 11> kHeifBrands{
    fourcc("mif1"), fourcc("mif2"), fourcc("msf1"), fourcc("heic"), fourcc("heix"), fourcc("heim"),
    fourcc("heis"), fourcc("hevc"), fourcc("hevx"), fourcc("avif"), fourcc("avis"),
};

std::uint32_t littleEndian32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[3]) << 24 | static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[1]) << 8 | p[0];
}

// Big-endian fields read one after another. A read past the end gives 0 and fails this and
// every later read, so a parser checks ok() once after a group of fields.
class Fields {
public:
    explicit Fields(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::uint64_t number(std::size_t size) {
        if (!ok_ || size > bytes_.size() - at_) {
            ok_ = false;
            return 0;
        }
        std::uint64_t value = 0;
        for (std::size_t i = 0; i < size; ++i) value = value << 8 | bytes_[at_ + i];
        at_ += size;
        return value;
    }
    void skip(std::uint64_t size) {
        if (!ok_ || size > bytes_.size() - at_) {
            ok_ = false;
            return;
        }
        at_ += static_cast<std::size_t>(size);
    }
    bool ok() const { return ok_; }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t at_ = 0;
    bool ok_ = true;
};

// The range without the "Exif\0\0" some writers put before the TIFF header.
ByteRange withoutExifPrefix(ByteSource& file, ByteRange range) {
    std::array<std::uint8_t, kExifPrefix.size()> head{};
    if (range.size >= head.size() && file.read(range.offset, head) && head == kExifPrefix) {
        return {range.offset + head.size(), range.size - head.size()};
    }
    return range;
}

// "RIFF" · size (4, little-endian, of all that follows it) · "WEBP" · chunks, each:
//   fourcc (4) · size (4, little-endian) · data · one pad byte when the size is odd
// The EXIF chunk holds the TIFF header itself.
std::optional<ByteRange> webpExif(ByteSource& file) {
    std::array<std::uint8_t, 12> header{};
    if (!file.read(0, header) || std::string_view(reinterpret_cast<const char*>(header.data()), 4) != "RIFF" ||
        std::string_view(reinterpret_cast<const char*>(&header[8]), 4) != "WEBP") {
        return std::nullopt;
    }
    const std::uint64_t end = std::min<std::uint64_t>(file.size(), 8 + std::uint64_t{littleEndian32(&header[4])});
    std::uint64_t at = header.size();
    for (int chunk = 0; chunk < kMaxChunks && end >= 8 && at <= end - 8; ++chunk) {
        std::array<std::uint8_t, 8> chunkHeader{};
        if (!file.read(at, chunkHeader)) return std::nullopt;
        const std::uint64_t size = littleEndian32(&chunkHeader[4]);
        if (std::string_view(reinterpret_cast<const char*>(chunkHeader.data()), 4) == "EXIF") {
            return withoutExifPrefix(file, {at + 8, std::min(size, end - at - 8)});
        }
        at += 8 + size + (size & 1);
    }
    return std::nullopt;
}

struct Box {
    std::uint32_t type = 0;
    std::uint64_t start = 0;  // of its contents
    std::uint64_t size = 0;   // of its contents
    std::uint64_t end() const { return start + size; }
};

// size (4, big-endian, of the whole box) · type (4) · largesize (8) when size is 1
// Size 0 runs to `end`, the end of the enclosing box or file. `header` holds the bytes from
// `at` on (all of them up to 16); nothing when the box does not fit before `end`.
std::optional<Box> parseBox(std::span<const std::uint8_t> header, std::uint64_t at, std::uint64_t end) {
    Fields fields(header);
    const std::uint64_t shortSize = fields.number(4);
    const auto type = static_cast<std::uint32_t>(fields.number(4));
    const std::uint64_t headerSize = shortSize == 1 ? 16 : 8;
    const std::uint64_t size = shortSize == 1 ? fields.number(8) : (shortSize == 0 ? end - at : shortSize);
    if (!fields.ok() || size < headerSize || size > end - at) return std::nullopt;
    return Box{type, at + headerSize, size - headerSize};
}

std::optional<Box> boxAt(ByteSource& file, std::uint64_t at, std::uint64_t end) {
    std::array<std::uint8_t, 16> header{};
    const auto part = std::span(header).first(static_cast<std::size_t>(std::min<std::uint64_t>(header.size(), end - at)));
    if (!file.read(at, part)) return std::nullopt;
    return parseBox(part, at, end);
}

// The first box of `type` among the boxes that follow one another from `at` to `end`.
std::optional<Box> findBox(ByteSource& file, std::uint64_t at, std::uint64_t end, std::uint32_t type) {
    for (int count = 0; count < kMaxBoxes && at < end; ++count) {
        const std::optional<Box> box = boxAt(file, at, end);
        if (!box) return std::nullopt;
        if (box->type == type) return box;
        at = box->end();
    }
    return std::nullopt;
}

// The contents of a box, read whole into `buffer`, when it is small enough for that.
std::optional<std::span<const std::uint8_t>> contentsOf(ByteSource& file, const std::optional<Box>& box, std::vector<std::uint8_t>& buffer) {
    if (!box || box->size > kMaxTableBox) return std::nullopt;
    buffer.resize(static_cast<std::size_t>(box->size));
    if (!file.read(box->start, buffer)) return std::nullopt;
    return std::span<const std::uint8_t>(buffer);
}

// major brand (4) · minor version (4) · compatible brands (4 each)
bool hasHeifBrand(ByteSource& file, const Box& ftyp, std::vector<std::uint8_t>& buffer) {
    const auto contents = contentsOf(file, ftyp, buffer);
    if (!contents) return false;
    Fields fields(*contents);
    const auto major = static_cast<std::uint32_t>(fields.number(4));
    fields.skip(4);
    for (std::uint32_t brand = major; fields.ok(); brand = static_cast<std::uint32_t>(fields.number(4))) {
        if (std::find(kHeifBrands.begin(), kHeifBrands.end(), brand) != kHeifBrands.end()) return true;
    }
    return false;
}

// iinf: version (1) · flags (3) · entry count (2; 4 from version 1) · infe boxes, each:
//   version (1) · flags (3) · item ID (2; 4 in version 3) · protection index (2) · item type (4) · ...
// Only versions 2 and 3 of infe name an item type. Gives the ID of the first "Exif" item.
std::optional<std::uint64_t> exifItemId(std::span<const std::uint8_t> iinf) {
    Fields fields(iinf);
    const std::uint64_t version = fields.number(1);
    fields.skip(3);
    const std::uint64_t entries = fields.number(version == 0 ? 2 : 4);
    if (!fields.ok()) return std::nullopt;
    std::uint64_t at = version == 0 ? 6 : 8;
    for (std::uint64_t entry = 0; entry < entries && at < iinf.size(); ++entry) {
        const std::optional<Box> box = parseBox(iinf.subspan(static_cast<std::size_t>(at)), at, iinf.size());
        if (!box) return std::nullopt;
        at = box->end();
        if (box->type != fourcc("infe")) continue;
        Fields infe(iinf.subspan(static_cast<std::size_t>(box->start), static_cast<std::size_t>(box->size)));
        const std::uint64_t infeVersion = infe.number(1);
        infe.skip(3);
        if (infeVersion != 2 && infeVersion != 3) continue;
        const std::uint64_t id = infe.number(infeVersion == 2 ? 2 : 4);
        infe.skip(2);
        if (infe.number(4) == fourcc("Exif") && infe.ok()) return id;
    }
    return std::nullopt;
}

bool isFieldSize(std::uint64_t size) { return size == 0 || size == 4 || size == 8; }

struct ExtentLayout {
    std::size_t indexSize, offsetSize, lengthSize;
};

// The extents of one item: index (versions 1 and 2) · offset · length, each of its own size.
// They must lie in the file one after another, so the item is one block; length 0 runs to the
// end of the file. A block cut short by the end of the file keeps what lies before the cut, as
// a truncated JPEG does.
std::optional<ByteRange> joinedExtents(Fields& fields, std::uint64_t count, const ExtentLayout& layout, std::uint64_t base, std::uint64_t fileSize) {
    if (count == 0 || count > kMaxExtents) return std::nullopt;
    ByteRange joined{base, 0};
    for (std::uint64_t extent = 0; extent < count; ++extent) {
        fields.skip(layout.indexSize);
        const std::uint64_t offset = fields.number(layout.offsetSize);
        std::uint64_t length = fields.number(layout.lengthSize);
        if (!fields.ok() || base > fileSize || offset > fileSize - base) return std::nullopt;
        const std::uint64_t start = base + offset;
        if (length == 0 || length > fileSize - start) length = fileSize - start;
        if (extent == 0) joined.offset = start;
        if (start != joined.offset + joined.size) return std::nullopt;
        joined.size += length;
    }
    return joined;
}

// iloc: version (1) · flags (3) · offset size, length size, base offset size, index size (4 bits
//   each; the last only in versions 1 and 2) · item count (2; 4 in version 2) · items, each:
//   item ID (2; 4 in version 2) · construction method (low 4 bits of 2; versions 1 and 2) ·
//   data reference index (2) · base offset · extent count (2) · extents
// Only items stored in this file at a file offset (method 0, reference 0) are read.
std::optional<ByteRange> itemLocation(std::span<const std::uint8_t> iloc, std::uint64_t itemId, std::uint64_t fileSize) {
    Fields fields(iloc);
    const std::uint64_t version = fields.number(1);
    fields.skip(3);
    const std::uint64_t sizes = fields.number(2);
    const std::uint64_t baseSize = sizes >> 4 & 15;
    const ExtentLayout layout{version == 0 ? 0 : static_cast<std::size_t>(sizes & 15), static_cast<std::size_t>(sizes >> 12 & 15),
                              static_cast<std::size_t>(sizes >> 8 & 15)};
    if (version > 2 || !isFieldSize(baseSize) || !isFieldSize(layout.indexSize) || !isFieldSize(layout.offsetSize) ||
        !isFieldSize(layout.lengthSize)) {
        return std::nullopt;
    }
    const std::size_t idSize = version == 2 ? 4 : 2;
    const std::uint64_t items = fields.number(idSize);
    // Every item takes at least six bytes, so a failed read ends the walk soon after the table.
    for (std::uint64_t item = 0; item < items && fields.ok(); ++item) {
        const std::uint64_t id = fields.number(idSize);
        const std::uint64_t method = version == 0 ? 0 : fields.number(2) & 15;
        const std::uint64_t reference = fields.number(2);
        const std::uint64_t base = fields.number(baseSize);
        const std::uint64_t extents = fields.number(2);
        if (id == itemId) {
            if (method != 0 || reference != 0 || !fields.ok()) return std::nullopt;
            return joinedExtents(fields, extents, layout, base, fileSize);
        }
        fields.skip(extents * (layout.indexSize + layout.offsetSize + layout.lengthSize));
    }
    return std::nullopt;
}

// Exif item: offset (4, big-endian) from after this field to the TIFF header · TIFF header ...
// The bytes skipped are usually "Exif\0\0"; a writer that counts them into the TIFF data is
// read as well.
std::optional<ByteRange> tiffOfExifItem(ByteSource& file, ByteRange item) {
    std::array<std::uint8_t, 4> field{};
    if (item.size < field.size() || !file.read(item.offset, field)) return std::nullopt;
    const std::uint64_t skipped = field.size() + Fields(field).number(4);
    if (skipped > item.size) return std::nullopt;
    return withoutExifPrefix(file, {item.offset + skipped, item.size - skipped});
}

// ftyp · meta · ... : the meta box (version and flags (4) · child boxes) lists the items in its
// iinf box and where their data lies in its iloc box.
std::optional<ByteRange> heifExif(ByteSource& file, std::vector<std::uint8_t>& buffer) {
    const std::uint64_t fileSize = file.size();
    const std::optional<Box> ftyp = boxAt(file, 0, fileSize);
    if (!ftyp || ftyp->type != fourcc("ftyp") || !hasHeifBrand(file, *ftyp, buffer)) return std::nullopt;
    const std::optional<Box> meta = findBox(file, ftyp->end(), fileSize, fourcc("meta"));
    if (!meta || meta->size < 4) return std::nullopt;
    const std::uint64_t children = meta->start + 4;
    const auto iinf = contentsOf(file, findBox(file, children, meta->end(), fourcc("iinf")), buffer);
    const std::optional<std::uint64_t> id = iinf ? exifItemId(*iinf) : std::nullopt;
    if (!id) return std::nullopt;
    const auto iloc = contentsOf(file, findBox(file, children, meta->end(), fourcc("iloc")), buffer);
    const std::optional<ByteRange> item = iloc ? itemLocation(*iloc, *id, fileSize) : std::nullopt;
    if (!item) return std::nullopt;
    return tiffOfExifItem(file, *item);
}

}  // namespace

std::optional<ByteRange> containerExif(ByteSource& file, std::vector<std::uint8_t>& buffer) {
    if (const std::optional<ByteRange> webp = webpExif(file)) return webp;
    return heifExif(file, buffer);
}

}  // namespace quillory
