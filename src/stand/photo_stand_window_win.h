#pragma once
// The visible PhotoStandWindow: one tab per visible Page over the current Page's PageView, the
// commands of the program's menus, and the saves of the album at the moments that change it.
#include <windows.h>

namespace quillory {

struct App;

// Creates the modeless stand dialog (hidden until the HostWindow shows it).
HWND createPhotoStandWindow(App& app, HWND owner);

// The keyboard's Page changes: the PageView slides up and away, tab `tabNumber` and its Page
// become current and a new PageView shows it.
void switchStandTab(App& app, int tabNumber);
// Makes `page` current (the first tab's Page when it has no tab) without a slide.
void switchStandPage(App& app, int page);
// A key of the accelerator table that the stand carries out as the menu command of the same
// identifier (the show started, paused or left, full screen).
void runStandKey(App& app, WORD command);

}  // namespace quillory
