#include "draw/page_picture_win.h"

#include <atomic>
#include <utility>

namespace quillory {

namespace {

// Pictures may be decoded ahead on another thread.
std::uint64_t nextGeneration() {
    static std::atomic<std::uint64_t> last{0};
    return ++last;
}

}  // namespace

PagePicture::PagePicture(ImageOwner image) : image_(std::move(image)), generation_(image_ ? nextGeneration() : 0) {}

PagePicture::PagePicture(UniqueBitmap bitmap) : bitmap_(std::move(bitmap)), generation_(bitmap_ ? nextGeneration() : 0) {}

PagePicture::PagePicture(PagePicture&& other) noexcept
    : image_(std::move(other.image_)), bitmap_(std::move(other.bitmap_)), generation_(std::exchange(other.generation_, 0)) {}

PagePicture& PagePicture::operator=(PagePicture&& other) noexcept {
    image_ = std::move(other.image_);
    bitmap_ = std::move(other.bitmap_);
    generation_ = std::exchange(other.generation_, 0);
    return *this;
}

void PagePicture::changed() {
    if (generation_ != 0) generation_ = nextGeneration();
}

}  // namespace quillory
