#pragma once
// The worker thread that decodes the pictures of the next steps (decode_ahead.h) while the
// person looks at the current one, and hands them to the window's thread, which keeps them with
// the other decoded pictures (picture_load_win.h). Only the window's thread calls these.
//
// Each picture comes prepared as its first paint needs it: decoded in full (the decoder would
// otherwise decode at the first draw), fitted into the view's area on the Page's background
// (for a large photo this costs about half as much as the decode) and with its text drawn.
#include <windows.h>

#include <cstddef>
#include <vector>

#include "base/geometry.h"
#include "album/album.h"
#include "draw/overlay_text.h"
#include "view/decode_ahead.h"

namespace quillory {

// One picture to prepare, and how the view will show it: in its area, with the Page's look and
// the text the Page's switches choose from the picture's items.
struct AheadRequest {
    AheadPicture picture;
    Size area;
    PageSettings page;
    OverlayState overlay;
    // The same picture, whatever it is prepared for: a job in hand is not begun again.
    bool operator==(const AheadRequest& other) const { return picture == other.picture; }
};

// Replaces what was asked before, most wanted first; pictures kept already are left out. The
// worker starts on first use.
void decodeAhead(std::vector<AheadRequest> requests);

// The picture a window is about to show, decoded before anything wished ahead and through new
// wishes. Once the worker is done with it, decoded or not (or at once, when it is kept already),
// the window is posted WM_COMMAND `command` and loads it as a step would. A later call for
// another window takes its place.
void decodeForWindow(AheadRequest request, HWND window, WORD command);

// Before `path` is decoded on demand: waits while the worker has that very picture in hand, then
// keeps whatever the worker finished.
void collectDecodedAhead(const Text& path);

// The window's thread decodes a picture of about `bytes` itself (0: it is kept now): the kept
// pictures, the pictures in flight and this one stay within the cache's limit.
void decodingInWindow(std::size_t bytes);

// Stops the worker and lets go of its work, finished or not. Runs before the decoder shuts down
// (forgetKeptPictures calls it); the next request starts a new worker.
void stopDecodingAhead();

// Whether work is in hand, queued with room to decode it, or finished and not yet kept.
bool decodingAhead();

}  // namespace quillory
