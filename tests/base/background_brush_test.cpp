#include "base/background_brush.h"

#include <gtest/gtest.h>

namespace quillory {
namespace {

TEST(BackgroundBrush, BrushOriginContinuesThePatternAcrossControls) {
    const Size pattern{48, 48};
    EXPECT_EQ(backgroundBrushOrigin(Point{0, 0}, pattern), (Point{48 + 12, 48 + 16}));
    EXPECT_EQ(backgroundBrushOrigin(Point{50, 100}, pattern), (Point{46 + 12, 44 + 16}));
    // Offsets differing by whole tiles give the same pattern phase.
    EXPECT_EQ(backgroundBrushOrigin(Point{50 + 96, 100 + 48}, pattern), backgroundBrushOrigin(Point{50, 100}, pattern));
    // Signed remainders for a control left of or above the client origin.
    EXPECT_EQ(backgroundBrushOrigin(Point{-5, -50}, pattern), (Point{53 + 12, 50 + 16}));
    // An unreadable bitmap: no phase, only the fixed shift.
    EXPECT_EQ(backgroundBrushOrigin(Point{50, 100}, Size{0, 48}), (Point{12, 16}));
}

}  // namespace
}  // namespace quillory
