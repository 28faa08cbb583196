#pragma once
// The slide show's countdown and the decision of each timer tick. `SlideHold` and `SlideTicks`
// are also written by the suspend/resume notice, which arrives on a system thread, so they are
// atomic words.
#include <atomic>
#include <cstdint>

#include "album/album.h"
#include "base/platform.h"

namespace quillory {

constexpr int kIdleTicks = 18;  // quiet seconds before the slide show takes over
// Right after the system starts, the machine is busy enough without a slide show.
constexpr std::uint32_t kStartupQuietMilliseconds = 186000;

// What the window sees at a tick, beyond the countdown itself.
struct TickConditions {
    bool modalOpen = false;
    bool minimised = false;
    std::uint32_t uptimeMilliseconds = 0;  // the system's wrapping millisecond counter
    bool menuOpen = false;  // a menu of the window's, however long it stays open
};

enum class TickAction {
    Nothing,
    EnterRunning,  // the window turns compact; the first picture change comes one interval later
    Step,          // show the next picture
};

struct SlideCountdown {
    std::atomic<bool> SlideHold{false};
    std::atomic<int> SlideTicks{0};
    int SlideWait = kIdleTicks;
    bool SlideRunning = false;
    // Outlives SlideRunning while the window is being restored, so those moves and sizes are
    // not taken for the user's geometry.
    bool CompactLayout = false;
    // A running show that holds its picture until the person resumes it.
    bool SlidePaused = false;
    // The person started the show: it steps even with SlideOn clear, which only governs the idle start.
    bool StartedNow = false;

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

    // After any command: while running the next picture waits a whole (jittered) interval.
    void resetCountdown(const AlbumSettings& settings, Random& random);

    // A user action: nothing advances until the next reset. True when the slide show was
    // running and the caller must now restore the window; CompactLayout stays set until
    // finishLeaving().
    [[nodiscard]] bool holdAndStop();
    void finishLeaving() { CompactLayout = false; }

    // The person asks for the show at once: EnterRunning unless it already runs (Nothing). The
    // first picture change comes one interval later, as after the idle start.
    TickAction startNow(const AlbumSettings& settings, Random& random);
    // Space on a running show: paused or going on again (the next picture a whole interval later).
    // False when no show runs, which then stays as it was.
    bool togglePause(const AlbumSettings& settings, Random& random);
    // The window's moves and sizes are the user's geometry only outside the compact window.
    bool recordsGeometry() const { return !SlideRunning && !CompactLayout; }

    TickAction tick(const AlbumSettings& settings, const TickConditions& conditions, Random& random);
};

// Ticks to wait between pictures: SlideInterval, or with SlideJitter a value from two thirds of
// it to five thirds less one. An interval below 1 leaves nothing to vary: the wait is 0.
int jitteredInterval(const AlbumSettings& settings, Random& random);

}  // namespace quillory
