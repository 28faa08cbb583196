#pragma once
// How the incoming picture surface appears at a slide-show step, chosen from SlideEffect and
// SlideEffectTime. The window turns it into AnimateWindow flags (always with AW_ACTIVATE).
#include <cstdint>

#include "base/platform.h"

namespace quillory {

// The side the picture comes in from; Centre grows it from the middle.
enum class SlideDirection {
    FromLeft,
    FromRight,
    FromTop,
    FromBottom,
    FromTopLeft,
    FromBottomLeft,
    FromTopRight,
    FromBottomRight,
    Centre,
};

struct SlideTransition {
    bool slide = false;  // slide the picture in; otherwise roll it out over its place
    SlideDirection direction = SlideDirection::Centre;
    int milliseconds = 10;
};

// The outgoing surface is then hidden at once, rolling towards the right.
constexpr int kHideSurfaceMilliseconds = 10;

// The duration of an effect time code. Codes past the six known ones (only a hand-edited album
// holds them) take the normal duration, as an unknown effect code becomes the default effect.
int effectMilliseconds(unsigned timeCode);

// Draws from `random` only for the effects that choose at random (1, 2 and 5).
SlideTransition chooseTransition(std::uint32_t slideStyle, Random& random);

}  // namespace quillory
