#include <gtest/gtest.h>

#include "base/dpi.h"

namespace quillory {
namespace {

TEST(ScaleForDpi, KeepsLengthsAt96AndGrowsThemWithTheScreen) {
    EXPECT_EQ(scaleForDpi(51, 96), 51);
    EXPECT_EQ(scaleForDpi(12, 144), 18);
    EXPECT_EQ(scaleForDpi(310, 120), 388) << "387.5 rounds up";
    EXPECT_EQ(scaleForDpi(250, 192), 500);
    EXPECT_EQ(scaleForDpi(0, 144), 0);
}

TEST(ScaleForDpi, RoundsToTheNearestPixelAndNegativesLikeTheirPositives) {
    EXPECT_EQ(scaleForDpi(1, 120), 1) << "1.25";
    EXPECT_EQ(scaleForDpi(3, 144), 5) << "4.5 rounds away from zero";
    EXPECT_EQ(scaleForDpi(2, 168), 4) << "3.5";
    EXPECT_EQ(scaleForDpi(-3, 144), -5);
    EXPECT_EQ(scaleForDpi(-13, 120), -scaleForDpi(13, 120));
    EXPECT_EQ(scaleForDpi(7, 72), 5) << "a sparser screen shrinks: 5.25";
}

TEST(ScaleForDpi, AnUnreadableDpiCountsAs96AndLargeValuesDoNotOverflow) {
    EXPECT_EQ(scaleForDpi(51, 0), 51);
    EXPECT_EQ(scaleForDpi(51, -144), 51);
    EXPECT_EQ(scaleForDpi(2'000'000'000, 96), 2'000'000'000);
    EXPECT_EQ(scaleForDpi(Size{310, 250}, 144), (Size{465, 375}));
}

}  // namespace
}  // namespace quillory
