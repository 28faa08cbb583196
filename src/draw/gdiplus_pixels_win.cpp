#include "draw/gdiplus_pixels_win.h"

#include <cstring>
#include <new>
#include <vector>

namespace quillory {
namespace {

// Locks the whole bitmap in `format` and hands `copyRow` each row's locked bytes with its number.
template <typename CopyRow>
bool withLockedRows(gp::GpBitmap* bitmap, Size size, gp::PixelFormat format, UINT mode, CopyRow copyRow) {
    const gp::Rect all(0, 0, size.dx, size.dy);
    gp::BitmapData data{};
    if (gpflat::GdipBitmapLockBits(bitmap, &all, mode, format, &data) != gp::Ok) return false;
    for (int y = 0; y < size.dy; ++y) copyRow(static_cast<BYTE*>(data.Scan0) + static_cast<std::ptrdiff_t>(y) * data.Stride, y);
    gpflat::GdipBitmapUnlockBits(bitmap, &data);
    return true;
}

}  // namespace

ImageOwner bitmapOf(const PixelImage& picture, gp::PixelFormat format) {
    gp::GpBitmap* bitmap = nullptr;
    if (gpflat::GdipCreateBitmapFromScan0(picture.size.dx, picture.size.dy, 0, format, nullptr, &bitmap) != gp::Ok) return {};
    ImageOwner owner(bitmap);
    const std::size_t rowBytes = static_cast<std::size_t>(picture.size.dx) * 4;
    const bool copied = withLockedRows(bitmap, picture.size, format, gp::ImageLockModeWrite, [&](BYTE* row, int y) {
        std::memcpy(row, picture.pixels.data() + static_cast<std::size_t>(y) * picture.size.dx, rowBytes);
    });
    if (!copied) return {};
    return owner;
}

std::optional<PixelImage> pixelsOf(gp::GpImage* image) {
    gp::ImageType type = gp::ImageTypeUnknown;
    UINT width = 0, height = 0;
    if (image == nullptr || gpflat::GdipGetImageType(image, &type) != gp::Ok || type != gp::ImageTypeBitmap) return std::nullopt;
    gpflat::GdipGetImageWidth(image, &width);
    gpflat::GdipGetImageHeight(image, &height);
    PixelImage picture{{static_cast<int>(width), static_cast<int>(height)}, {}};
    try {
        picture.pixels.resize(std::size_t{width} * height);
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
    const std::size_t rowBytes = std::size_t{width} * 4;
    const bool copied = withLockedRows(static_cast<gp::GpBitmap*>(image), picture.size, PixelFormat32bppARGB, gp::ImageLockModeRead,
                                       [&](const BYTE* row, int y) { std::memcpy(picture.pixels.data() + std::size_t{width} * y, row, rowBytes); });
    if (!copied) return std::nullopt;
    return picture;
}

}  // namespace quillory
