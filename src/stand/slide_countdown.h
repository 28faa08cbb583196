#pragma once
// The slide show's idle countdown. `SlideHold` and `SlideTicks` are also written by the
// suspend/resume notice, which arrives on a system thread, so they are atomic words.
#include <atomic>

namespace quillory {

constexpr int kIdleTicks = 18;  // quiet seconds before the slide show takes over

struct SlideCountdown {
    std::atomic<bool> SlideHold{false};
    std::atomic<int> SlideTicks{0};
    int SlideWait = kIdleTicks;

    // The system is going to sleep: nothing may advance until it wakes.
    void suspend() { SlideHold = true; }
    // Awake again: the countdown starts from zero.
    void resume() {
        SlideHold = false;
        SlideTicks = 0;
    }

    void resetIdleCountdown() {
        SlideWait = kIdleTicks;
        SlideTicks = 0;
        SlideHold = false;
    }
};

}  // namespace quillory
