#include "draw/overlay_painter_win.h"

#include <gtest/gtest.h>

#include "draw/page_painter_win.h"
#include "draw/paint_canvas_win.h"
#include "base/win_platform_win.h"
#include "photoinfo/photo_items.h"

namespace quillory {
namespace {

using drawtest::blueOf;
using drawtest::Canvas;
using drawtest::Colour;
using drawtest::greenOf;
using drawtest::redOf;

constexpr Size kArea{300, 200};
constexpr Colour kBlack = 0x000000;
constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kBlue = 0xFF0000;

bool isInk(Colour c) { return c != kBlack; }

PageScene textScene(Corner corner, std::uint8_t alpha, Text text) {
    PageScene scene;
    scene.fit = FitMode::ShorterSide;
    scene.style.fontFace = u"Tahoma";
    scene.style.fontHeight = 20;
    scene.style.alpha = alpha;
    scene.style.textColour = kWhite;
    scene.style.outlineColour = kBlue;
    scene.style.corner = corner;
    scene.overlay = std::move(text);
    return scene;
}

class OverlayPainterTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(gdiplus_.started()); }

    void paint(Canvas& canvas, const PageScene& scene, PaintPath path) { PagePainter{}.paintArea(canvas.dc(), canvas.size(), scene, {}, path); }

    GdiplusSession gdiplus_;
};

// Distance of the text's edge from the area's edge on the side of its corner.
struct CornerDistances {
    int horizontal;
    int vertical;
};

CornerDistances distancesOf(const Rect& text, Corner corner) {
    const bool right = corner == Corner::BottomRight || corner == Corner::TopRight;
    const bool bottom = corner == Corner::BottomRight || corner == Corner::BottomLeft;
    return {right ? kArea.dx - text.right() : text.x, bottom ? kArea.dy - text.bottom() : text.y};
}

TEST_F(OverlayPainterTest, TextSitsInItsCornerFivePixelsIn) {
    for (const PaintPath path : {PaintPath::GdiPlus, PaintPath::Gdi}) {
        for (const Corner corner : {Corner::BottomRight, Corner::BottomLeft, Corner::TopRight, Corner::TopLeft}) {
            SCOPED_TRACE(::testing::Message() << "path " << static_cast<int>(path) << " corner " << static_cast<int>(corner));
            Canvas canvas(kArea);
            paint(canvas, textScene(corner, 255, u"HH\nHH\nHH"), path);
            const auto text = canvas.boundsOf([](Colour c) { return c == kWhite; });
            ASSERT_TRUE(text);
            // The margin is 5; the glyphs' own side bearings and line spacing add a few pixels.
            const CornerDistances distance = distancesOf(*text, corner);
            EXPECT_GE(distance.horizontal, 3);
            EXPECT_LE(distance.horizontal, 10);
            EXPECT_GE(distance.vertical, 3);
            EXPECT_LE(distance.vertical, 10);
            // Three lines: the text breaks at every "\n".
            EXPECT_GT(text->dy, 50);
            EXPECT_LT(text->dx, 40);
        }
    }
}

TEST_F(OverlayPainterTest, OutlineOfTheSecondColourSurroundsTheGlyphs) {
    for (const PaintPath path : {PaintPath::GdiPlus, PaintPath::Gdi}) {
        Canvas canvas(kArea);
        paint(canvas, textScene(Corner::TopLeft, 255, u"HH"), path);
        const auto text = canvas.boundsOf([](Colour c) { return c == kWhite; });
        const auto outline = canvas.boundsOf([](Colour c) { return blueOf(c) > 100 && redOf(c) < 30 && greenOf(c) < 30; });
        ASSERT_TRUE(text && outline);
        // Two pixels of outline on every side; sideways, smoothed glyph edges may add one.
        EXPECT_EQ(text->y - outline->y, 2);
        EXPECT_EQ(outline->bottom() - text->bottom(), 2);
        EXPECT_GE(text->x - outline->x, 2);
        EXPECT_LE(text->x - outline->x, 3);
        EXPECT_GE(outline->right() - text->right(), 2);
        EXPECT_LE(outline->right() - text->right(), 3);
    }
}

TEST_F(OverlayPainterTest, DecoderTextCarriesFontAlpha) {
    Canvas half(kArea);
    paint(half, textScene(Corner::TopLeft, 128, u"HH"), PaintPath::GdiPlus);
    EXPECT_EQ(half.count([](Colour c) { return c == kWhite; }), 0);
    int brightest = 0;
    for (int y = 0; y < kArea.dy; ++y) {
        for (int x = 0; x < kArea.dx; ++x) brightest = std::max(brightest, redOf(half.pixel(x, y)));
    }
    EXPECT_NEAR(brightest, 128, 12);

    Canvas invisible(kArea);
    paint(invisible, textScene(Corner::TopLeft, 0, u"HH"), PaintPath::GdiPlus);
    EXPECT_FALSE(invisible.boundsOf(isInk));

    // FontAlpha 2 leaves the outline with 2 / 3 = 0: faint text, no outline at all.
    Canvas faint(kArea);
    paint(faint, textScene(Corner::TopLeft, 2, u"HH"), PaintPath::GdiPlus);
    EXPECT_TRUE(faint.boundsOf(isInk));
    EXPECT_EQ(faint.count([](Colour c) { return blueOf(c) > redOf(c) + 3; }), 0);
}

TEST_F(OverlayPainterTest, BitmapPathTextIsOpaqueWhateverFontAlpha) {
    Canvas canvas(kArea);
    paint(canvas, textScene(Corner::BottomRight, 0, u"HH"), PaintPath::Gdi);
    EXPECT_GT(canvas.count([](Colour c) { return c == kWhite; }), 20);
    EXPECT_GT(canvas.count([](Colour c) { return c == kBlue; }), 20);
}

TEST_F(OverlayPainterTest, NoTextLeavesThePageUntouched) {
    for (const PaintPath path : {PaintPath::GdiPlus, PaintPath::Gdi}) {
        Canvas canvas(kArea);
        paint(canvas, textScene(Corner::TopLeft, 255, u""), path);
        EXPECT_FALSE(canvas.boundsOf(isInk));
    }
}

TEST(FontRequest, FollowsTheStyle) {
    OverlayStyle style;
    style.fontFace = Text(40, u'F');
    style.fontHeight = 24;
    style.bold = true;
    style.italic = true;
    const LOGFONTW request = fontRequestOf(style);
    EXPECT_EQ(request.lfHeight, 24);
    EXPECT_EQ(request.lfWeight, 700);
    EXPECT_EQ(request.lfItalic, 1);
    EXPECT_EQ(request.lfUnderline, 0);
    EXPECT_EQ(request.lfCharSet, DEFAULT_CHARSET);
    EXPECT_EQ(request.lfQuality, PROOF_QUALITY);
    EXPECT_EQ(std::wstring(request.lfFaceName), std::wstring(31, L'F'));
    style.bold = false;
    style.underline = true;
    EXPECT_EQ(fontRequestOf(style).lfWeight, 400);
    EXPECT_EQ(fontRequestOf(style).lfUnderline, 1);
}

// The settings dialog's sample paints through a window of its own size.
class SampleTextTest : public OverlayPainterTest {
protected:
    void SetUp() override {
        OverlayPainterTest::SetUp();
        window_ = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, kSample.dx, kSample.dy, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(window_, nullptr) << "needs a display";
        page_.FontName = u"Tahoma";
        page_.FontSize = 20;
        page_.FontAlpha = 255;
        page_.FontColor = kWhite;
        page_.FontColor2 = kBlue;
        page_.FontColorBk = 0x0000FF;
        page_.FontColorBk2 = 0x00FF00;
    }
    void TearDown() override {
        if (window_ != nullptr) DestroyWindow(window_);
    }

    static constexpr Size kSample{160, 60};
    HWND window_ = nullptr;
    PageSettings page_;
};

TEST_F(SampleTextTest, CentresTheTextOnTheBackground) {
    const Text text = u"HH";
    for (const bool decoder : {true, false}) {
        SCOPED_TRACE(decoder ? "decoder" : "bitmap");
        Canvas canvas(kSample);
        DrawSampleText(window_, canvas.dc(), &text, page_, decoder);
        EXPECT_TRUE(drawtest::closeTo(canvas.pixel(0, 0), 0x0000FF, 3));
        EXPECT_TRUE(drawtest::closeTo(canvas.pixel(kSample.dx - 1, kSample.dy - 1), 0x00FF00, 3));
        const auto white = canvas.boundsOf([](Colour c) { return c == kWhite; });
        ASSERT_TRUE(white);
        EXPECT_NEAR(white->x + white->dx / 2, kSample.dx / 2, 3);
        EXPECT_NEAR(white->y + white->dy / 2, kSample.dy / 2, 5);
    }
}

TEST_F(SampleTextTest, WithoutATextOnlyTheBackgroundIsPainted) {
    Canvas canvas(kSample);
    DrawSampleText(window_, canvas.dc(), nullptr, page_, true);
    EXPECT_EQ(canvas.count([](Colour c) { return c == kWhite || c == kBlue; }), 0);
    EXPECT_TRUE(drawtest::closeTo(canvas.pixel(kSample.dx / 2, kSample.dy / 2), 0x007F7F, 4));
}

TEST_F(SampleTextTest, PageViewEntryPointPaintsTheClientAreaWithTheChosenText) {
    // A page with a label and a shooting date: without the decoder only the label exists,
    // drawn opaque even at FontAlpha 0.
    page_.Label = u"HH";
    page_.PhotoFlag = ShowLabel | ShowDate | 0xC000 | 2;
    page_.FontAlpha = 0;
    page_.FontColorBk = page_.FontColorBk2 = 0x000000;
    const PagePicture bitmap(drawtest::makeBitmap({{40, 30}, 0x0000FF}));
    AnsiCodePage codePage;
    PhotoInfo info;
    info.codePage = &codePage;
    info.items = {testing::asciiItem(0x9003, "2023:05:07 14:03:09")};
    OverlayState state;
    state.gdiplusActive = false;
    Canvas canvas(kSample);
    PagePainter painter;
    painter.paintPage(window_, canvas.dc(), page_, bitmap, info, state);
    // Both sides fitted: the picture fills the window's client area, the text sits top left.
    EXPECT_EQ(canvas.pixel(kSample.dx - 1, kSample.dy - 1), 0x0000FFu);
    const auto white = canvas.boundsOf([](Colour c) { return c == kWhite; });
    ASSERT_TRUE(white);
    EXPECT_LT(white->right(), kSample.dx / 2);
    EXPECT_LT(white->bottom(), kSample.dy / 2);
    EXPECT_LT(white->dy, page_.FontSize) << "one line: the shooting date needs the decoder";
    // Information hidden: the same page without text.
    state.infoVisible = false;
    painter.paintPage(window_, canvas.dc(), page_, bitmap, info, state);
    EXPECT_FALSE(canvas.boundsOf([](Colour c) { return c == kWhite; }));
}

}  // namespace
}  // namespace quillory
