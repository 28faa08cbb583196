#include "draw/kept_size.h"

#include <gtest/gtest.h>

namespace quillory {
namespace {

constexpr Size kScreen{1920, 1080};

TEST(KeptSize, ShrinksCameraPicturesToWhatTheScreenShows) {
    // Landscape 3:2 inside 16:9: the height limits; covering: the width does.
    EXPECT_EQ(keptPictureSize({6000, 4000}, FitMode::ShorterSide, kScreen), (Size{1620, 1080}));
    EXPECT_EQ(keptPictureSize({6000, 4000}, FitMode::LongerSide, kScreen), (Size{1920, 1280}));
    EXPECT_EQ(keptPictureSize({6000, 4000}, FitMode::BothSides, kScreen), (Size{1920, 1280}));
    // A portrait: inside is limited by the height, covering by the width.
    EXPECT_EQ(keptPictureSize({3000, 4500}, FitMode::ShorterSide, kScreen), (Size{720, 1080}));
    EXPECT_EQ(keptPictureSize({3000, 4500}, FitMode::LongerSide, kScreen), (Size{1920, 2880}));
}

TEST(KeptSize, EveryFittedSizeOnTheScreenStaysWithinTheKeptPicture) {
    for (const FitMode fit : {FitMode::ShorterSide, FitMode::LongerSide, FitMode::BothSides}) {
        for (const Size picture : {Size{6000, 4000}, Size{4000, 6000}, Size{4001, 2999}, Size{9000, 1000}}) {
            const std::optional<Size> shrunk = keptPictureSize(picture, fit, kScreen);
            if (!shrunk) continue;  // kept whole: every pixel there is
            const Size kept = *shrunk;
            const Rect target = fitPicture(kScreen, picture, fit, PaintPath::GdiPlus)->target;
            const Size shown{target.dx, target.dy};
            EXPECT_GE(kept.dx, fit == FitMode::BothSides ? kScreen.dx : shown.dx) << picture.dx << "x" << picture.dy;
            EXPECT_GE(kept.dy, fit == FitMode::BothSides ? kScreen.dy : shown.dy) << picture.dx << "x" << picture.dy;
        }
    }
}

TEST(KeptSize, KeepsWholeWhatNeedsItsOwnPixels) {
    EXPECT_EQ(keptPictureSize({6000, 4000}, FitMode::ActualSize, kScreen), std::nullopt);
    EXPECT_EQ(keptPictureSize({1600, 1000}, FitMode::ShorterSide, kScreen), std::nullopt);  // already fits
    EXPECT_EQ(keptPictureSize({1920, 1080}, FitMode::LongerSide, kScreen), std::nullopt);
    EXPECT_EQ(keptPictureSize({0, 1000}, FitMode::ShorterSide, kScreen), std::nullopt);
    EXPECT_EQ(keptPictureSize({6000, 4000}, FitMode::ShorterSide, {0, 0}), std::nullopt);
    // A thin strip never shrinks a side to nothing.
    EXPECT_EQ(keptPictureSize({100000, 2}, FitMode::ShorterSide, kScreen), (Size{1920, 1}));
}

TEST(KeptSize, AKeptPictureServesTheModesItHasThePixelsFor) {
    EXPECT_TRUE(keptPictureServes(FitMode::LongerSide, false, FitMode::ShorterSide));
    EXPECT_TRUE(keptPictureServes(FitMode::BothSides, false, FitMode::LongerSide));
    EXPECT_FALSE(keptPictureServes(FitMode::ShorterSide, false, FitMode::LongerSide));
    EXPECT_FALSE(keptPictureServes(FitMode::ShorterSide, false, FitMode::BothSides));
    EXPECT_FALSE(keptPictureServes(FitMode::LongerSide, false, FitMode::ActualSize));
    EXPECT_TRUE(keptPictureServes(FitMode::ShorterSide, true, FitMode::ActualSize));
}

// A 4:3 camera thumbnail of a 4:3 picture, rounded to whole pixels, stands in; one made for a
// 3:2 picture or turned the other way does not.
TEST(KeptSize, OnlyAThumbnailOfThePicturesShapeStandsIn) {
    EXPECT_TRUE(thumbnailHasPictureShape({160, 120}, {4000, 3000}));
    EXPECT_TRUE(thumbnailHasPictureShape({160, 107}, {6000, 4000}));
    EXPECT_FALSE(thumbnailHasPictureShape({160, 120}, {6000, 4000}));
    EXPECT_FALSE(thumbnailHasPictureShape({120, 160}, {4000, 3000}));
    EXPECT_FALSE(thumbnailHasPictureShape({0, 120}, {4000, 3000}));
}

}  // namespace
}  // namespace quillory
