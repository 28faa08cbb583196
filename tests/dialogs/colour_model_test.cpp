#include "dialogs/colour_model.h"

#include <gtest/gtest.h>

namespace quillory {
namespace {

ColourSlot fromRgb(std::uint16_t r, std::uint16_t g, std::uint16_t b) {
    ColourSlot slot;
    slot.R = r, slot.G = g, slot.B = b;
    rgbToHsb(slot);
    return slot;
}

ColourSlot fromHsb(std::uint16_t h, std::uint16_t s, std::uint16_t v) {
    ColourSlot slot;
    slot.H = h, slot.S = s, slot.V = v;
    hsbToRgb(slot);
    return slot;
}

TEST(ColourConversion, RgbToHsb) {
    const ColourSlot red = fromRgb(255, 0, 0);
    EXPECT_EQ((std::array{red.H, red.S, red.V}), (std::array<std::uint16_t, 3>{0, 100, 100}));
    // A hue a hair below a full turn rounds up to 360.
    EXPECT_EQ(fromRgb(255, 0, 1).H, 360);
    const ColourSlot black = fromRgb(0, 0, 0);
    EXPECT_EQ((std::array{black.H, black.S, black.V}), (std::array<std::uint16_t, 3>{0, 0, 0}));
    const ColourSlot grey = fromRgb(128, 128, 128);
    EXPECT_EQ((std::array{grey.H, grey.S, grey.V}), (std::array<std::uint16_t, 3>{0, 0, 50}));
    // Each sextant of the hue circle.
    EXPECT_EQ(fromRgb(0, 255, 0).H, 120);
    EXPECT_EQ(fromRgb(0, 0, 255).H, 240);
    EXPECT_EQ(fromRgb(255, 255, 0).H, 60);
    EXPECT_EQ(fromRgb(255, 0, 255).H, 300);
}

TEST(ColourConversion, HsbToRgb) {
    const ColourSlot green = fromHsb(120, 100, 100);
    EXPECT_EQ((std::array{green.R, green.G, green.B}), (std::array<std::uint16_t, 3>{0, 255, 0}));
    const ColourSlot full = fromHsb(360, 80, 60), zero = fromHsb(0, 80, 60);
    EXPECT_EQ((std::array{full.R, full.G, full.B}), (std::array{zero.R, zero.G, zero.B}));
    const ColourSlot grey = fromHsb(200, 0, 50);
    EXPECT_EQ((std::array{grey.R, grey.G, grey.B}), (std::array<std::uint16_t, 3>{128, 128, 128}));
    const ColourSlot orange = fromHsb(30, 100, 100);
    EXPECT_EQ((std::array{orange.R, orange.G, orange.B}), (std::array<std::uint16_t, 3>{255, 128, 0}));
}

TEST(ColourConversion, EveryGreyAndPrimaryMixSurvivesTheRoundTrip) {
    for (int r = 0; r <= 255; r += 51) {
        for (int g = 0; g <= 255; g += 51) {
            for (int b = 0; b <= 255; b += 51) {
                ColourSlot slot = fromRgb(static_cast<std::uint16_t>(r), static_cast<std::uint16_t>(g), static_cast<std::uint16_t>(b));
                const ColourSlot before = slot;
                hsbToRgb(slot);
                // HSB keeps whole percent and degrees only, so a channel may move by a few units.
                EXPECT_NEAR(slot.R, before.R, 3) << r << "," << g << "," << b;
                EXPECT_NEAR(slot.G, before.G, 3) << r << "," << g << "," << b;
                EXPECT_NEAR(slot.B, before.B, 3) << r << "," << g << "," << b;
            }
        }
    }
}

TEST(ColourBars, PagingFollowsTheBarsScale) {
    auto pageLeft = [](int from, BarScale scale) { return scrolledPosition(ScrollRequest::PageLeft, from, 0, scale); };
    const BarScale red = colourBarScale(ColourMode::Rgb, 0);
    EXPECT_EQ(pageLeft(255, red), 240);
    EXPECT_EQ(pageLeft(240, red), 224);
    EXPECT_EQ(pageLeft(10, red), 0);
    const BarScale hue = colourBarScale(ColourMode::Hsb, 0);
    EXPECT_EQ(pageLeft(360, hue), 343);
    EXPECT_EQ(pageLeft(343, hue), 325);
    const BarScale saturation = colourBarScale(ColourMode::Hsb, 1);
    EXPECT_EQ(pageLeft(100, saturation), 96);
    EXPECT_EQ(pageLeft(96, saturation), 91);
    EXPECT_EQ(scrolledPosition(ScrollRequest::PageRight, 250, 0, red), 255);
    EXPECT_EQ(scrolledPosition(ScrollRequest::LineRight, 100, 0, saturation), 100);
    EXPECT_EQ(scrolledPosition(ScrollRequest::ThumbTrack, 3, 77, hue), 77);
    EXPECT_EQ(scrolledPosition(ScrollRequest::Right, 3, 0, hue), 360);
    EXPECT_EQ(scrolledPosition(ScrollRequest::EndScroll, 3, 77, hue), std::nullopt);
}

TEST(ColourPanel, BarsEditTheChosenSlotInTheChosenRepresentation) {
    PageSettings page;
    page.FontColor = 0x0000FF;  // red
    page.FontColorBk = 0x00FF00;
    colourSlotIndex.set(page.PhotoFlag, 2);
    ColourPanelModel model = loadColourPanel(page);
    EXPECT_EQ(model.edited().H, 120);

    // Background: the third colour changes, nothing else.
    setBarPosition(model, 2, 255);
    storeColours(model, page);
    EXPECT_EQ(page.FontColorBk, 0xFFFF00u);
    EXPECT_EQ(page.FontColor, 0x0000FFu);
    EXPECT_EQ(colourValueText(model), u"赤:0、緑:255、青:255");

    // In HSB a grey keeps its hue, so raising the saturation again brings the colour back.
    model.mode = ColourMode::Hsb;
    const std::uint16_t hue = model.edited().H;
    setBarPosition(model, 1, 0);
    EXPECT_EQ(model.edited().R, model.edited().G);
    EXPECT_EQ(model.edited().H, hue);
    setBarPosition(model, 1, 100);
    EXPECT_EQ(colourOfSlot(model.edited()), 0xFFFF00u);
}

TEST(ColourPanel, SlotAndModeComeBackWithThePageAndLeaveOtherBitsAlone) {
    PageSettings page;
    page.PhotoFlag = ShowAuthor | ShowDate | 3;
    ColourPanelModel model = loadColourPanel(page);
    EXPECT_EQ(model.mode, ColourMode::Rgb);
    selectSlot(model, 3);
    model.mode = ColourMode::Hsb;
    storeColourPanel(model, page);
    EXPECT_EQ(page.PhotoFlag & ~(colourSlotIndex.mask() | colourMode.mask()), ShowAuthor | ShowDate | 3);

    const ColourPanelModel again = loadColourPanel(page);
    EXPECT_EQ(again.slotIndex, 3u);
    EXPECT_EQ(again.mode, ColourMode::Hsb);
}

TEST(ColourPanel, PickedPixelOffTheScreenIsWhite) {
    ColourPanelModel model;
    takePickedColour(model, 0xFFFFFFFF);
    EXPECT_EQ(colourOfSlot(model.edited()), 0xFFFFFFu);
    EXPECT_EQ(model.edited().V, 100);
}

}  // namespace
}  // namespace quillory
