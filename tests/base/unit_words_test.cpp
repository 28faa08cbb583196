#include "base/unit_words.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace quillory::unit_words {
namespace {

// Units that share a byte or the low bits with "=" and CR, or have the top bit set, next to
// the units themselves: a word test that leaks between lanes or bytes finds a stop too early.
constexpr char16_t kAlphabet[] = {u'a', u'=', u'\r', 0x3D00, 0x803D, 0x0D0D, 0xFFFF, 0x8000, 0x003C, 0x003E};

std::size_t naiveStop(const std::u16string& text, std::size_t from) {
    while (from < text.size() && text[from] != u'=' && text[from] != u'\r') ++from;
    return from;
}

TEST(UnitWords, FindStopAgreesWithAUnitByUnitScanAtEveryLaneAndTail) {
    const auto equalsOrCr = [](std::uint64_t word) { return lanesEqualTo(word, u'=') | lanesEqualTo(word, u'\r'); };
    std::mt19937 random(7);
    std::uniform_int_distribution<std::size_t> pick(0, std::size(kAlphabet) - 1);
    for (int round = 0; round < 2000; ++round) {
        std::u16string text(static_cast<std::size_t>(round % 13), u'a');
        for (char16_t& unit : text) unit = kAlphabet[pick(random)];
        for (std::size_t from = 0; from <= text.size(); ++from) {
            ASSERT_EQ(findStop(text.data(), from, text.size(), equalsOrCr), naiveStop(text, from))
                << "round " << round << " from " << from;
        }
    }
}

// A zero unit must not mark the unit after it (a borrow would), or the first mark found may lie.
TEST(UnitWords, ZeroLanesMarksExactlyTheZeroUnits) {
    const char16_t units[] = {0x0001, 0x0000, 0x0001, 0x8000};
    const std::uint64_t marks = zeroLanes(wordAt(units));
    EXPECT_EQ(std::popcount(marks), 1);
    EXPECT_EQ(firstMarked(marks), 1u);
}

}  // namespace
}  // namespace quillory::unit_words
