#include "animation_effect.h"

namespace quillory {

AnimationEffect pickAnimationEffect(Random& random) {
    // rand() is never negative, but a replaced source might be; keep the index in range.
    int index = random.next() % 10;
    if (index < 0) index += 10;
    return static_cast<AnimationEffect>(index);
}

}  // namespace quillory
