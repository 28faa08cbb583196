#pragma once
// The visible PhotoStandWindow: one tab per visible Page over the current Page's PageView, the
// commands of the program's menus, and the saves of the album at the moments that change it.
#include <windows.h>

#include "stand/stand_owner_win.h"
#include "stand/startup_facts_win.h"

namespace quillory {

// Creates the modeless stand dialog (hidden until its owner shows it). `ownerWindow` owns it as a
// window (none: it has a taskbar button of its own); `owner` hears that it closed, went or took
// another title, until closeStandForOwner.
HWND createPhotoStandWindow(StartupFacts& facts, StandOwner& owner, HWND ownerWindow);

// The keyboard's Page changes, each a person's action that restarts the idle countdown. Here the
// PageView slides up and away, tab `tabNumber` and its Page become current and a new PageView
// shows it.
void switchStandTab(HWND stand, int tabNumber);
// Makes `page` current (the first tab's Page when it has no tab) without a slide.
void switchStandPage(HWND stand, int page);
// A key of the accelerator table that the stand carries out as the menu command of the same
// identifier (the show started, paused or left, full screen).
void runStandKey(HWND stand, WORD command);

// The owner closes first: the stand saves and closes without calling it back. When the session
// ends, the show is held first so that nothing advances meanwhile.
void closeStandForOwner(HWND stand, bool sessionEnds);

}  // namespace quillory
