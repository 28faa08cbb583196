#include "dialogs/animate_random_win.h"

#include "dialogs/animation_effect.h"

namespace quillory {

namespace {

constexpr DWORD kAnimationMilliseconds = 95;

DWORD effectFlags(AnimationEffect effect) {
    switch (effect) {
        case AnimationEffect::SlideDown: return AW_SLIDE | AW_VER_POSITIVE;
        case AnimationEffect::SlideUp: return AW_SLIDE | AW_VER_NEGATIVE;
        case AnimationEffect::SlideRight: return AW_SLIDE | AW_HOR_POSITIVE;
        case AnimationEffect::SlideLeft: return AW_SLIDE | AW_HOR_NEGATIVE;
        case AnimationEffect::SlideDownRight: return AW_SLIDE | AW_HOR_POSITIVE | AW_VER_POSITIVE;
        case AnimationEffect::SlideUpRight: return AW_SLIDE | AW_HOR_POSITIVE | AW_VER_NEGATIVE;
        case AnimationEffect::SlideDownLeft: return AW_SLIDE | AW_HOR_NEGATIVE | AW_VER_POSITIVE;
        case AnimationEffect::SlideUpLeft: return AW_SLIDE | AW_HOR_NEGATIVE | AW_VER_NEGATIVE;
        case AnimationEffect::Centre: return AW_CENTER;
        case AnimationEffect::Fade: return AW_BLEND;
    }
    return AW_BLEND;
}

}  // namespace

void animateRandom(HWND window, DWORD flags, Random& random) {
    AnimateWindow(window, kAnimationMilliseconds, flags | effectFlags(pickAnimationEffect(random)));
}

void jumpIcon(HWND icon, Random& random) {
    animateRandom(icon, AW_HIDE, random);
    animateRandom(icon, AW_ACTIVATE, random);
    // Where the system cannot animate a child window the icon must still come back.
    if (!IsWindowVisible(icon)) ShowWindow(icon, SW_SHOWNA);
    InvalidateRect(icon, nullptr, TRUE);
}

}  // namespace quillory
