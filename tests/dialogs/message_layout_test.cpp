#include "dialogs/message_layout.h"

#include <gtest/gtest.h>

namespace quillory {
namespace {

// Roughly the template at 96 DPI: text 69,11 207×38; first button 11,62 75×26; window 300×130.
MessageLayoutInput templateInput(Size measured) {
    MessageLayoutInput input;
    input.textArea = {69, 11, 207, 38};
    input.measuredText = measured;
    input.buttonArea = {11, 62, 75, 26};
    input.dialog = {0, 0, 300, 130};
    input.owner = {100, 200, 800, 600};
    return input;
}

TEST(MessageLayout, ShortTextKeepsTheTemplateSize) {
    const MessageLayout layout = layoutMessageDialog(templateInput(Size{120, 20}));
    EXPECT_EQ(layout.textArea, (Rect{69, 11, 207 + 5, 38}));
    EXPECT_EQ(layout.dialog.dx, 300);
    EXPECT_EQ(layout.dialog.dy, 130 + 10);
    // Buttons right-aligned with the text's right edge, at the template's height.
    const int textRight = 69 + 212;
    EXPECT_EQ(layout.firstButton, (Rect{textRight - 150 - 20, 62, 75, 26}));
    EXPECT_EQ(layout.secondButton, (Rect{textRight - 75 - 10, 62, 75, 26}));
}

TEST(MessageLayout, LongThreeLineTextGrowsTheBoxAndMovesTheButtons) {
    const MessageLayout layout = layoutMessageDialog(templateInput(Size{520, 60}));
    const int extraWidth = 520 - 207;
    const int extraHeight = 60 - 38;
    EXPECT_EQ(layout.textArea, (Rect{69, 11, 520 + 5, 60}));
    EXPECT_EQ(layout.dialog.dx, 300 + extraWidth);
    EXPECT_EQ(layout.dialog.dy, 130 + extraHeight + 10);
    EXPECT_EQ(layout.firstButton.y, 62 + extraHeight);
    EXPECT_EQ(layout.secondButton.y, 62 + extraHeight);
    EXPECT_EQ(layout.secondButton.right() + 10, layout.textArea.right());
    EXPECT_EQ(layout.firstButton.right() + 10, layout.secondButton.x);
    // The buttons stay inside the grown box.
    EXPECT_LE(layout.secondButton.right(), layout.dialog.dx);
    EXPECT_LE(layout.secondButton.bottom(), layout.dialog.dy);
}

TEST(MessageLayout, OnlyTheDimensionThatOverflowsGrows) {
    const MessageLayout wide = layoutMessageDialog(templateInput(Size{400, 10}));
    EXPECT_EQ(wide.textArea.dy, 38);
    EXPECT_EQ(wide.firstButton.y, 62);
    const MessageLayout tall = layoutMessageDialog(templateInput(Size{50, 100}));
    EXPECT_EQ(tall.textArea.dx, 207 + 5);
    EXPECT_EQ(tall.dialog.dx, 300);
}

TEST(MessageLayout, CentredOnTheOwnerWithHalvesTruncated) {
    const MessageLayout layout = layoutMessageDialog(templateInput(Size{208, 41}));
    // Width 301, height before padding 133: halves 150 and 66.
    EXPECT_EQ(layout.dialog.x, 100 + 400 - 150);
    EXPECT_EQ(layout.dialog.y, 200 + 300 - 66);
    // An owner at negative coordinates (a monitor left of the primary) truncates towards zero too.
    MessageLayoutInput input = templateInput(Size{10, 10});
    input.owner = {-801, -601, 801, 601};
    const MessageLayout left = layoutMessageDialog(input);
    EXPECT_EQ(left.dialog.x, -801 + 400 - 150);
    EXPECT_EQ(left.dialog.y, -601 + 300 - 65);
}

}  // namespace
}  // namespace quillory
