#include "message_layout.h"

#include <algorithm>

namespace quillory {

namespace {

// Room between the text's right edge and the buttons, and below the buttons once grown.
constexpr int kTextRightPadding = 5;
constexpr int kButtonGap = 10;
constexpr int kGrownBottomPadding = 10;

}  // namespace

MessageLayout layoutMessageDialog(const MessageLayoutInput& input) {
    const int extraWidth = std::max(0, input.measuredText.dx - input.textArea.dx);
    const int extraHeight = std::max(0, input.measuredText.dy - input.textArea.dy);

    MessageLayout layout;
    layout.textArea = {input.textArea.x, input.textArea.y, input.textArea.dx + extraWidth + kTextRightPadding,
                       input.textArea.dy + extraHeight};
    const int textRight = layout.textArea.right();
    const int buttonWidth = input.buttonArea.dx;
    const int buttonTop = input.buttonArea.y + extraHeight;
    layout.firstButton = {textRight - 2 * buttonWidth - 2 * kButtonGap, buttonTop, buttonWidth, input.buttonArea.dy};
    layout.secondButton = {textRight - buttonWidth - kButtonGap, buttonTop, buttonWidth, input.buttonArea.dy};

    const int width = input.dialog.dx + extraWidth;
    const int height = input.dialog.dy + extraHeight + kGrownBottomPadding;
    // The vertical centring uses the height before the bottom padding, so the box sits a few
    // pixels below the exact centre.
    const int left = input.owner.x + input.owner.dx / 2 - width / 2;
    const int top = input.owner.y + input.owner.dy / 2 - (input.dialog.dy + extraHeight) / 2;
    layout.dialog = {left, top, width, height};
    return layout;
}

}  // namespace quillory
