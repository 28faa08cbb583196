#pragma once
// The stand window's system menu: the program item, the Page menu, new Page and general settings.
#include <windows.h>

#include <array>

#include "album/album.h"
#include "base/gdi_handles_win.h"
#include "stand/startup_facts_win.h"

namespace quillory {

class StandSystemMenu {
public:
    // Equips the stand's system menu; bitmaps are shown from Windows Vista on.
    void build(const StartupFacts& facts, HWND stand);

    // The Page menu names the current Page and offers only what it allows (a locked Page's
    // picture is neither replaced nor the Page deleted). The stand calls it whenever a menu of it
    // opens, so the system menu is right however it is reached.
    void refresh(const Album& album) const;

    // Menu 135's pop-up, inside the stand's system menu; none before build.
    HMENU pageMenu() const { return pageMenu_; }

private:
    HWND stand_ = nullptr;
    UniqueMenu pageMenuResource_;           // menu 135, kept for the life of the stand
    HMENU pageMenu_ = nullptr;
    std::array<UniqueBitmap, 5> bitmaps_;   // freed with the stand
};

}  // namespace quillory
