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

}  // namespace quillory
