#pragma once
// The one way from a change to the screen: every command of the stand, its PageView, its
// FolderBar and its dialogs ends by handing what it changed to applyChanges, which alone lays
// out, reloads the picture, repaints (the picture surfaces included) and refreshes the tabs,
// the status bar and the system menu.
#include "stand/stand_state_win.h"
#include "stand/viewing.h"

namespace quillory {

void applyChanges(PhotoStandWindow& stand, Changes changes);

}  // namespace quillory
