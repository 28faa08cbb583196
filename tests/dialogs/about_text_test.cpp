#include "dialogs/about_text.h"

#include <gtest/gtest.h>

#include "dialogs/animation_effect.h"
#include "support/fake_platform.h"

namespace quillory {
namespace {

TEST(AboutText, BuildLineJoinsCompilerDateAndTime) {
    EXPECT_EQ(buildLine("Jan 13 2024", "20:08:47"), u"Build : Jan 13 2024, 20:08:47");
    EXPECT_EQ(buildLine(__DATE__, __TIME__).size(), 8u + 11u + 2u + 8u);
}

TEST(AboutText, SystemLineEndsInBitnessAndComma) {
    SystemVersion version{10, 0, 19045, 2, u""};
    EXPECT_EQ(systemLine(version, u"64bit"), u"Windows Version : 10.0 , 19045, 2, 64bit,");
    version = {6, 1, 7601, 2, u"Service Pack 1"};
    EXPECT_EQ(systemLine(version, u"32bit"), u"Windows Version : 6.1 Service Pack 1, 7601, 2, 32bit,");
    EXPECT_EQ(systemLine(SystemVersion{}, u"32bit"), u"Windows Version : 0.0 , 0, 0, 32bit,");
}

TEST(AboutText, BitnessFollowsEmulationAndNativeArchitecture) {
    // Not emulated, or the checks unavailable: the build's own width.
    EXPECT_EQ(bitnessText({std::nullopt, std::nullopt}, false), u"32bit");
    EXPECT_EQ(bitnessText({false, 9}, false), u"32bit");
    EXPECT_EQ(bitnessText({false, 9}, true), u"64bit");
    EXPECT_EQ(bitnessText({std::nullopt, std::nullopt}, true), u"64bit");
    // Emulated: the native processor decides.
    EXPECT_EQ(bitnessText({true, 9}, false), u"64bit");
    EXPECT_EQ(bitnessText({true, 6}, false), u"64bit");
    EXPECT_EQ(bitnessText({true, 12}, false), u"WOW64");
    EXPECT_EQ(bitnessText({true, std::nullopt}, true), u"WOW64");
}

TEST(AboutText, CompilerLinePadsTheVersionParts) {
    EXPECT_EQ(compilerLine({u"MinGW-w64 GCC", 12, 2, 0, 0}), u"MinGW-w64 GCC : 12.02.00000.00 ");
    EXPECT_EQ(compilerLine({u"X", 1, 10, 123456, 7}), u"X : 1.10.123456.07 ");
}

TEST(DialogUtilities, AnimationEffectCoversAllTenAndStaysInRange) {
    testing::ScriptedRandom random;
    random.values = {0, 9, 10, 19, 32767, -4};
    EXPECT_EQ(pickAnimationEffect(random), AnimationEffect::SlideDown);
    EXPECT_EQ(pickAnimationEffect(random), AnimationEffect::Fade);
    EXPECT_EQ(pickAnimationEffect(random), AnimationEffect::SlideDown);
    EXPECT_EQ(pickAnimationEffect(random), AnimationEffect::Fade);
    EXPECT_EQ(pickAnimationEffect(random), AnimationEffect::SlideUpLeft);
    EXPECT_EQ(pickAnimationEffect(random), AnimationEffect::SlideDownLeft);
}

}  // namespace
}  // namespace quillory
