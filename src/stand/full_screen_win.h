#pragma once
// The stand over its whole monitor: only the current Page's view, overlay text included, with no
// frame, tabs or status bar. Leaving puts the window back exactly as it was: place, size,
// styles, band and parts.
#include <windows.h>

namespace quillory {

struct PhotoStandWindow;

// What full screen changes and gives back.
struct FullScreenState {
    bool active = false;
    LONG_PTR style = 0;
    LONG_PTR exStyle = 0;
    RECT frame{};
    bool statusBarShown = false;
};

// F11 and the menu item: into full screen, or back. A running slide show goes along (it runs
// on over the whole monitor); leaving full screen ends it, as any return to the stand does.
void toggleFullScreen(PhotoStandWindow& stand);
// Esc: the stand as it was before full screen; nothing outside it.
void leaveFullScreen(PhotoStandWindow& stand);

// The view over the stand's whole client area, while full screen.
void layoutFullScreen(PhotoStandWindow& stand);

}  // namespace quillory
