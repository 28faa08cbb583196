#include "photoinfo/tag_value.h"

#include <algorithm>
#include <string>

namespace quillory {

namespace {

constexpr std::size_t kTextCapacity = 255;

std::uint32_t littleEndian32(const std::vector<std::uint8_t>& value, std::size_t at) {
    if (at + 4 > value.size()) return 0;
    return static_cast<std::uint32_t>(value[at]) | static_cast<std::uint32_t>(value[at + 1]) << 8 |
           static_cast<std::uint32_t>(value[at + 2]) << 16 | static_cast<std::uint32_t>(value[at + 3]) << 24;
}

std::uint16_t littleEndian16(const std::vector<std::uint8_t>& value, std::size_t at) {
    if (at + 2 > value.size()) return 0;
    return static_cast<std::uint16_t>(value[at] | value[at + 1] << 8);
}

// The value bytes the item really has: its length, unless the buffer is shorter.
std::size_t usableLength(const PropertyItem& item) { return std::min<std::size_t>(item.length, item.value.size()); }

}  // namespace

TagValue decodeTagValue(const PropertyItem& item) {
    TagValue tag;
    const std::size_t length = usableLength(item);
    switch (item.type) {
    case PropertyTypeByte:
    case PropertyTypeAscii:
        if (length >= 1) tag.firstChar = item.value[0];
        break;
    case PropertyTypeShort:
        // A first value of 65535 means "see the next one" for ISO; 0 when there is none.
        if (length >= 2) tag.firstShort = littleEndian16(item.value, 0);
        if (length >= 4) tag.number = littleEndian16(item.value, 2);
        break;
    case PropertyTypeLong:
    case PropertyTypeSLong:
        tag.number = length >= 4 ? littleEndian32(item.value, 0) : 0;
        break;
    case PropertyTypeRational:
    case PropertyTypeSRational:
        if (length >= 8) {
            tag.number = littleEndian32(item.value, 0);
            tag.den1 = littleEndian32(item.value, 4);
        }
        if (length >= 16) {
            tag.num2 = littleEndian32(item.value, 8);
            tag.den2 = littleEndian32(item.value, 12);
        }
        if (length >= 24) {
            tag.num3 = littleEndian32(item.value, 16);
            tag.den3 = littleEndian32(item.value, 20);
        }
        break;
    default:
        break;
    }
    return tag;
}

const PropertyItem* findProperty(std::span<const PropertyItem> items, std::uint32_t tag) {
    const auto it = std::find_if(items.begin(), items.end(), [tag](const PropertyItem& item) { return item.id == tag; });
    return it == items.end() ? nullptr : &*it;
}

std::optional<Text> readPropertyText(std::span<const PropertyItem> items, std::uint32_t tag, CodePage& codePage) {
    const PropertyItem* item = findProperty(items, tag);
    if (item == nullptr) return std::nullopt;
    if (item->type != PropertyTypeAscii) return Text();
    const auto begin = item->value.begin();
    const auto limit = begin + static_cast<std::ptrdiff_t>(std::min(usableLength(*item), kTextCapacity));
    const std::string bytes(begin, std::find(begin, limit, std::uint8_t{0}));
    return codePage.decode(bytes);
}

}  // namespace quillory
