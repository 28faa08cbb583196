#pragma once
// The FolderBar: back and next buttons around a " n / m " counter, stepping a folder Page's view
// through the pictures of its folder.
//
// The PageView's side of it:
// - createFolderBar makes the bar, hidden and owned by the view; the bar lives until the view
//   destroys it (or goes itself).
// - sizeFolderBar, placeFolderBar and refreshFolderBarCounter size it, centre it and refresh its
//   counter before the view shows it.
// - The view shows and hides it without activating it: the stand keeps the focus.
// - Each step goes to the bar's host (the view), which keeps the bar three more seconds and has
//   the stand show the stepped-to picture; the bar then shows the new counter.
#include <windows.h>

#include "view/folder_step.h"
#include "view/viewing_record.h"

namespace quillory {

class FolderBarHost {
public:
    virtual void step(StepDirection direction, StepModifiers modifiers) = 0;
    // The picture shown, an index into the FolderList, and how many pictures its listing found.
    virtual const FolderCursor& folder() const = 0;

protected:
    ~FolderBarHost() = default;
};

// nullptr when the bar cannot be made. `instance` holds the bar's dialog and icons; from
// `osVersionCode` 600 (Vista) on, the desktop behind it shows blurred where composition runs.
HWND createFolderBar(HINSTANCE instance, int osVersionCode, HWND pageView, FolderBarHost& host);

// As wide as the view (`viewWidth`), its buttons and counter laid out in it.
void sizeFolderBar(HWND bar, int viewWidth);
// Centred over its view, whose window corner on the screen is `viewCorner`.
void placeFolderBar(HWND bar, POINT viewCorner);
// The counter shows the host's folder cursor as it is now.
void refreshFolderBarCounter(HWND bar);

}  // namespace quillory
