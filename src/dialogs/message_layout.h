#pragma once
// How the message box grows to fit its text: the text area widens and deepens to the measured
// text (never shrinks), the two buttons follow the text's right edge and bottom, and the box is
// centred on its owner.
#include "base/geometry.h"

namespace quillory {

struct MessageLayoutInput {
    Rect textArea;      // the text control, in the dialog's client coordinates
    Size measuredText;  // the text's extent in the dialog's font
    Rect buttonArea;    // the template's first button (size and top) in client coordinates
    Rect dialog;        // the dialog's window rectangle before growing
    Rect owner;         // the owner's window rectangle
};

struct MessageLayout {
    Rect textArea;
    Rect firstButton;
    Rect secondButton;
    Rect dialog;  // window rectangle, screen coordinates
};

MessageLayout layoutMessageDialog(const MessageLayoutInput& input);

}  // namespace quillory
