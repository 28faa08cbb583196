#include "album/key_hash_set.h"

#include <gtest/gtest.h>

namespace quillory::testing {
namespace {

// Hashes of names differ in every bit, so the set is tried with spread ones and with ones that
// differ only in their low bits (which a poor slot choice would pile onto one slot).
TEST(KeyHashSetTest, TellsEachHashSeenOnceThroughGrowthAndClears) {
    KeyHashSet set;
    constexpr std::uint64_t kCount = 20000;
    for (std::uint64_t i = 0; i < kCount; ++i) {
        ASSERT_TRUE(set.insert(i * 0x9E3779B97F4A7C15ull)) << i;
        ASSERT_TRUE(set.insert(i << 1 | 1)) << i;
    }
    for (std::uint64_t i = 0; i < kCount; ++i) {
        ASSERT_FALSE(set.insert(i * 0x9E3779B97F4A7C15ull)) << i;
        ASSERT_FALSE(set.insert(i << 1 | 1)) << i;
    }
    set.clear();
    EXPECT_TRUE(set.insert(0)) << "the hash 0 of the round before is forgotten";
    EXPECT_TRUE(set.insert(3));
    EXPECT_FALSE(set.insert(3));
    EXPECT_TRUE(set.insert(5));
}

}  // namespace
}  // namespace quillory::testing
