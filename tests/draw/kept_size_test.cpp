#include "draw/kept_size.h"

#include <gtest/gtest.h>

namespace quillory {
namespace {

constexpr Size kScreen{1920, 1080};

TEST(KeptSize, ShrinksCameraPicturesToWhatTheScreenShows) {
    // Landscape 3:2 inside 16:9: the height limits; covering: the width does.
    EXPECT_EQ(keptPictureSize({6000, 4000}, PictureFit::ShorterSide, kScreen), (Size{1620, 1080}));
    EXPECT_EQ(keptPictureSize({6000, 4000}, PictureFit::LongerSide, kScreen), (Size{1920, 1280}));
    EXPECT_EQ(keptPictureSize({6000, 4000}, PictureFit::BothSides, kScreen), (Size{1920, 1280}));
    // A portrait: inside is limited by the height, covering by the width.
    EXPECT_EQ(keptPictureSize({3000, 4500}, PictureFit::ShorterSide, kScreen), (Size{720, 1080}));
    EXPECT_EQ(keptPictureSize({3000, 4500}, PictureFit::LongerSide, kScreen), (Size{1920, 2880}));
}

TEST(KeptSize, EveryFittedSizeOnTheScreenStaysWithinTheKeptPicture) {
    for (const PictureFit fit : {PictureFit::ShorterSide, PictureFit::LongerSide, PictureFit::BothSides}) {
        for (const Size picture : {Size{6000, 4000}, Size{4000, 6000}, Size{4001, 2999}, Size{9000, 1000}}) {
            const std::optional<Size> shrunk = keptPictureSize(picture, fit, kScreen);
            if (!shrunk) continue;  // kept whole: every pixel there is
            const Size kept = *shrunk;
            const Rect target = fitPicture(kScreen, picture, fit, PaintPath::GdiPlus)->target;
            const Size shown{target.dx, target.dy};
            EXPECT_GE(kept.dx, fit == PictureFit::BothSides ? kScreen.dx : shown.dx) << picture.dx << "x" << picture.dy;
            EXPECT_GE(kept.dy, fit == PictureFit::BothSides ? kScreen.dy : shown.dy) << picture.dx << "x" << picture.dy;
        }
    }
}

TEST(KeptSize, KeepsWholeWhatNeedsItsOwnPixels) {
    EXPECT_EQ(keptPictureSize({6000, 4000}, PictureFit::ActualSize, kScreen), std::nullopt);
    EXPECT_EQ(keptPictureSize({1600, 1000}, PictureFit::ShorterSide, kScreen), std::nullopt);  // already fits
    EXPECT_EQ(keptPictureSize({1920, 1080}, PictureFit::LongerSide, kScreen), std::nullopt);
    EXPECT_EQ(keptPictureSize({0, 1000}, PictureFit::ShorterSide, kScreen), std::nullopt);
    EXPECT_EQ(keptPictureSize({6000, 4000}, PictureFit::ShorterSide, {0, 0}), std::nullopt);
    // A thin strip never shrinks a side to nothing.
    EXPECT_EQ(keptPictureSize({100000, 2}, PictureFit::ShorterSide, kScreen), (Size{1920, 1}));
}

TEST(KeptSize, AKeptPictureServesTheModesItHasThePixelsFor) {
    EXPECT_TRUE(keptPictureServes(PictureFit::LongerSide, false, PictureFit::ShorterSide));
    EXPECT_TRUE(keptPictureServes(PictureFit::BothSides, false, PictureFit::LongerSide));
    EXPECT_FALSE(keptPictureServes(PictureFit::ShorterSide, false, PictureFit::LongerSide));
    EXPECT_FALSE(keptPictureServes(PictureFit::ShorterSide, false, PictureFit::BothSides));
    EXPECT_FALSE(keptPictureServes(PictureFit::LongerSide, false, PictureFit::ActualSize));
    EXPECT_TRUE(keptPictureServes(PictureFit::ShorterSide, true, PictureFit::ActualSize));
}

}  // namespace
}  // namespace quillory
