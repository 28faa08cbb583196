#include "draw/reduced_picture_win.h"

#include "draw/fit_geometry.h"

namespace quillory {

void ReducedPicture::make(gp::GpImage* image, Size imageSize) {
    if (image == nullptr || (source_ == image && copy_)) return;
    forget();
    const auto size = reducedCopySize(imageSize, limit_);
    if (!size) return;
    gp::GpBitmap* copy = nullptr;
    if (gpflat::GdipCreateBitmapFromScan0(size->dx, size->dy, 0, PixelFormat32bppPARGB, nullptr, &copy) != gp::Ok) return;
    ImageOwner owner(copy);
    gp::GpGraphics* graphics = nullptr;
    if (gpflat::GdipGetImageGraphicsContext(copy, &graphics) != gp::Ok) return;
    const GraphicsOwner graphicsOwner(graphics);
    if (gpflat::GdipDrawImageRectRectI(graphics, image, 0, 0, size->dx, size->dy, 0, 0, imageSize.dx, imageSize.dy, gp::UnitPixel,
                                       nullptr, nullptr, nullptr) != gp::Ok) {
        return;
    }
    source_ = image;
    copy_ = std::move(owner);
    copySize_ = *size;
}

gp::GpImage* ReducedPicture::copyFor(const gp::GpImage* image, Size target) const {
    if (image == nullptr || image != source_ || !copy_) return nullptr;
    if (target.dx > copySize_.dx || target.dy > copySize_.dy) return nullptr;
    return copy_.get();
}

void ReducedPicture::forget() {
    copy_.reset();
    source_ = nullptr;
    copySize_ = {};
}

}  // namespace quillory
