#include "stand/slide_transition.h"

#include <gtest/gtest.h>

#include "album/album.h"
#include "support/fake_platform.h"

namespace quillory::testing {
namespace {

std::uint32_t style(unsigned effect, unsigned time) {
    std::uint32_t bits = SlideOn;
    SlideEffect.set(bits, effect);
    SlideEffectTime.set(bits, time);
    return bits;
}

SlideTransition transitionWith(unsigned effect, std::vector<int> draws, unsigned time = 3) {
    ScriptedRandom random;
    random.values = std::move(draws);
    return chooseTransition(style(effect, time), random);
}

void expectTransition(const SlideTransition& actual, bool slide, SlideDirection direction, int milliseconds) {
    EXPECT_EQ(actual.slide, slide);
    EXPECT_EQ(actual.direction, direction);
    EXPECT_EQ(actual.milliseconds, milliseconds);
}

TEST(SlideTransition, EffectTimesAndCodesBeyondThem) {
    const int expected[] = {65, 130, 290, 750, 1850, 4500};
    for (unsigned code = 0; code < 6; ++code) EXPECT_EQ(effectMilliseconds(code), expected[code]);
    for (unsigned code = 6; code < 16; ++code) EXPECT_EQ(effectMilliseconds(code), 290) << code;
    expectTransition(transitionWith(3, {0}, 15), true, SlideDirection::FromLeft, 290);
}

TEST(SlideTransition, NoneAndUnknownEffectsAppearAtOnceFromTheCentre) {
    for (unsigned effect : {0u, 9u, 15u}) {
        expectTransition(transitionWith(effect, {0}, 5), false, SlideDirection::Centre, 10);
    }
}

TEST(SlideTransition, EightDirectionsDrawModuloEight) {
    expectTransition(transitionWith(2, {9}), true, SlideDirection::FromRight, 750);
    expectTransition(transitionWith(2, {15}), true, SlideDirection::FromBottomRight, 750);
    expectTransition(transitionWith(5, {8}), false, SlideDirection::FromLeft, 750);  // 8 is no centre here
    expectTransition(transitionWith(5, {-6}), false, SlideDirection::FromTopRight, 750);
}

TEST(SlideTransition, RandomEffectDrawsSlideOrRollThenOneOfNine) {
    expectTransition(transitionWith(1, {1, 4}), true, SlideDirection::FromTopLeft, 750);
    expectTransition(transitionWith(1, {2, 5}), false, SlideDirection::FromBottomLeft, 750);
    expectTransition(transitionWith(1, {3, 17}), false, SlideDirection::Centre, 750);  // centre replaces the slide
}

}  // namespace
}  // namespace quillory::testing
