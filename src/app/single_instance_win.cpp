#include "app/single_instance_win.h"

#include <windows.h>

#include "base/wide_win.h"

namespace quillory {

namespace {

struct Search {
    const Text* title;
    HWND found = nullptr;
};

BOOL CALLBACK matchTitle(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<Search*>(context);
    wchar_t text[128] = {};
    GetWindowTextW(window, text, 128);
    if (contains(fromWide(text), *search->title)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

bool activateRunningInstance(const Text& title) {
    Search search{&title};
    EnumWindows(matchTitle, reinterpret_cast<LPARAM>(&search));
    if (search.found == nullptr) return false;
    if (IsIconic(search.found)) {
        OpenIcon(search.found);
    } else {
        BringWindowToTop(search.found);
        SetForegroundWindow(search.found);
        SetActiveWindow(search.found);
    }
    return true;
}

}  // namespace quillory
