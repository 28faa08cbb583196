#include "draw/fit_geometry.h"

#include <gtest/gtest.h>

namespace quillory {
namespace {

PictureLayout layout(Rect target, Rect source) { return {target, source}; }

TEST(FitGeometry, ShorterSideKeepsAMarginAndRoundsHalfUp) {
    // 200/100 is not below 400/300, so the height fills the inner area: 133.33 + 0.5 -> 133.
    EXPECT_EQ(fitPicture({206, 106}, {400, 300}, FitMode::ShorterSide, PaintPath::GdiPlus),
              layout({36, 3, 133, 100}, {0, 0, 400, 300}));
    // A tall picture fills the inner height in either painter.
    EXPECT_EQ(fitPicture({206, 106}, {300, 600}, FitMode::ShorterSide, PaintPath::Gdi),
              layout({78, 3, 50, 100}, {0, 0, 300, 600}));
    // A wide picture fills the inner width: 200 * 100 / 400 = 50.
    EXPECT_EQ(fitPicture({206, 106}, {400, 100}, FitMode::ShorterSide, PaintPath::GdiPlus),
              layout({3, 28, 200, 50}, {0, 0, 400, 100}));
}

TEST(FitGeometry, ThePaintersCompareDifferentRatiosForShorterSide) {
    // 1.95 lies between the whole area's 206/106 and the inner 200/100.
    EXPECT_EQ(fitPicture({206, 106}, {390, 200}, FitMode::ShorterSide, PaintPath::GdiPlus),
              layout({5, 3, 195, 100}, {0, 0, 390, 200}));
    EXPECT_EQ(fitPicture({206, 106}, {390, 200}, FitMode::ShorterSide, PaintPath::Gdi),
              layout({3, 1, 200, 103}, {0, 0, 390, 200}));
}

TEST(FitGeometry, LongerSideCoversTheAreaAndCentresTowardZero) {
    EXPECT_EQ(fitPicture({200, 100}, {400, 300}, FitMode::LongerSide, PaintPath::GdiPlus),
              layout({0, -25, 200, 150}, {0, 0, 400, 300}));
    EXPECT_EQ(fitPicture({200, 100}, {400, 100}, FitMode::LongerSide, PaintPath::Gdi),
              layout({-100, 0, 400, 100}, {0, 0, 400, 100}));
    // 200 * 400 / 300 = 266.67 -> 267; (100 - 267) / 2 = -83.5 is truncated to -83, not -84.
    EXPECT_EQ(fitPicture({200, 100}, {300, 400}, FitMode::LongerSide, PaintPath::GdiPlus),
              layout({0, -83, 200, 267}, {0, 0, 300, 400}));
}

TEST(FitGeometry, BothSidesFillTheWholeArea) {
    for (const PaintPath path : {PaintPath::GdiPlus, PaintPath::Gdi}) {
        EXPECT_EQ(fitPicture({206, 106}, {17, 900}, FitMode::BothSides, path), layout({0, 0, 206, 106}, {0, 0, 17, 900}));
        EXPECT_EQ(fitPicture({1, 1}, {400, 300}, FitMode::BothSides, path), layout({0, 0, 1, 1}, {0, 0, 400, 300}));
    }
}

TEST(FitGeometry, ActualSizeOnTheDecoderPathIsCutAtTheInnerArea) {
    // Smaller picture: only the picture itself is read, and it lands unscaled in the centre.
    EXPECT_EQ(fitPicture({206, 106}, {50, 40}, FitMode::ActualSize, PaintPath::GdiPlus),
              layout({78, 33, 50, 40}, {0, 0, 50, 40}));
    // Narrower but taller: cut at the top and bottom only.
    EXPECT_EQ(fitPicture({206, 106}, {51, 301}, FitMode::ActualSize, PaintPath::GdiPlus),
              layout({78, 3, 51, 100}, {0, 100, 51, 100}));
    // Larger picture: only its centre part is shown.
    EXPECT_EQ(fitPicture({206, 106}, {1001, 801}, FitMode::ActualSize, PaintPath::GdiPlus),
              layout({3, 3, 200, 100}, {400, 350, 200, 100}));
}

TEST(FitGeometry, ActualSizeOnTheBitmapPathIsAnUnscaledCentredCopy) {
    EXPECT_EQ(fitPicture({206, 106}, {50, 40}, FitMode::ActualSize, PaintPath::Gdi), layout({78, 33, 50, 40}, {0, 0, 50, 40}));
    EXPECT_EQ(fitPicture({206, 106}, {1001, 801}, FitMode::ActualSize, PaintPath::Gdi),
              layout({-397, -347, 1001, 801}, {0, 0, 1001, 801}));
}

TEST(FitGeometry, EmptyAreasAndPicturesGiveNoLayout) {
    for (const FitMode mode : {FitMode::ShorterSide, FitMode::LongerSide, FitMode::BothSides, FitMode::ActualSize}) {
        for (const PaintPath path : {PaintPath::GdiPlus, PaintPath::Gdi}) {
            EXPECT_FALSE(fitPicture({0, 100}, {400, 300}, mode, path));
            EXPECT_FALSE(fitPicture({100, 0}, {400, 300}, mode, path));
            EXPECT_FALSE(fitPicture({-5, -5}, {400, 300}, mode, path));
            EXPECT_FALSE(fitPicture({206, 106}, {0, 0}, mode, path));
            EXPECT_FALSE(fitPicture({206, 106}, {400, 0}, mode, path));
        }
    }
    // Areas no larger than the margin leave no room for the inner picture.
    EXPECT_FALSE(fitPicture({6, 200}, {400, 300}, FitMode::ShorterSide, PaintPath::GdiPlus));
    EXPECT_FALSE(fitPicture({200, 6}, {400, 300}, FitMode::ShorterSide, PaintPath::Gdi));
    EXPECT_FALSE(fitPicture({6, 6}, {400, 300}, FitMode::ActualSize, PaintPath::GdiPlus));
}

TEST(FitGeometry, ExtremeAspectRatiosNeverOverflow) {
    EXPECT_FALSE(fitPicture({1920, 1080}, {1, 2000000000}, FitMode::LongerSide, PaintPath::GdiPlus));
    EXPECT_EQ(fitPicture({1920, 1080}, {1, 65535}, FitMode::LongerSide, PaintPath::GdiPlus)->target.dy, 125827200);
    // A sliver scaled down to below half a pixel has nothing left to draw.
    EXPECT_FALSE(fitPicture({206, 106}, {100000, 1}, FitMode::ShorterSide, PaintPath::GdiPlus));
}

TEST(FitGeometry, FitModeIsTheLowNibbleAndUnknownValuesFitInside) {
    EXPECT_EQ(fitModeOf(0x10071), FitMode::LongerSide);
    EXPECT_EQ(fitModeOf(0xC003), FitMode::ActualSize);
    EXPECT_EQ(fitModeOf(0x0002), FitMode::BothSides);
    EXPECT_EQ(fitModeOf(0x0007), FitMode::ShorterSide);
    EXPECT_EQ(fitModeOf(0x000F), FitMode::ShorterSide);
}

TEST(FitGeometry, ReducedCopiesCoverTheScreenAndOnlyForLargePictures) {
    EXPECT_EQ(reducedCopySize({6000, 4000}, {1920, 1080}), (Size{1920, 1280}));
    EXPECT_EQ(reducedCopySize({4000, 6000}, {1920, 1080}), (Size{1920, 2880}));
    EXPECT_EQ(reducedCopySize({400, 300}, {100, 100}), (Size{134, 100}));
    // Less than twice the screen: the picture itself is scaled.
    EXPECT_FALSE(reducedCopySize({3000, 2000}, {1920, 1080}));
    EXPECT_FALSE(reducedCopySize({10000, 1000}, {1920, 1080}));
    EXPECT_FALSE(reducedCopySize({0, 4000}, {1920, 1080}));
    EXPECT_FALSE(reducedCopySize({6000, 4000}, {0, 0}));
}

TEST(FitGeometry, EveryFittedSizeOnTheScreenFitsInTheReducedCopy) {
    const Size screen{1920, 1080};
    for (const Size picture : {Size{6000, 4000}, Size{4000, 6000}, Size{8000, 3000}, Size{5000, 5000}}) {
        const auto copy = reducedCopySize(picture, screen);
        ASSERT_TRUE(copy);
        for (const Size area : {screen, Size{1920, 200}, Size{300, 1080}, Size{640, 480}}) {
            for (const FitMode fit : {FitMode::ShorterSide, FitMode::LongerSide, FitMode::BothSides}) {
                const auto layout = fitPicture(area, picture, fit, PaintPath::GdiPlus);
                ASSERT_TRUE(layout);
                EXPECT_LE(layout->target.dx, copy->dx);
                EXPECT_LE(layout->target.dy, copy->dy);
            }
        }
    }
}

}  // namespace
}  // namespace quillory
