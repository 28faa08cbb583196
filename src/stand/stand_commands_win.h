#pragma once
// The commands the PhotoStandWindow carries out, from its menus, its system menu, the PageView
// and the HostWindow.
#include <windows.h>

#include <optional>

#include "base/text.h"
#include "stand/stand_state_win.h"

namespace quillory {

// `droppedPath` is the path the PageView posts with a new-Page command; menus carry none.
void runStandCommand(PhotoStandWindow& stand, WORD command, const std::optional<Text>& droppedPath);

}  // namespace quillory
