#pragma once
// The size a decoded picture is kept at. No view is larger than the screen, so a picture needs no
// more pixels than its fit mode draws into the whole screen: a 24-megapixel photo is kept at a
// few megabytes, and the view can be resized or moved to another Page without decoding again.
#include <optional>

#include "base/geometry.h"
#include "draw/fit_geometry.h"

namespace quillory {

// The size to shrink the upright picture `picture` to for `fit` on `screen`: inside the screen
// for the shorter-side fit, covering it for the fill modes (stretching scales each side by at
// most the covering factor). Nothing when the picture is to be kept whole: actual size shows its
// own pixels, and a picture no larger than needed is never enlarged.
std::optional<Size> keptPictureSize(Size picture, FitMode fit, Size screen);

// Whether a picture kept for `keptFor` (or kept `whole`) has the pixels `wanted` draws: covering
// sizes serve the shorter-side fit too, and only the whole picture serves actual size.
bool keptPictureServes(FitMode keptFor, bool whole, FitMode wanted);

// Whether a thumbnail may stand in for its picture: the same shape within 3 per cent (the sides'
// ratios compared), so a 160 x 120 thumbnail of a 3:2 picture, letterboxed by its camera, is not
// stretched over the picture's place. Both sizes as stored.
bool thumbnailHasPictureShape(Size thumbnail, Size picture);

}  // namespace quillory
