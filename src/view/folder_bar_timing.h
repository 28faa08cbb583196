#pragma once
// When the FolderBar of a folder Page shows and hides: it appears while the mouse is near the
// left or right edge in the bar's band and hides five seconds after that (three after a step
// made with it), counted by the PageView's one-second timer.
#include <optional>

#include "base/geometry.h"

namespace quillory {

inline constexpr int kFolderBarEdge = 30;  // pixels from the left or right edge at 96 DPI

// Whether a mouse point (client coordinates) lies where it calls the bar: near an edge and
// within the band the bar occupies across the middle. The edge grows with the view's DPI.
bool callsFolderBar(Point point, Size client, int barHeight, int dpi);

class FolderBarTiming {
public:
    // A mouse move: true when the bar is to be shown now (and kept five seconds). A repeat of the
    // last point that showed it does nothing.
    bool hover(Point point, Size client, int barHeight, int dpi);
    // The timer's tick: true when the bar is to be hidden now.
    bool tick();
    // A step made with the bar keeps it three more seconds.
    void stepped() { countdown_ = 3; }
    // The bar was hidden by a resize.
    void hidden() { shown_ = false; }
    void resized() {
        shown_ = false;
        countdown_ = 0;
    }

    bool shown() const { return shown_; }

private:
    bool shown_ = true;  // a new view's first tick hides the bar, which may have shown itself
    int countdown_ = 0;
    std::optional<Point> lastHover_;
};

}  // namespace quillory
