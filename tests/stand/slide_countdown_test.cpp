#include "stand/slide_countdown.h"

#include <gtest/gtest.h>

namespace quillory {
namespace {

TEST(SlideCountdown, SleepHoldsAndWakingRestartsFromZero) {
    SlideCountdown countdown;
    countdown.SlideTicks = 12;
    countdown.suspend();
    EXPECT_TRUE(countdown.SlideHold);
    EXPECT_EQ(countdown.SlideTicks, 12);  // sleeping does not touch the count
    countdown.resume();
    EXPECT_FALSE(countdown.SlideHold);
    EXPECT_EQ(countdown.SlideTicks, 0);
}

TEST(SlideCountdown, IdleResetWaitsEighteenQuietSeconds) {
    SlideCountdown countdown;
    countdown.SlideWait = 40;
    countdown.SlideTicks = 7;
    countdown.SlideHold = true;
    countdown.resetIdleCountdown();
    EXPECT_EQ(countdown.SlideWait, 18);
    EXPECT_EQ(countdown.SlideTicks, 0);
    EXPECT_FALSE(countdown.SlideHold);
}

}  // namespace
}  // namespace quillory
