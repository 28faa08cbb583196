#pragma once
// The visible PhotoStandWindow: one tab per visible Page over the Page's view.
#include <windows.h>

namespace quillory {

struct App;

// Creates the modeless stand dialog (hidden until the HostWindow shows it).
HWND createPhotoStandWindow(App& app, HWND owner);

// Makes tab `tabNumber` and its Page current, as a click on the tab would.
void switchStandTab(App& app, int tabNumber, bool animate);

// Makes `page` current and selects its tab.
void switchStandPage(App& app, int page);

}  // namespace quillory
