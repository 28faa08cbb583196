#pragma once
// What the PhotoStandWindow owns besides the App's shared state; freed with the window.
#include <windows.h>

#include <optional>

#include "app/app_state_win.h"
#include "base/gdi_handles_win.h"
#include "base/text.h"
#include "base/background_brush_win.h"
#include "dialogs/dialog_host_win.h"
#include "stand/full_screen_win.h"
#include "stand/slide_show_win.h"
#include "view/page_view_win.h"

namespace quillory {

// The stand is its PageView's host: what a person does in the view comes here as calls
// (stand_view_host_win.cpp); and its dialogs' host: what they change comes here to be shown
// (stand_dialogs_win.cpp).
struct PhotoStandWindow final : PageViewHost, StandHost {
    explicit PhotoStandWindow(App& owner) : app(owner) {}

    void holdAndStop() override;
    void actionDone() override;
    void openMenu(POINT screenPoint) override;
    void openPageSettings() override;
    void showDropped(const Text& path, bool isFolder) override;
    void addDroppedPage(const Text& path) override;
    void stepFolder(StepDirection direction, StepModifiers modifiers) override;
    void lookChanged() override;
    void folderRelisted(const FolderPlace& place) override;
    void pictureArrived() override;
    bool slideRunning() const override;

    void showStandLook(StandLook look) override;
    void givePagePicture(PageSettings& page, const Text& path, bool isFolder) override;

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
    bool menuOpen = false;     // a menu of the stand's is open: the slide show waits
    std::optional<Text> droppedPath;  // for the new Page the next kAddDroppedPage makes
    POINT menuPoint{};         // where the menu that kOpenMenuTimer opens shows
    SlideShowWindow slideShow;
    FullScreenState fullScreen;
};

}  // namespace quillory
