#pragma once
// A screen-sized copy of a large decoded picture. Once the page has been resized, rescaling
// reads the few megapixels of this copy instead of the whole photo, which under the decoder
// takes a second for a 24-megapixel picture.
#include "base/geometry.h"
#include "draw/gdiplus_win.h"

namespace quillory {

class ReducedPicture {
public:
    explicit ReducedPicture(Size limit) : limit_(limit) {}

    // Makes the copy of `image` unless it exists or the picture is too small to need one.
    void make(gp::GpImage* image, Size imageSize);
    // The copy to scale from for a target of `target` pixels, or nothing (use the picture).
    gp::GpImage* copyFor(const gp::GpImage* image, Size target) const;
    void forget();

private:
    Size limit_;
    const gp::GpImage* source_ = nullptr;
    ImageOwner copy_;
    Size copySize_;
};

}  // namespace quillory
