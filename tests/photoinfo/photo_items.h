#pragma once
// Property items as the reader hands them over (little-endian values), for the formatter tests.
#include <string_view>
#include <utility>
#include <vector>

#include "photoinfo/property_reader.h"

namespace quillory::testing {

inline PropertyItem numbersItem(std::uint32_t id, std::uint16_t type, std::initializer_list<std::uint32_t> words, int wordSize) {
    PropertyItem item{id, type, 0, {}};
    for (const std::uint32_t w : words) {
        for (int i = 0; i < wordSize; ++i) item.value.push_back(static_cast<std::uint8_t>(w >> (8 * i)));
    }
    item.length = static_cast<std::uint32_t>(item.value.size());
    return item;
}
inline PropertyItem shortItem(std::uint32_t id, std::initializer_list<std::uint32_t> values) { return numbersItem(id, PropertyTypeShort, values, 2); }
inline PropertyItem longItem(std::uint32_t id, std::initializer_list<std::uint32_t> values) { return numbersItem(id, PropertyTypeLong, values, 4); }
inline PropertyItem rationalItem(std::uint32_t id, std::initializer_list<std::uint32_t> pairs) { return numbersItem(id, PropertyTypeRational, pairs, 4); }
inline PropertyItem sRationalItem(std::uint32_t id, std::int32_t numerator, std::int32_t denominator) {
    return numbersItem(id, PropertyTypeSRational, {static_cast<std::uint32_t>(numerator), static_cast<std::uint32_t>(denominator)}, 4);
}
inline PropertyItem asciiItem(std::uint32_t id, std::string_view text) {
    PropertyItem item{id, PropertyTypeAscii, static_cast<std::uint32_t>(text.size() + 1), std::vector<std::uint8_t>(text.begin(), text.end())};
    item.value.push_back(0);
    return item;
}

}  // namespace quillory::testing
