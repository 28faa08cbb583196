#pragma once
// The PageView: the stand's child dialog that shows the current Page's picture with its overlay
// text, reacts to the mouse and accepts dropped pictures, folders and albums.
//
// The stand's side of it:
// - createPageView makes the view for the album's current Page, hidden. The stand places it
//   (MoveWindow) and then calls layOutPageView; the view shows itself (sliding in with
//   TabAnimate) on its first posted message, that is once the stand's creating call returned.
// - Requests down are calls (loadPicture, refreshViewBackground, ...); what a person does in the
//   view goes up to its PageViewHost, which decides what it changes and what is repainted.
// - DestroyWindow when the Page changes or the stand closes: the view then stores the folder
//   position in the Page and saves the Page's picture fields (unless leavePageUnsaved).
#include <windows.h>

#include <span>

#include "album/album_file.h"
#include "album/page_tabs.h"
#include "base/text.h"
#include "photoinfo/photo_format.h"
#include "view/folder_step.h"
#include "view/folder_watch.h"
#include "view/viewing_record.h"

namespace quillory {

// What the view asks of the window it sits in.
class PageViewHost {
public:
    // A person acts on the view: a running slide show gives the window back and waits.
    virtual void holdAndStop() = 0;
    // The action is over: more than 18 quiet seconds must pass before the show runs again.
    virtual void actionDone() = 0;
    virtual void openMenu(POINT screenPoint) = 0;
    virtual void openPageSettings() = 0;
    // A picture or folder dropped for the current Page, or for a new Page.
    virtual void showDropped(const Text& path, bool isFolder) = 0;
    virtual void addDroppedPage(const Text& path) = 0;
    // The FolderBar's back or next button.
    virtual void stepFolder(StepDirection direction, StepModifiers modifiers) = 0;
    // The overlay text was switched on or off.
    virtual void lookChanged() = 0;
    // The shown folder's pictures changed and its new listing is the FolderList: the view
    // stands at `place` now.
    virtual void folderRelisted(const FolderPlace& place) = 0;
    // The picture the view came up without has been decoded: it can be shown now.
    virtual void pictureArrived() = 0;
    // The slide show runs: it picks the pictures, not the view, and the FolderBar stays away.
    virtual bool slideRunning() const = 0;

protected:
    ~PageViewHost() = default;
};

// What the view reads and changes, owned by the stand, which outlives its views.
struct PageViewContext {
    HINSTANCE instance = nullptr;
    int osVersionCode = 0;
    bool gdiplusActive = false;
    Album& album;
    AlbumFile& albumFile;
    Viewing& viewing;
};

// The view for the current Page; nullptr when it cannot be made.
HWND createPageView(const PageViewContext& context, HWND stand, PageViewHost& host);

// loadPicture: the Page's picture becomes the view's current picture. For a folder Page it is
// the FolderList entry at the viewing's cursor; with `rescan` the folder is listed and ordered first.
void loadPicture(HWND pageView, int page, bool rescan);

// The picture surfaces fill the view's client area (after the stand moved or sized it).
void layOutPageView(HWND pageView);

// The brush behind the surfaces takes the current Page's background colour.
void refreshViewBackground(HWND pageView);

// The FolderBar, a window of its own, follows the view only when told where the view went.
void placeViewFolderBar(HWND pageView);
// A new FolderBar at the view's DPI, sized and placed over the view.
void recreateViewFolderBar(HWND pageView);

// Has the pictures at `positions`, most wanted first, decoded ahead for this view's area and
// their Pages' look (decode_ahead_win.h), in place of what was asked before. A folder Page's
// view asks for the FolderBar's neighbours itself whenever it shows a picture outside the
// slide show.
void decodeAheadFor(HWND pageView, std::span<const PicturePosition> positions);

// The size numbers of the picture the view shows (none without one), for the Page settings.
PictureMetrics shownPictureMetrics(HWND pageView);

// The full path of the picture the current Page shows, when it has one and the file is there.
std::optional<Text> shownPictureFile(const Album& album, const FolderCursor& folder);

// openPictureFile: the current Page's picture opened with its associated program.
void openPictureFile(const Album& album, const FolderCursor& folder);

// The shown picture's folder opened in the system's file browser with the picture selected.
void openPictureFolder(const Album& album, const FolderCursor& folder);

// Copies the folder position into the current Page's FolderFileNo, so a save made while the
// view still exists (the closing save) records where the person was.
void storeFolderPosition(Album& album, const FolderCursor& folder);

// The Page records were replaced under the view: when it goes it stores nothing into them.
void leavePageUnsaved(HWND pageView);

}  // namespace quillory
