#include "draw/overlay_style.h"

#include <gtest/gtest.h>

namespace quillory {
namespace {

TEST(OverlayStyle, TakenFromThePage) {
    PageSettings page;
    page.FontName = Text(40, u'F');
    page.FontSize = 18;
    page.FontStyle = FontBold | FontUnderline;
    page.FontAlpha = 128;
    page.FontColor = 0x112233;
    page.FontColor2 = 0x445566;
    page.PhotoFlag = 0x4000 | ShowLabel | 1;
    const OverlayStyle style = overlayStyleOf(page, kDefaultDpi);
    EXPECT_EQ(style.fontFace, Text(31, u'F'));
    EXPECT_EQ(style.fontHeight, 18);
    EXPECT_TRUE(style.bold);
    EXPECT_FALSE(style.italic);
    EXPECT_TRUE(style.underline);
    EXPECT_EQ(style.alpha, 128);
    EXPECT_EQ(style.textColour, 0x112233u);
    EXPECT_EQ(style.outlineColour, 0x445566u);
    EXPECT_EQ(style.corner, Corner::BottomLeft);
    page.PhotoFlag = 0xC000;
    page.FontStyle = FontItalic;
    EXPECT_EQ(overlayStyleOf(page, kDefaultDpi).corner, Corner::TopLeft);
    EXPECT_TRUE(overlayStyleOf(page, kDefaultDpi).italic);
}

TEST(OverlayStyle, TheTextGrowsWithTheWindowsDpi) {
    PageSettings page;
    page.FontSize = 18;
    EXPECT_EQ(overlayStyleOf(page, 144).fontHeight, 27);
    EXPECT_EQ(overlayStyleOf(page, 120).fontHeight, 23) << "22.5 rounds up";
    page.FontSize = -16;  // a character height (hand-edited album) grows the same way
    EXPECT_EQ(overlayStyleOf(page, 144).fontHeight, -24);
}

TEST(OverlayStyle, BrushColoursCarryTheOpacity) {
    EXPECT_EQ(argbOf(255, 0x00332211), 0xFF112233u);
    EXPECT_EQ(argbOf(0, 0x000000FF), 0x00FF0000u);
    EXPECT_EQ(argbOf(85, 0x00FFFFFF), 0x55FFFFFFu);
    EXPECT_EQ(outlineAlphaOf(255), 85);
    EXPECT_EQ(outlineAlphaOf(3), 1);
    EXPECT_EQ(outlineAlphaOf(2), 0);
}

TEST(OverlayStyle, AnchorsSitFivePixelsInFromTheirCorner) {
    EXPECT_TRUE(isRightCorner(Corner::TopRight) && isBottomCorner(Corner::BottomLeft));
    EXPECT_FALSE(isRightCorner(Corner::TopLeft) || isBottomCorner(Corner::TopRight));
    const Size area{300, 200};
    EXPECT_EQ(textAnchorOf(Corner::BottomRight, area), (TextAnchor{{295, 195}, true, true}));
    EXPECT_EQ(textAnchorOf(Corner::BottomLeft, area), (TextAnchor{{5, 195}, false, true}));
    EXPECT_EQ(textAnchorOf(Corner::TopRight, area), (TextAnchor{{295, 5}, true, false}));
    EXPECT_EQ(textAnchorOf(Corner::TopLeft, area), (TextAnchor{{5, 5}, false, false}));
}

TEST(OverlayStyle, BitmapTextBoxesRestOnTheMeasuredHeightAtTheBottom) {
    const Size area{300, 200};
    EXPECT_EQ(textBoxOf(Corner::BottomRight, area, 40), Rect::fromEdges(5, 155, 295, 195));
    EXPECT_EQ(textBoxOf(Corner::BottomLeft, area, 12), Rect::fromEdges(5, 183, 295, 195));
    EXPECT_EQ(textBoxOf(Corner::TopRight, area, 40), Rect::fromEdges(5, 5, 295, 195));
    EXPECT_EQ(textBoxOf(Corner::TopLeft, area, 40), Rect::fromEdges(5, 5, 295, 195));
}

}  // namespace
}  // namespace quillory
