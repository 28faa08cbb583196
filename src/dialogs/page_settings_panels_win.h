#pragma once
// The Page settings dialog's five panels, in toolbar order. Each is a child dialog of the frame
// that reads the working Page when it is created and stores its controls into it when destroyed.
#include <windows.h>

#include "dialogs/page_settings_session_win.h"

namespace quillory {

HWND createContentsPanel(HWND frame, PageSettingsSession& session);     // 148: label, comment, picture, lock
HWND createImageInfoPanel(HWND frame, PageSettingsSession& session);    // 150: the picture's information
HWND createDisplaySizePanel(HWND frame, PageSettingsSession& session);  // 146: fit mode, shown live
HWND createTextPanel(HWND frame, PageSettingsSession& session);         // 149: items, font, corner
HWND createColourPanel(HWND frame, PageSettingsSession& session);       // 147: colours, opacity, picker

}  // namespace quillory
