#pragma once
// The running slide show's compact window: the frameless stand sits exactly around the
// PageView, and its title tells that the show runs. Leaving it restores the stored geometry.
#include "album/album.h"
#include "base/geometry.h"
#include "base/text.h"

namespace quillory {

// The stand's own title followed by " (スライドショー動作中...)", for the HostWindow and the stand
// alike.
Text runningTitle(TextView standTitle);
// The running title followed by " (一時停止中)" while the person has paused the show.
Text pausedTitle(TextView standTitle);

struct CompactPlacement {
    Rect standFrame;  // screen rectangle of the frameless stand; also its current-geometry copy
    Rect pageView;    // the PageView within it, in the stand's client coordinates
};

// From the PageView's screen rectangle: one pixel more on every side for the stand, the PageView
// at the stand's origin filling it.
CompactPlacement compactPlacement(Rect pageViewOnScreen);

// The geometry the user gave the window, which leaving the compact window brings back (clamped
// to the monitor) while the window still ignores its own moves and sizes.
Rect storedGeometry(const AlbumSettings& settings);

}  // namespace quillory
