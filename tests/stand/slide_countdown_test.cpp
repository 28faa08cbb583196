#include "stand/slide_countdown.h"

#include <gtest/gtest.h>

#include <climits>

#include "support/fake_platform.h"

namespace quillory::testing {
namespace {

constexpr TickConditions kAwake{false, false, 200000};

AlbumSettings showWithInterval(int interval, bool jitter) {
    AlbumSettings settings;
    settings.SlideInterval = interval;
    settings.SlideStyle = SlideOn | (jitter ? SlideJitter : 0u);
    return settings;
}

// Ticks until the countdown asks for something, or `limit` ticks.
int ticksUntilAction(SlideCountdown& countdown, const AlbumSettings& settings, const TickConditions& conditions,
                     Random& random, int limit = 100) {
    for (int tick = 1; tick <= limit; ++tick) {
        if (countdown.tick(settings, conditions, random) != TickAction::Nothing) return tick;
    }
    return 0;
}

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

TEST(SlideCountdown, RunningBeginsOnTheNineteenthQuietSecond) {
    SlideCountdown countdown;
    ScriptedRandom random;
    countdown.SlideHold = true;
    countdown.resetIdleCountdown();
    EXPECT_FALSE(countdown.SlideHold);
    EXPECT_EQ(ticksUntilAction(countdown, showWithInterval(10, false), kAwake, random), 19);
    EXPECT_TRUE(countdown.SlideRunning);
    EXPECT_TRUE(countdown.CompactLayout);
    EXPECT_FALSE(countdown.recordsGeometry());
}

TEST(SlideCountdown, WithoutJitterPicturesChangeEveryElevenSeconds) {
    SlideCountdown countdown;
    ScriptedRandom random;
    const AlbumSettings settings = showWithInterval(10, false);
    ASSERT_EQ(ticksUntilAction(countdown, settings, kAwake, random), 19);
    for (int change = 0; change < 3; ++change) {
        EXPECT_EQ(ticksUntilAction(countdown, settings, kAwake, random), 11);
        EXPECT_EQ(countdown.SlideTicks, 0);
    }
}

TEST(SlideCountdown, EveryHoldingConditionKeepsTheShowStill) {
    const AlbumSettings on = showWithInterval(10, false);
    AlbumSettings off = on;
    off.SlideStyle &= ~SlideOn;
    struct Case {
        const char* why;
        AlbumSettings settings;
        TickConditions conditions;
        bool hold;
    };
    const Case cases[] = {
        {"held", on, kAwake, true},
        {"modal dialog", on, {true, false, 200000}, false},
        {"menu open", on, {false, false, 200000, true}, false},
        {"switched off", off, kAwake, false},
        {"first 186 s of uptime", on, {false, false, 185999}, false},
        {"minimised", on, {false, true, 200000}, false},
    };
    for (const Case& held : cases) {
        for (bool running : {false, true}) {
            SlideCountdown countdown;
            ScriptedRandom random;
            countdown.SlideRunning = running;
            countdown.SlideHold = held.hold;
            EXPECT_EQ(ticksUntilAction(countdown, held.settings, held.conditions, random, 300), 0) << held.why;
            EXPECT_EQ(countdown.SlideTicks, 300) << held.why << ": ticks are counted all the same";
            EXPECT_EQ(countdown.SlideRunning, running) << held.why;
        }
    }
    SlideCountdown countdown;
    ScriptedRandom random;
    EXPECT_EQ(ticksUntilAction(countdown, on, {false, false, 186000}, random), 19) << "186 s is late enough";
}

TEST(SlideCountdown, JitteredIntervalStaysWithinTwoThirdsAndFiveThirds) {
    ScriptedRandom random;
    for (int value = 0; value <= 32767; ++value) random.values.push_back(value);
    for (auto [interval, low, high] : {std::tuple{10, 6, 15}, {30, 20, 49}, {23, 15, 37}}) {
        const AlbumSettings settings = showWithInterval(interval, true);
        int seenLow = INT_MAX, seenHigh = INT_MIN;
        for (int draw = 0; draw < 200; ++draw) {
            const int wait = jitteredInterval(settings, random);
            seenLow = std::min(seenLow, wait);
            seenHigh = std::max(seenHigh, wait);
        }
        EXPECT_EQ(seenLow, low) << interval;
        EXPECT_EQ(seenHigh, high) << interval;
    }
}

TEST(SlideCountdown, IntervalsFromAHandEditedAlbumNeitherCrashNorStall) {
    ScriptedRandom random;
    random.values = {INT_MAX, -7, 32767};
    for (int interval : {0, -1, INT_MIN}) {
        for (bool jitter : {false, true}) {
            EXPECT_EQ(jitteredInterval(showWithInterval(interval, jitter), random), 0) << interval << jitter;
        }
    }
    EXPECT_EQ(jitteredInterval(showWithInterval(1, true), random), 0);
    const int longest = jitteredInterval(showWithInterval(INT_MAX, true), random);
    EXPECT_GE(longest, INT_MAX / 3 * 2) << "a huge interval stays huge rather than wrapping";

    SlideCountdown countdown;
    countdown.SlideRunning = true;
    countdown.resetCountdown(showWithInterval(0, true), random);
    EXPECT_EQ(ticksUntilAction(countdown, showWithInterval(0, true), kAwake, random), 1) << "a picture every tick";
}

TEST(SlideCountdown, ResetWaitsAnIntervalOnlyWhileRunning) {
    SlideCountdown countdown;
    ScriptedRandom random;
    random.values = {4};
    const AlbumSettings settings = showWithInterval(10, true);
    countdown.SlideTicks = 9;
    countdown.resetCountdown(settings, random);
    EXPECT_EQ(countdown.SlideWait, kIdleTicks);
    EXPECT_EQ(countdown.SlideTicks, 0);
    countdown.SlideRunning = true;
    countdown.resetCountdown(settings, random);
    EXPECT_EQ(countdown.SlideWait, 4 + 6);
}

TEST(SlideCountdown, HoldAndStopLeavesTheRunningStateOnce) {
    SlideCountdown countdown;
    EXPECT_FALSE(countdown.holdAndStop()) << "nothing to leave while idle";
    EXPECT_TRUE(countdown.SlideHold);
    countdown.SlideRunning = true;
    countdown.CompactLayout = true;
    EXPECT_TRUE(countdown.holdAndStop());
    EXPECT_FALSE(countdown.SlideRunning);
    EXPECT_FALSE(countdown.recordsGeometry()) << "restoring the window is not the user's geometry";
    EXPECT_FALSE(countdown.holdAndStop());
    countdown.finishLeaving();
    EXPECT_TRUE(countdown.recordsGeometry());
}

}  // namespace
}  // namespace quillory::testing

namespace quillory::testing {
namespace {

TEST(SlideCountdownByHand, StartNowRunsAtOnceAndStepsEvenWithTheIdleStartSwitchedOff) {
    SlideCountdown countdown;
    ScriptedRandom random;
    AlbumSettings settings = showWithInterval(3, false);
    settings.SlideStyle &= ~SlideOn;
    EXPECT_EQ(countdown.startNow(settings, random), TickAction::EnterRunning);
    EXPECT_TRUE(countdown.SlideRunning);
    EXPECT_FALSE(countdown.recordsGeometry());
    EXPECT_EQ(countdown.startNow(settings, random), TickAction::Nothing) << "a running show is not entered twice";
    EXPECT_EQ(ticksUntilAction(countdown, settings, kAwake, random), 4);

    // Once left, the switched-off show does not start again by itself.
    EXPECT_TRUE(countdown.holdAndStop());
    countdown.finishLeaving();
    countdown.resetIdleCountdown();
    EXPECT_EQ(ticksUntilAction(countdown, settings, kAwake, random, 60), 0);
}

TEST(SlideCountdownByHand, APausedShowHoldsItsPictureUntilResumedAndLeavingForgetsThePause) {
    SlideCountdown countdown;
    ScriptedRandom random;
    const AlbumSettings settings = showWithInterval(3, false);
    EXPECT_FALSE(countdown.togglePause(settings, random)) << "nothing to pause while idle";
    EXPECT_FALSE(countdown.SlidePaused);

    ASSERT_EQ(countdown.startNow(settings, random), TickAction::EnterRunning);
    EXPECT_TRUE(countdown.togglePause(settings, random));
    EXPECT_TRUE(countdown.SlidePaused);
    EXPECT_EQ(ticksUntilAction(countdown, settings, kAwake, random, 60), 0);
    EXPECT_TRUE(countdown.SlideRunning);

    EXPECT_TRUE(countdown.togglePause(settings, random));
    EXPECT_FALSE(countdown.SlidePaused);
    EXPECT_EQ(ticksUntilAction(countdown, settings, kAwake, random), 4) << "a whole interval after resuming";

    ASSERT_TRUE(countdown.togglePause(settings, random));
    EXPECT_TRUE(countdown.holdAndStop());
    EXPECT_FALSE(countdown.SlidePaused);
    EXPECT_FALSE(countdown.StartedNow);
}

}  // namespace
}  // namespace quillory::testing
