#include "stand/slide_transition.h"

#include <array>

#include "album/album.h"
#include "base/random_draw.h"

namespace quillory {

namespace {

constexpr std::array<int, 6> kEffectTimes{65, 130, 290, 750, 1850, 4500};
constexpr unsigned kNormalTime = 2;

enum SlideEffectCode {
    EffectNone,
    EffectRandom,
    EffectSlideAround,
    EffectSlideLeft,
    EffectSlideTop,
    EffectRollAround,
    EffectRollLeft,
    EffectRollTop,
    EffectCentre,
};

// Draw 8 (centre) is only reachable for the random effect, which draws modulo 9.
SlideDirection drawnDirection(Random& random, unsigned directions) {
    return static_cast<SlideDirection>(randomDraw(random) % directions);
}

SlideTransition moving(bool slide, SlideDirection direction, int milliseconds) {
    return {slide && direction != SlideDirection::Centre, direction, milliseconds};
}

}  // namespace

int effectMilliseconds(unsigned timeCode) {
    return kEffectTimes[timeCode < kEffectTimes.size() ? timeCode : kNormalTime];
}

SlideTransition chooseTransition(std::uint32_t slideStyle, Random& random) {
    const int time = effectMilliseconds(SlideEffectTime.get(slideStyle));
    switch (SlideEffect.get(slideStyle)) {
        case EffectRandom: {
            const bool slide = (randomDraw(random) & 1) != 0;
            return moving(slide, drawnDirection(random, 9), time);
        }
        case EffectSlideAround: return moving(true, drawnDirection(random, 8), time);
        case EffectSlideLeft: return moving(true, SlideDirection::FromLeft, time);
        case EffectSlideTop: return moving(true, SlideDirection::FromTop, time);
        case EffectRollAround: return moving(false, drawnDirection(random, 8), time);
        case EffectRollLeft: return moving(false, SlideDirection::FromLeft, time);
        case EffectRollTop: return moving(false, SlideDirection::FromTop, time);
        case EffectCentre: return moving(false, SlideDirection::Centre, time);
        default: return {};  // none, or a code no version knows: appear at once from the centre
    }
}

}  // namespace quillory
