#pragma once
// The settings dialogs' frame side: a PanelToolbar of large picture buttons and the one panel
// shown beside it. The frame makes a switcher with its buttons and a factory for its panels; the
// switcher creates the toolbar, shows the panel used last, swaps panels on the toolbar's
// commands and answers the toolbar's tooltip requests.
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "base/gdi_handles_win.h"
#include "base/geometry.h"
#include "base/text.h"
#include "dialogs/dialog_host_win.h"

namespace quillory {

struct PanelButton {
    int command = 0;
    int image = 0;        // index in the bitmap strip
    TextView text;        // under the picture
    TextView tooltip;     // "\n" breaks the balloon's lines
};

// Where the toolbar goes and how big its buttons are, in pixels at 96 dpi.
struct PanelToolbarLayout {
    int bitmapId = 0;
    Rect place;
    Size button;
    int imageHeight = 24;
    std::optional<RECT> tipMargins;  // the balloon's margins, when the dialog sets its own
};

class PanelSwitcher {
public:
    // Creates panel `index` as a child of the frame; nullptr when it cannot be made.
    using PanelFactory = std::function<HWND(HWND frame, int index)>;

    // `shownIndex` is the process-wide memory of the panel shown last; the switcher keeps it.
    PanelSwitcher(std::span<const PanelButton> buttons, int& shownIndex, PanelFactory create);

    // The toolbar (with a copy of the frame's font and balloon tooltips) and the panel used last.
    void open(HWND frame, const DialogHost& host, const PanelToolbarLayout& layout);

    // A toolbar command: the other panel replaces the one shown (sliding out with `slide`) and
    // takes the focus.
    // False when `command` is none of the buttons.
    bool onCommand(int command, bool slide);

    // Before Vista with TabAnimate, the frame slides in; the last step of opening the frame.
    void showFrame(const DialogHost& host);
    // Before Vista with TabAnimate, the frame slides out upwards; the step before ending it.
    void hideFrame(const DialogHost& host);

    // The frame's WM_NOTIFY: the toolbar's tooltip asks for a button's text (TRUE, answered);
    // FALSE for every other notice.
    INT_PTR onNotify(NMHDR& notice);

    // Destroys the panel shown, so that it stores its controls; the frame then reads them.
    void closePanel();

    HWND panel() const { return panel_; }
    HWND toolbar() const { return toolbar_; }

private:
    void showPanel(int index);
    void focusPanel();

    std::span<const PanelButton> buttons_;
    int& shownIndex_;
    PanelFactory create_;
    HWND frame_ = nullptr;
    HWND toolbar_ = nullptr;  // a child of the frame, destroyed with it
    HWND panel_ = nullptr;    // likewise
    UniqueFont font_;
    std::vector<TBBUTTON> table_;
    std::vector<Text> texts_;
    std::vector<Text> tooltips_;  // the notices point into these
};

}  // namespace quillory
