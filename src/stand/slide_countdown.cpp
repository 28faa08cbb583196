#include "stand/slide_countdown.h"

#include <algorithm>
#include <climits>

#include "base/random_draw.h"

namespace quillory {

namespace {

bool mustWait(const SlideCountdown& countdown, const AlbumSettings& settings, const TickConditions& conditions, int ticks) {
    const bool switchedOff = (settings.SlideStyle & SlideOn) == 0 && !(countdown.SlideRunning && countdown.StartedNow);
    return countdown.SlideHold || countdown.SlidePaused || conditions.modalOpen || conditions.menuOpen || switchedOff ||
           ticks <= countdown.SlideWait || conditions.uptimeMilliseconds < kStartupQuietMilliseconds ||
           conditions.minimised;
}

}  // namespace

int jitteredInterval(const AlbumSettings& settings, Random& random) {
    // A hand-edited album can hold any interval; the modulo needs at least 1.
    if (settings.SlideInterval < 1) return 0;
    const auto interval = static_cast<std::uint64_t>(settings.SlideInterval);
    if ((settings.SlideStyle & SlideJitter) == 0) return settings.SlideInterval;
    const std::uint64_t wait = randomDraw(random) % interval + 2 * interval / 3;
    return static_cast<int>(std::min<std::uint64_t>(wait, INT_MAX));
}

void SlideCountdown::resetCountdown(const AlbumSettings& settings, Random& random) {
    SlideWait = SlideRunning ? jitteredInterval(settings, random) : kIdleTicks;
    SlideTicks = 0;
    SlideHold = false;
}

bool SlideCountdown::holdAndStop() {
    SlideHold = true;
    if (!SlideRunning) return false;
    SlideRunning = false;
    SlidePaused = false;
    StartedNow = false;
    return true;
}

TickAction SlideCountdown::startNow(const AlbumSettings& settings, Random& random) {
    if (SlideRunning) return TickAction::Nothing;
    SlideRunning = true;
    CompactLayout = true;
    StartedNow = true;
    SlidePaused = false;
    resetCountdown(settings, random);
    return TickAction::EnterRunning;
}

bool SlideCountdown::togglePause(const AlbumSettings& settings, Random& random) {
    if (!SlideRunning) return false;
    SlidePaused = !SlidePaused;
    resetCountdown(settings, random);
    return true;
}

TickAction SlideCountdown::tick(const AlbumSettings& settings, const TickConditions& conditions, Random& random) {
    // Read once: the suspend notice may write the count from its own thread.
    const int ticks = ++SlideTicks;
    if (mustWait(*this, settings, conditions, ticks)) return TickAction::Nothing;
    SlideWait = jitteredInterval(settings, random);
    SlideTicks = 0;
    SlideHold = false;
    if (SlideRunning) return TickAction::Step;
    SlideRunning = true;
    CompactLayout = true;
    return TickAction::EnterRunning;
}

}  // namespace quillory
