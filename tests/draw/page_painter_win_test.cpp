#include "draw/page_painter_win.h"

#include <gtest/gtest.h>

#include "draw/background_win.h"
#include "draw/paint_canvas_win.h"

namespace quillory {
namespace {

using drawtest::Canvas;
using drawtest::Colour;
using drawtest::closeTo;
using drawtest::PictureSample;

constexpr Colour kBackground = 0x404040;
constexpr Colour kRed = 0x0000FF;
constexpr Colour kGreen = 0x00FF00;
constexpr Colour kBlue = 0xFF0000;

bool isRed(Colour c) { return closeTo(c, kRed, 60); }
bool isGreen(Colour c) { return closeTo(c, kGreen, 60); }

PageScene plainScene(FitMode fit) {
    PageScene scene;
    scene.fit = fit;
    scene.backgroundLeft = kBackground;
    scene.backgroundRight = kBackground;
    return scene;
}

void expectBoundsNear(const std::optional<Rect>& bounds, Rect expected) {
    ASSERT_TRUE(bounds) << "nothing of the picture was drawn";
    EXPECT_NEAR(bounds->x, expected.x, 1);
    EXPECT_NEAR(bounds->y, expected.y, 1);
    EXPECT_NEAR(bounds->right(), expected.right(), 1);
    EXPECT_NEAR(bounds->bottom(), expected.bottom(), 1);
}

class PagePainterTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(gdiplus_.started()); }

    // Paints one picture both ways into fresh canvases.
    void paintBoth(Size area, const PictureSample& sample, FitMode fit) {
        decoderCanvas_.emplace(area);
        bitmapCanvas_.emplace(area);
        const PagePicture image(drawtest::makeImage(sample));
        const PagePicture bitmap(drawtest::makeBitmap(sample));
        ASSERT_TRUE(image.image() && bitmap.bitmap());
        PagePainter{}.paintArea(decoderCanvas_->dc(), area, plainScene(fit), image, PaintPath::GdiPlus);
        PagePainter{}.paintArea(bitmapCanvas_->dc(), area, plainScene(fit), bitmap, PaintPath::Gdi);
    }

    GdiplusSession gdiplus_;
    std::optional<Canvas> decoderCanvas_;
    std::optional<Canvas> bitmapCanvas_;
};

TEST_F(PagePainterTest, GradientRunsFromTheLeftColourToTheRightColour) {
    Canvas canvas({200, 20});
    FillBackgroundGradient(canvas.dc(), 0x0000FF, 0xFF0000, {0, 0, 200, 20});
    for (const int y : {0, 19}) {
        EXPECT_TRUE(closeTo(canvas.pixel(0, y), 0x0000FF, 3)) << std::hex << canvas.pixel(0, y);
        EXPECT_TRUE(closeTo(canvas.pixel(199, y), 0xFF0000, 3)) << std::hex << canvas.pixel(199, y);
        EXPECT_TRUE(closeTo(canvas.pixel(100, y), 0x7F007F, 4)) << std::hex << canvas.pixel(100, y);
    }
}

TEST_F(PagePainterTest, EqualBackgroundColoursGiveAPlainFill) {
    Canvas canvas({64, 16});
    FillBackgroundGradient(canvas.dc(), 0x336699, 0x336699, {0, 0, 64, 16});
    EXPECT_EQ(canvas.count([](Colour c) { return c == 0x336699; }), 64 * 16);
}

TEST_F(PagePainterTest, ShorterSideFitsInsideWithItsMargin) {
    paintBoth({206, 106}, {{400, 300}, kRed}, FitMode::ShorterSide);
    expectBoundsNear(decoderCanvas_->boundsOf(isRed), {36, 3, 133, 100});
    expectBoundsNear(bitmapCanvas_->boundsOf(isRed), {36, 3, 133, 100});
}

TEST_F(PagePainterTest, LongerSideAndBothSidesCoverTheWholeArea) {
    for (const FitMode fit : {FitMode::LongerSide, FitMode::BothSides}) {
        paintBoth({200, 100}, {{400, 300}, kRed}, fit);
        EXPECT_EQ(decoderCanvas_->count(isRed), 200 * 100);
        EXPECT_EQ(bitmapCanvas_->count(isRed), 200 * 100);
    }
    // Covering cuts the top and bottom evenly: a mark at the picture's centre stays centred.
    paintBoth({200, 100}, {{400, 300}, kRed, kGreen, 20, {200, 150}}, FitMode::LongerSide);
    expectBoundsNear(decoderCanvas_->boundsOf(isGreen), {90, 40, 20, 20});
}

TEST_F(PagePainterTest, ActualSizeCentresASmallPictureUnscaled) {
    paintBoth({206, 106}, {{50, 40}, kRed}, FitMode::ActualSize);
    expectBoundsNear(decoderCanvas_->boundsOf(isRed), {78, 33, 50, 40});
    expectBoundsNear(bitmapCanvas_->boundsOf(isRed), {78, 33, 50, 40});
}

TEST_F(PagePainterTest, ActualSizeShowsTheCentreOfALargePicture) {
    paintBoth({206, 106}, {{1001, 801}, kRed, kGreen, 5, {500, 400}}, FitMode::ActualSize);
    // The decoder path cuts at the inner area; the bitmap path only at the area itself.
    expectBoundsNear(decoderCanvas_->boundsOf(isRed), {3, 3, 200, 100});
    EXPECT_EQ(bitmapCanvas_->count(isRed) + bitmapCanvas_->count(isGreen), 206 * 106);
    expectBoundsNear(decoderCanvas_->boundsOf(isGreen), {99, 49, 9, 9});
    expectBoundsNear(bitmapCanvas_->boundsOf(isGreen), {99, 49, 9, 9});
}

TEST_F(PagePainterTest, WithoutAPictureOnlyTheBackgroundShows) {
    for (const PaintPath path : {PaintPath::GdiPlus, PaintPath::Gdi}) {
        Canvas canvas({40, 30});
        PagePainter{}.paintArea(canvas.dc(), {40, 30}, plainScene(FitMode::BothSides), {}, path);
        EXPECT_EQ(canvas.count([](Colour c) { return c == kBackground; }), 40 * 30);
    }
}

TEST_F(PagePainterTest, AnEmptyAreaDrawsNothingAndFailsNothing) {
    Canvas canvas({40, 30});
    canvas.fill(0x123456);
    const PagePicture image(drawtest::makeImage({{400, 300}, kRed}));
    PagePainter painter;
    for (const Size area : {Size{0, 30}, Size{40, 0}, Size{-3, -3}}) {
        painter.paintArea(canvas.dc(), area, plainScene(FitMode::BothSides), image, PaintPath::GdiPlus);
        painter.paintArea(canvas.dc(), area, plainScene(FitMode::BothSides), {}, PaintPath::Gdi);
    }
    EXPECT_EQ(canvas.count([](Colour c) { return c == 0x123456; }), 40 * 30);
    // A later real area still paints.
    painter.paintArea(canvas.dc(), {40, 30}, plainScene(FitMode::BothSides), image, PaintPath::GdiPlus);
    EXPECT_EQ(canvas.count(isRed), 40 * 30);
}

TEST_F(PagePainterTest, ARepaintFollowsEveryChangeOfWhatIsShown) {
    Canvas canvas({120, 80});
    const PagePicture red(drawtest::makeImage({{60, 40}, kRed}));
    const PagePicture green(drawtest::makeImage({{60, 40}, kGreen}));
    PagePainter painter;
    PageScene scene = plainScene(FitMode::ShorterSide);
    const auto paint = [&](const PagePicture& picture) {
        painter.paintArea(canvas.dc(), {120, 80}, scene, picture, PaintPath::GdiPlus);
    };

    paint(red);
    EXPECT_TRUE(isRed(canvas.pixel(60, 40)));
    EXPECT_EQ(canvas.pixel(0, 0), kBackground);
    paint(green);
    EXPECT_TRUE(isGreen(canvas.pixel(60, 40)));
    scene.fit = FitMode::BothSides;
    paint(green);
    EXPECT_TRUE(isGreen(canvas.pixel(0, 0)));
    scene.fit = FitMode::ShorterSide;
    scene.backgroundLeft = scene.backgroundRight = 0x0080FF;
    paint(green);
    EXPECT_EQ(canvas.pixel(0, 0), 0x0080FFu);
    paint(PagePicture{});
    EXPECT_EQ(canvas.pixel(60, 40), 0x0080FFu);
}

TEST_F(PagePainterTest, AnUnchangedPictureIsNotRescaledUntilItChanges) {
    Canvas canvas({120, 80});
    PictureSample sample{{60, 40}, kRed};
    PagePicture picture(drawtest::makeImage(sample));
    PagePainter painter;
    const PageScene scene = plainScene(FitMode::BothSides);
    painter.paintArea(canvas.dc(), {120, 80}, scene, picture, PaintPath::GdiPlus);
    // Repaint the same picture object after its pixels changed in place.
    sample.colour = kGreen;
    drawtest::paintImage(picture.image(), sample);
    canvas.fill(0);
    painter.paintArea(canvas.dc(), {120, 80}, scene, picture, PaintPath::GdiPlus);
    EXPECT_TRUE(isRed(canvas.pixel(60, 40))) << "the scaled picture should have been kept";
    picture.changed();
    painter.paintArea(canvas.dc(), {120, 80}, scene, picture, PaintPath::GdiPlus);
    EXPECT_TRUE(isGreen(canvas.pixel(60, 40)));
}

TEST_F(PagePainterTest, ANewPictureIsShownEvenWhereItReusesAFreedOnesMemory) {
    Canvas canvas({120, 80});
    PagePainter painter;
    const PageScene scene = plainScene(FitMode::BothSides);
    // Pictures of one size, each freed before the next is made: the allocator hands the same
    // memory and handles out again.
    for (int round = 0; round < 8; ++round) {
        const Colour colour = round % 2 == 0 ? kRed : kGreen;
        const bool decoder = round < 4;
        const PagePicture picture = decoder ? PagePicture(drawtest::makeImage({{60, 40}, colour}))
                                            : PagePicture(drawtest::makeBitmap({{60, 40}, colour}));
        painter.paintArea(canvas.dc(), {120, 80}, scene, picture, decoder ? PaintPath::GdiPlus : PaintPath::Gdi);
        EXPECT_TRUE(closeTo(canvas.pixel(60, 40), colour, 60)) << "round " << round;
    }
}

TEST_F(PagePainterTest, AfterAResizeLargePicturesAreScaledFromAReducedCopy) {
    PictureSample sample{{800, 600}, kRed, kGreen, 5, {400, 300}};
    PagePicture image(drawtest::makeImage(sample));
    PagePainter painter(Size{100, 100});  // the copy covers 100 x 100: 134 x 100
    const PageScene fitted = plainScene(FitMode::ShorterSide);
    const auto paint = [&](Canvas& canvas, const PageScene& scene) {
        painter.paintArea(canvas.dc(), canvas.size(), scene, image, PaintPath::GdiPlus);
    };
    Canvas large({206, 106});
    Canvas small({120, 90});
    paint(large, fitted);
    paint(small, fitted);  // the resize makes the copy
    sample.colour = kBlue;
    drawtest::paintImage(image.image(), sample);
    paint(large, fitted);
    // Still the copy's red, in the same rectangle as from the picture itself.
    expectBoundsNear(large.boundsOf(isRed), {36, 3, 133, 100});
    // Actual size takes the picture's own pixels, centre on centre.
    Canvas actual({206, 106});
    paint(actual, plainScene(FitMode::ActualSize));
    EXPECT_TRUE(closeTo(actual.pixel(10, 10), kBlue, 10));
    expectBoundsNear(actual.boundsOf(isGreen), {99, 49, 9, 9});
    image.changed();
    paint(large, fitted);
    EXPECT_TRUE(closeTo(large.pixel(60, 30), kBlue, 60));
}

}  // namespace
}  // namespace quillory
