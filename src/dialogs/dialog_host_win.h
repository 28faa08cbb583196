#pragma once
// What the dialogs need to know about the running program, handed to them by the window that
// opens them instead of being read from process-wide state.
#include <windows.h>

#include <functional>

#include "base/geometry.h"
#include "base/os_versions.h"
#include "base/win_platform_win.h"

namespace quillory {

// Whether the desktop window manager reports composition (the glass frame) as on.
bool dwmCompositionEnabled();

// A setting of the stand's own look that a dialog changed while open, for the stand to show at once.
enum class StandLook { TabFont, StatusFont };

struct DialogHost {
    HWND standWindow = nullptr;  // the PhotoStandWindow the dialogs open beside
    int osVersionCode = 0;       // 600 and above: Vista frames, glass, no frame animation
    bool tabAnimate = false;     // TabAnimate: slide the dialogs in and out (before Vista)
    int dpiX = USER_DEFAULT_SCREEN_DPI;
    int dpiY = USER_DEFAULT_SCREEN_DPI;
    HBRUSH background = nullptr;  // the shared tiled background; none: the system's dialog colour
    Size backgroundSize;          // its bitmap's size, 0 × 0 when unknown
    Random* random = &winPlatform().random;
    bool (*compositionEnabled)() = &dwmCompositionEnabled;  // what the system reports; tests stand in
    std::function<void(StandLook)> showStandLook;           // none: no stand shows the dialog's changes

    bool vistaOrLater() const { return osVersionCode >= kWindowsVista; }
    bool animatesFrames() const { return tabAnimate && !vistaOrLater(); }
    int scaledX(int pixels) const { return pixels * dpiX / USER_DEFAULT_SCREEN_DPI; }
    int scaledY(int pixels) const { return pixels * dpiY / USER_DEFAULT_SCREEN_DPI; }
    void showOnStand(StandLook look) const {
        if (showStandLook) showStandLook(look);
    }
};

}  // namespace quillory
