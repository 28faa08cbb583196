#pragma once
// What the PhotoStandWindow owns: the windows, the viewing and the slide show's countdown while a
// person looks, besides the start-up's facts it reads; freed with the window.
#include <windows.h>

#include <optional>

#include "base/gdi_handles_win.h"
#include "base/text.h"
#include "base/background_brush_win.h"
#include "dialogs/dialog_host_win.h"
#include "stand/full_screen_win.h"
#include "stand/slide_countdown.h"
#include "stand/slide_show_win.h"
#include "stand/stand_owner_win.h"
#include "stand/stand_system_menu_win.h"
#include "stand/startup_facts_win.h"
#include "stand/suspend_notice_win.h"
#include "stand/viewing.h"
#include "view/page_view_win.h"

namespace quillory {

// The stand is its PageView's host: what a person does in the view comes here as calls
// (stand_view_host_win.cpp); and its dialogs' host: what they change comes here to be shown
// (stand_dialogs_win.cpp).
struct PhotoStandWindow final : PageViewHost, StandHost {
    PhotoStandWindow(StartupFacts& startupFacts, StandOwner& standOwner) : facts(startupFacts), owner(&standOwner) {}

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

    StartupFacts& facts;
    StandOwner* owner;         // none once the owner closes first: it is not called back
    Viewing viewing;
    SlideCountdown countdown;
    // After the countdown: a system thread writes through its reference until it is gone.
    std::optional<SuspendNotice> suspendNotice;
    bool modalOpen = false;    // a modal dialog of the stand's is open: the slide show waits
    int pageSettingsPanel = 0;     // the Page settings reopen on the panel shown last
    int generalSettingsPanel = 0;  // and so do the general settings
    HWND window = nullptr;
    bool windowGone = false;   // being destroyed: the slide show stops without showing the way back
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
    StandSystemMenu systemMenu;
    SlideShowWindow slideShow;
    FullScreenState fullScreen;
};

}  // namespace quillory
