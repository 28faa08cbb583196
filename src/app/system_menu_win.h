#pragma once
// The stand window's system menu: the program item, the Page menu, new Page and general settings.
#include <windows.h>

#include <array>

#include "base/gdi_handles_win.h"

namespace quillory {

struct App;

class StandSystemMenu {
public:
    // Equips the stand's system menu; bitmaps are shown from Windows Vista on.
    void build(App& app, HWND stand);

private:
    UniqueMenu pageMenuResource_;           // menu 135, kept for the life of the process
    std::array<UniqueBitmap, 5> bitmaps_;   // freed with the HostWindow
};

// refreshSystemPageMenu: the Page menu names the current Page and offers only what it allows (a
// locked Page's picture is neither replaced nor the Page deleted). The stand calls it whenever a
// menu of it opens, so the system menu is right however it is reached.
void refreshSystemPageMenu(App& app);

}  // namespace quillory
