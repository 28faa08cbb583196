#pragma once
// The ten window-animation effects a dialog's big icon vanishes and returns with.
#include "base/platform.h"

namespace quillory {

enum class AnimationEffect {
    SlideDown,
    SlideUp,
    SlideRight,
    SlideLeft,
    SlideDownRight,
    SlideUpRight,
    SlideDownLeft,
    SlideUpLeft,
    Centre,
    Fade,
};

AnimationEffect pickAnimationEffect(Random& random);

}  // namespace quillory
