#pragma once
// The PageView: the stand's child dialog that shows the current Page's picture with its overlay
// text, reacts to the mouse and accepts dropped pictures, folders and albums.
//
// The stand's side of it:
// - createPageView makes the view for `app.album.currentPage`, hidden. The stand places it
//   (MoveWindow) and then sends it IDM_VIEW_LAYOUT; the view shows itself (sliding in with
//   TabAnimate) on its first posted message, that is once the stand's creating call returned.
// - IDM_VIEW_BACKGROUND after the Page's colours changed, IDM_VIEW_LAYOUT after every resize.
// - DestroyWindow when the Page changes or the stand closes: the view then stores the folder
//   position in the Page and saves the Page's picture fields (unless `app.PagesChanged`).
#include <windows.h>

#include <span>

#include "album/page_tabs.h"
#include "photoinfo/photo_format.h"

namespace quillory {

struct App;

// The view for the current Page; nullptr when it cannot be made.
HWND createPageView(App& app, HWND stand);

// loadPicture: the Page's picture becomes the view's current picture. For a folder Page it is
// FolderList entry `app.folderIndex`; with `rescan` the folder is listed and ordered first.
void loadPicture(HWND pageView, int page, bool rescan);

// Has the pictures at `positions`, most wanted first, decoded ahead for this view's area and
// their Pages' look (decode_ahead_win.h), in place of what was asked before. A folder Page's
// view asks for the FolderBar's neighbours itself whenever it shows a picture outside the
// slide show.
void decodeAheadFor(HWND pageView, std::span<const PicturePosition> positions);

// The size numbers of the picture the view shows (none without one), for the Page settings.
PictureMetrics shownPictureMetrics(HWND pageView);

// Paints the current picture on the front surface (`app.frontSurface`) now, without waiting for
// the next paint message.
void drawPageView(HWND pageView);

// openPictureFile: the current Page's picture opened with its associated program.
void openPictureFile(const App& app);

// Copies the folder position into the current Page's FolderFileNo, so a save made while the
// view still exists (the closing save) records where the person was.
void storeFolderPosition(App& app);

}  // namespace quillory
