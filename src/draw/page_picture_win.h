#pragma once
// The PageView's current picture, owned: the decoded image with the decoder (CurrentPicture), the
// device bitmap without (CurrentBitmap). Every picture gets a number that no earlier picture of
// the run had, and the painters recognise pictures by it, so a new picture that reuses a freed
// one's memory or handle is never taken for the old one.
#include <windows.h>

#include <cstdint>

#include "base/gdi_handles_win.h"
#include "draw/gdiplus_win.h"

namespace quillory {

class PagePicture {
public:
    PagePicture() = default;  // none: the background alone
    explicit PagePicture(ImageOwner image);
    explicit PagePicture(UniqueBitmap bitmap);
    PagePicture(PagePicture&& other) noexcept;
    PagePicture& operator=(PagePicture&& other) noexcept;

    gp::GpImage* image() const { return image_.get(); }
    HBITMAP bitmap() const { return bitmap_.get(); }
    // 0 for no picture.
    std::uint64_t generation() const { return generation_; }

    // After its pixels were changed in place (turned upright, say): painters show it anew.
    void changed();

private:
    ImageOwner image_;
    UniqueBitmap bitmap_;
    std::uint64_t generation_ = 0;
};

}  // namespace quillory
