#include "view/folder_step.h"

#include <gtest/gtest.h>

namespace quillory {
namespace {

constexpr StepModifiers kPlain{};
constexpr StepModifiers kShift{.shift = true};
constexpr StepModifiers kRightButton{.rightButton = true};
constexpr StepModifiers kControl{.control = true};

TEST(FolderStep, OneStepStopsAtEitherEndWithoutWrapping) {
    EXPECT_EQ(steppedFolderIndex(3, 8, StepDirection::Next, kPlain), 4);
    EXPECT_EQ(steppedFolderIndex(3, 8, StepDirection::Back, kPlain), 2);
    EXPECT_EQ(steppedFolderIndex(0, 8, StepDirection::Back, kPlain), 0) << "back on the first picture stays";
    EXPECT_EQ(steppedFolderIndex(7, 8, StepDirection::Next, kPlain), 7) << "next on the last picture stays";
}

int afterKey(FolderKey key, int index, int count) {
    const FolderStep step = folderKeyStep(key);
    return steppedFolderIndex(index, count, step.direction, step.modifiers);
}

TEST(FolderStep, ArrowsStepOneWithoutWrappingAndHomeAndEndGoToTheEnds) {
    EXPECT_EQ(afterKey(FolderKey::Next, 3, 8), 4);
    EXPECT_EQ(afterKey(FolderKey::Back, 3, 8), 2);
    EXPECT_EQ(afterKey(FolderKey::Next, 7, 8), 7);
    EXPECT_EQ(afterKey(FolderKey::Back, 0, 8), 0);
    EXPECT_EQ(afterKey(FolderKey::First, 5, 8), 0);
    EXPECT_EQ(afterKey(FolderKey::Last, 1, 8), 7);
    EXPECT_EQ(afterKey(FolderKey::Last, 0, 0), 0) << "an empty folder stays at its start";
}

TEST(FolderStep, ShiftOrRightButtonStepsTenAndStopsAtTheEnds) {
    EXPECT_EQ(steppedFolderIndex(2, 30, StepDirection::Next, kShift), 12);
    EXPECT_EQ(steppedFolderIndex(2, 30, StepDirection::Next, kRightButton), 12);
    EXPECT_EQ(steppedFolderIndex(2, 8, StepDirection::Next, kShift), 7) << "ten from index 2 of 8 ends on the last";
    EXPECT_EQ(steppedFolderIndex(15, 30, StepDirection::Back, kRightButton), 5);
    EXPECT_EQ(steppedFolderIndex(4, 30, StepDirection::Back, kShift), 0);
}

TEST(FolderStep, ControlGoesToEitherEndWhateverElseIsHeld) {
    EXPECT_EQ(steppedFolderIndex(0, 8, StepDirection::Next, kControl), 7);
    EXPECT_EQ(steppedFolderIndex(5, 8, StepDirection::Back, kControl), 0);
    EXPECT_EQ(steppedFolderIndex(5, 80, StepDirection::Next, {.shift = true, .control = true}), 79);
}

TEST(FolderStep, AnIndexOutsideTheFolderComesBackIntoIt) {
    // A stored position beyond a folder that has since shrunk.
    EXPECT_EQ(steppedFolderIndex(20, 8, StepDirection::Next, kPlain), 7);
    EXPECT_EQ(steppedFolderIndex(20, 8, StepDirection::Back, kPlain), 7);
    EXPECT_EQ(steppedFolderIndex(2147483647, 8, StepDirection::Next, kShift), 7);
    EXPECT_EQ(steppedFolderIndex(-5, 8, StepDirection::Next, kPlain), 0);
}

TEST(FolderStep, AnEmptyFolderKeepsIndexZeroAndCountsOneOfNothing) {
    for (const StepDirection direction : {StepDirection::Back, StepDirection::Next}) {
        for (const StepModifiers modifiers : {kPlain, kShift, kControl}) {
            EXPECT_EQ(steppedFolderIndex(0, 0, direction, modifiers), 0);
        }
    }
    EXPECT_EQ(folderCounterText(0, 0, false), u" 1 / 0 ");
}

TEST(FolderStep, CounterShowsThePictureCountedFromOneAndTellsOfPicturesLeftOut) {
    EXPECT_EQ(folderCounterText(0, 8, false), u" 1 / 8 ");
    EXPECT_EQ(folderCounterText(4999, 5000, false), u" 5000 / 5000 ");
    EXPECT_EQ(folderCounterText(4999, 5000, true), u" 5000 / 5000+ ");
}

TEST(FolderStep, WheelTowardsThePersonStepsForward) {
    EXPECT_EQ(wheelStep(-120), StepDirection::Next);
    EXPECT_EQ(wheelStep(120), StepDirection::Back);
    EXPECT_EQ(wheelStep(-1), StepDirection::Next) << "a fine wheel's small notch counts too";
    EXPECT_FALSE(wheelStep(0));
}

}  // namespace
}  // namespace quillory
