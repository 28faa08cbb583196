#pragma once
// The FolderBar: back and next buttons around a " n / m " counter, stepping a folder Page's view
// through the pictures of its folder.
//
// The PageView's side of it:
// - createFolderBar makes the bar, hidden and owned by the view; the bar lives until the view
//   destroys it (or goes itself).
// - IDM_FOLDERBAR_SIZE with the view's width in the low word of lParam sizes and lays it out;
//   IDM_FOLDERBAR_POSITION with lParam a POINT* (the view's window corner on screen) centres it
//   over the view; IDM_FOLDERBAR_COUNTER refreshes the counter before the view shows it.
// - The view shows and hides it without activating it: the stand keeps the focus.
// - Each step sends the view IDM_FOLDERBAR_STEPPED (keep the bar three more seconds) and the stand
//   IDM_STATUS_BAR (the status bar names the new picture).
#include <windows.h>

namespace quillory {

struct App;

// nullptr when the bar cannot be made.
HWND createFolderBar(App& app, HWND pageView);

}  // namespace quillory
