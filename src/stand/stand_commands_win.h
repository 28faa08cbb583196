#pragma once
// The commands the PhotoStandWindow carries out, from its menus, its system menu, the PageView
// and the HostWindow.
#include <windows.h>

#include <optional>

#include "base/text.h"
#include "stand/page_commands.h"
#include "stand/stand_state_win.h"

namespace quillory {

// Menu, system-menu and accelerator commands; none carries data.
void runStandCommand(PhotoStandWindow& stand, WORD command);

// Posted by the stand to itself for a file or folder dropped for a new Page (PhotoStandWindow::droppedPath).
constexpr UINT kAddDroppedPage = WM_APP + 2;
// The stand's timer that opens its menu at PhotoStandWindow::menuPoint (the slide show's is 1).
constexpr UINT_PTR kOpenMenuTimer = 2;

// The new Page for the dropped path, as the new-Page command makes one.
void addDroppedPage(PhotoStandWindow& stand, const Text& path);

// The current Page shows the picture file or folder dropped on it or chosen for it, and saves it
// (tellIfSaveFailed then tells of a failure).
void giveCurrentPicture(PhotoStandWindow& stand, const NewPagePicture& picture);

// The Page settings' working copy of the current Page takes the picture file or folder chosen in
// them, as the stand gives its Pages one: a folder is listed at once into the folder cursor.
void giveDialogPicture(PhotoStandWindow& stand, PageSettings& page, const NewPagePicture& picture);

}  // namespace quillory
