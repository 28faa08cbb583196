#pragma once
#include <windows.h>

#include "dialogs/dialog_host_win.h"

namespace quillory {

// Moves the dialog next to the PhotoStandWindow, inside the stand's monitor.
void placeDialogNearStand(HWND dialog, const DialogHost& host);

}  // namespace quillory
