#pragma once
// UTF-16 text read four code units at a time, as one 64-bit word. Scans of long text take a
// quarter of the steps; that counts under the fuzzers, which trace every step of a loop. Which
// lane holds which unit depends on the machine, so only tests that treat the lanes alike are here.
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace quillory::unit_words {

constexpr std::size_t kUnits = 4;
constexpr std::uint64_t kLaneOnes = 0x0001000100010001ull;

inline std::uint64_t wordAt(const char16_t* units) {
    std::uint64_t word;
    std::memcpy(&word, units, sizeof word);
    return word;
}

// The top bit of every lane that is zero, and no other bit: no lane carries into the next.
constexpr std::uint64_t zeroLanes(std::uint64_t word) {
    constexpr std::uint64_t kLowBits = kLaneOnes * 0x7FFFu;
    return ~(((word & kLowBits) + kLowBits) | word | kLowBits);
}

// The top bit of every lane that holds `unit`.
constexpr std::uint64_t lanesEqualTo(std::uint64_t word, char16_t unit) {
    return zeroLanes(word ^ (kLaneOnes * unit));
}

// Of the units whose lanes are marked, the first in memory order (0 to 3).
inline std::size_t firstMarked(std::uint64_t marks) {
    if constexpr (std::endian::native == std::endian::little) {
        return static_cast<std::size_t>(std::countr_zero(marks)) / 16;
    } else {
        return static_cast<std::size_t>(std::countl_zero(marks)) / 16;
    }
}

// The position of the first unit at or after `from` whose lane `marks(word)` marks, or `size`.
// The last few units are looked at in a word filled up with zero units, which `marks` must not mark.
template <typename Marks>
std::size_t findStop(const char16_t* units, std::size_t from, std::size_t size, Marks marks) {
    std::size_t at = from;
    for (; size - at >= kUnits; at += kUnits) {
        if (const std::uint64_t found = marks(wordAt(units + at))) return at + firstMarked(found);
    }
    if (at == size) return size;
    std::uint64_t last = 0;
    std::memcpy(&last, units + at, (size - at) * sizeof(char16_t));
    const std::uint64_t found = marks(last);
    return found ? at + firstMarked(found) : size;
}

}  // namespace quillory::unit_words
