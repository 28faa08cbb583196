#pragma once
// What the dialogs need to know about the running program, handed to them by the window that
// opens them instead of being read from process-wide state.
#include <windows.h>

#include "album/album.h"
#include "base/geometry.h"
#include "base/os_versions.h"
#include "base/win_platform_win.h"

namespace quillory {

// Whether the desktop window manager reports composition (the glass frame) as on.
bool dwmCompositionEnabled();

// What a dialog changed while open that the stand shows at once: its own look (the tabs' font,
// position and rows, the status bar's font, translucency and opacity, the topmost band) or the
// live Page's picture drawn otherwise.
enum class StandLook { TabFont, StatusFont, TabLayout, Translucency, Topmost, FitModePreview };

// What the dialogs ask of the stand they open beside; the stand alone puts it on the screen.
class StandHost {
public:
    virtual void showStandLook(StandLook look) = 0;
    // Gives `page` a chosen picture file or folder as the stand gives its Pages one: a folder is
    // listed at once into the FolderList and the stand's folder cursor.
    virtual void givePagePicture(PageSettings& page, const Text& path, bool isFolder) = 0;

protected:
    ~StandHost() = default;
};

struct DialogHost {
    HINSTANCE instance = GetModuleHandleW(nullptr);  // holds the dialog templates
    HWND standWindow = nullptr;  // the PhotoStandWindow the dialogs open beside
    StandHost* stand = nullptr;  // none: no stand shows what the dialogs change
    int osVersionCode = 0;       // 600 and above: Vista frames, glass, no frame animation
    bool gdiplusActive = false;  // GDI+ started: more picture formats, the overlay text drawn by it
    Text albumName;              // named in the picture choosers' titles
    bool tabAnimate = false;     // TabAnimate: slide the dialogs in and out (before Vista)
    int dpiX = USER_DEFAULT_SCREEN_DPI;
    int dpiY = USER_DEFAULT_SCREEN_DPI;
    HBRUSH background = nullptr;  // the shared tiled background; none: the system's dialog colour
    Size backgroundSize;          // its bitmap's size, 0 × 0 when unknown
    Random* random = &winPlatform().random;
    bool (*compositionEnabled)() = &dwmCompositionEnabled;  // what the system reports; tests stand in

    bool vistaOrLater() const { return osVersionCode >= kWindowsVista; }
    bool animatesFrames() const { return tabAnimate && !vistaOrLater(); }
    int scaledX(int pixels) const { return pixels * dpiX / USER_DEFAULT_SCREEN_DPI; }
    int scaledY(int pixels) const { return pixels * dpiY / USER_DEFAULT_SCREEN_DPI; }
    void showOnStand(StandLook look) const {
        if (stand != nullptr) stand->showStandLook(look);
    }
};

}  // namespace quillory
