#pragma once
// What the PhotoStandWindow owns besides the App's shared state; freed with the window.
#include <windows.h>

#include "app/app_state_win.h"
#include "base/gdi_handles_win.h"
#include "base/text.h"
#include "dialogs/background_brush_win.h"
#include "stand/slide_show_win.h"

namespace quillory {

struct PhotoStandWindow {
    explicit PhotoStandWindow(App& owner) : app(owner) {}

    App& app;
    HWND window = nullptr;
    HWND tabs = nullptr;
    HWND pageView = nullptr;   // none between destroying one PageView and creating the next
    HWND statusBar = nullptr;  // none unless TabStatusBar
    WNDPROC tabProc = nullptr; // the tab control's own procedure while it is hooked
    UniqueFont tabFont;
    UniqueFont statusFont;
    UniqueIcon bigIcon;
    UniqueIcon smallIcon;
    DialogBackground background;
    Text tooltipText;          // tab tooltips point at it: their own field holds 80 characters
    bool saveFailureTold = false;
    SlideShowWindow slideShow;
};

}  // namespace quillory
