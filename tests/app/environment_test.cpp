#include "app/environment.h"

#include <gtest/gtest.h>

namespace quillory {
namespace {

// A system of the given version answers the "at least" questions as the version check does.
auto systemOf(unsigned major, unsigned minor) {
    return [=](unsigned wantMajor, unsigned wantMinor) { return major > wantMajor || (major == wantMajor && minor >= wantMinor); };
}

TEST(OsVersionCode, FirstMatchingRowFromTheTopWins) {
    EXPECT_EQ(osVersionCode(systemOf(10, 0)), 1000u);
    EXPECT_EQ(osVersionCode(systemOf(6, 3)), 630u);
    EXPECT_EQ(osVersionCode(systemOf(6, 1)), 610u);
    EXPECT_EQ(osVersionCode(systemOf(5, 2)), 510u);
    EXPECT_EQ(osVersionCode(systemOf(5, 0)), 500u);
}

TEST(CommonControlsVersion, MajorTimesHundredPlusMinor) {
    EXPECT_EQ(commonControlsVersionCode(6, 16), 616);
    EXPECT_EQ(commonControlsVersionCode(5, 82), 582);
    EXPECT_EQ(commonControlsVersionCode(6, 110), 610);
}

}  // namespace
}  // namespace quillory
