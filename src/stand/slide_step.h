#pragma once
// One picture change of the running slide show: which picture comes next, and making it the
// current one in the Album. Loading and showing it is the window's part.
#include <cstdint>
#include <functional>
#include <optional>

#include "album/album.h"
#include "album/page_tabs.h"
#include "base/platform.h"

namespace quillory {

struct SlideStepState {
    std::int64_t LastSlideNumber = -1;  // chosen by the previous step
    // Random order's next number, drawn early so its picture can be decoded ahead; the step
    // takes it while it is still a valid choice.
    std::optional<std::int64_t> drawnNext;
};

// Pictures over the visible Pages as their FileNum now says (a folder rescanned while the show
// runs may have shrunk or emptied since the show began).
std::int64_t visiblePictureTotal(const Album& album);
// The pictures of the visible Pages before the current Page, plus its FolderFileNo.
std::int64_t currentPictureNumber(const Album& album);

struct SlideTarget {
    PicturePosition position;
    std::int64_t number = 0;
    bool tabChanged = false;  // the window reloads with a rescan exactly then
};

// Whether the picture at a position can be shown (its Page has a picture, its file is there).
// Without one, every picture counts as showable.
using SlideShowable = std::function<bool(const PicturePosition&)>;

// Chooses the next picture, flips `frontSurface` (0 or 1: which of the PageView's two picture
// surfaces the new picture goes to) and makes the picture current: currentPage, its
// FolderFileNo and TabNumber. The window then selects that tab, sets folderIndex to the target's
// index and loads the picture. A picture that cannot be shown is passed over for the next one
// in the show's direction (forward after a random choice), so no blank frame stands for a
// whole interval. Nothing when the Album has no Pages or no picture can be shown: the show
// keeps what it shows.
std::optional<SlideTarget> stepSlide(Album& album, SlideStepState& state, int& frontSurface, Random& random,
                                     const SlideShowable& showable = {});

// The picture the next step will show if nothing changes before it. Random order draws that
// step's number now and keeps it in `state`, so the step shows this very picture.
std::optional<PicturePosition> upcomingSlide(const Album& album, SlideStepState& state, Random& random,
                                             const SlideShowable& showable = {});

}  // namespace quillory
