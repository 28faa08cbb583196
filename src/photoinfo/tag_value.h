#pragma once
// Turning one property item into text or numbers, as the information texts use them.
#include <cstdint>
#include <optional>
#include <span>

#include "base/platform.h"
#include "photoinfo/property_reader.h"

namespace quillory {

// The numeric view of one item; every field is zero unless the item's type supplies it.
struct TagValue {
    std::uint8_t firstChar = 0;     // BYTE and ASCII: the first byte ('N', 'S', 'E', 'W')
    std::uint16_t firstShort = 0;   // SHORT: the first value
    std::uint32_t number = 0;       // LONG/SLONG: first value; (S)RATIONAL: first numerator;
                                    // SHORT: the second value when there is one (ISO 65535)
    std::uint32_t den1 = 0;
    std::uint32_t num2 = 0, den2 = 0;  // only when the item holds two pairs
    std::uint32_t num3 = 0, den3 = 0;  // only when the item holds three pairs
};

TagValue decodeTagValue(const PropertyItem& item);

// The first item with this tag, in stored order.
const PropertyItem* findProperty(std::span<const PropertyItem> items, std::uint32_t tag);

// ReadPropertyText: nothing when the tag is absent; an empty text when the item is not ASCII;
// otherwise its bytes up to the first zero (at most 255) through the ANSI code page.
std::optional<Text> readPropertyText(std::span<const PropertyItem> items, std::uint32_t tag, CodePage& codePage);

}  // namespace quillory
