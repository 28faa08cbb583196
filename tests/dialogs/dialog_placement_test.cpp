#include "dialogs/dialog_placement.h"

#include <gtest/gtest.h>

#include "support/fake_platform.h"

namespace quillory {
namespace {

const Rect kMonitor{0, 0, 1920, 1080};
const Size kDialog{400, 300};
const PlacementMargins kMargins{10, 5};

TEST(DialogPlacement, StandInUpperHalfGetsDialogBelowItLeftEdgesMeeting) {
    const Rect stand = Rect::fromEdges(200, 100, 780, 500);
    EXPECT_EQ(placeNearStand(kMonitor, stand, kDialog, kMargins, false), (Point{200, 505}));
    // From Vista on the frames are thicker: the dialog moves 5 pixels in.
    EXPECT_EQ(placeNearStand(kMonitor, stand, kDialog, kMargins, true), (Point{205, 505}));
}

TEST(DialogPlacement, StandInLowerHalfGetsDialogAboveIt) {
    const Rect stand = Rect::fromEdges(200, 600, 780, 1000);
    EXPECT_EQ(placeNearStand(kMonitor, stand, kDialog, kMargins, false), (Point{200, 600 - 300 - 5}));
    // A stand centred exactly on the monitor's middle line counts as lower.
    const Rect centred = Rect::fromEdges(200, 340, 780, 740);
    EXPECT_EQ(placeNearStand(kMonitor, centred, kDialog, kMargins, false).y, 340 - 300 - 5);
}

TEST(DialogPlacement, StandNearRightEdgeGetsDialogRightAligned) {
    const Rect stand = Rect::fromEdges(1600, 100, 1900, 500);
    EXPECT_EQ(placeNearStand(kMonitor, stand, kDialog, kMargins, false), (Point{1900 - 400, 505}));
    EXPECT_EQ(placeNearStand(kMonitor, stand, kDialog, kMargins, true), (Point{1900 - 400 - 5, 505}));
    // Exactly at the limit (monitor right − margin == left + width) the right edges meet.
    const Rect limit = Rect::fromEdges(1510, 100, 1800, 500);
    EXPECT_EQ(placeNearStand(kMonitor, limit, kDialog, kMargins, false).x, 1800 - 400);
    const Rect inside = Rect::fromEdges(1509, 100, 1800, 500);
    EXPECT_EQ(placeNearStand(kMonitor, inside, kDialog, kMargins, false).x, 1509);
}

TEST(DialogPlacement, DialogThatWouldLeaveTheMonitorKeepsTheMargins) {
    // A narrow stand hugging the right edge: right-aligned would still overhang.
    const Rect overhanging = Rect::fromEdges(1700, 50, 1930, 300);
    const Point right = placeNearStand(kMonitor, overhanging, kDialog, kMargins, false);
    EXPECT_EQ(right.x, 1920 - 400 - 10);
    // A stand off the left edge: the dialog stops at the margin.
    const Rect leftOff = Rect::fromEdges(-300, 50, 200, 300);
    EXPECT_EQ(placeNearStand(kMonitor, leftOff, kDialog, kMargins, false).x, 10);
    // A tall stand in the lower half reaching the top: above it would leave the monitor.
    const Rect tall = Rect::fromEdges(200, 20, 780, 1070);
    EXPECT_EQ(placeNearStand(kMonitor, tall, kDialog, kMargins, false).y, 5);
    // A tall stand in the upper half reaching the bottom: below it would leave the monitor.
    const Rect deep = Rect::fromEdges(200, -400, 780, 1000);
    EXPECT_EQ(placeNearStand(kMonitor, deep, kDialog, kMargins, false).y, 1080 - 300 - 5);
}

TEST(DialogPlacement, DialogLargerThanTheMonitorKeepsItsTopLeftMarginLast) {
    // When both margins cannot hold, the far edge wins, as for the stand window's own clamping.
    const Rect stand = Rect::fromEdges(100, 100, 500, 400);
    const Point at = placeNearStand(kMonitor, stand, Size{2000, 1200}, kMargins, false);
    EXPECT_EQ(at, (Point{1920 - 2000 - 10, 1080 - 1200 - 5}));
}

TEST(DialogPlacement, SecondMonitorBehavesLikeThePrimary) {
    // A monitor to the right of and below the primary one.
    const Rect second{1920, 1080, 1280, 1024};
    const Rect upperLeft = Rect::fromEdges(1920 + 100, 1080 + 100, 1920 + 600, 1080 + 400);
    EXPECT_EQ(placeNearStand(second, upperLeft, kDialog, kMargins, false), (Point{2020, 1485}));
    const Rect lowerRight = Rect::fromEdges(3100 - 400, 2000 - 300, 3100, 2000);
    EXPECT_EQ(placeNearStand(second, lowerRight, kDialog, kMargins, false), (Point{3100 - 400, 1700 - 300 - 5}));
    // A monitor left of the primary one, at negative coordinates.
    const Rect left{-1280, 0, 1280, 1024};
    const Rect nearItsRight = Rect::fromEdges(-300, 600, -10, 900);
    EXPECT_EQ(placeNearStand(left, nearItsRight, kDialog, kMargins, false), (Point{-10 - 400, 600 - 300 - 5}));
}

TEST(DialogPlacement, MarginsComeFromTwoRandomDraws) {
    testing::ScriptedRandom random;
    random.values = {0, 5, 32767, 12};
    const PlacementMargins first = drawPlacementMargins(random, false);
    EXPECT_EQ(first.x, 8);
    EXPECT_EQ(first.y, 8);
    const PlacementMargins vista = drawPlacementMargins(random, true);
    EXPECT_EQ(vista.x, 32767 % 6 + 8 + 5);
    EXPECT_EQ(vista.y, 3 + 5);
}

}  // namespace
}  // namespace quillory
