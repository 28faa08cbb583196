#include "draw/picture_metrics_win.h"

namespace quillory {

PictureMetrics pictureMetrics(gp::GpImage* image) {
    if (image == nullptr) return PictureMetrics{};
    PictureMetrics metrics;
    metrics.source = PictureMetrics::Source::Decoder;
    UINT width = 0, height = 0;
    gp::REAL dpiX = 0, dpiY = 0;
    gp::PixelFormat format = 0;
    gpflat::GdipGetImageWidth(image, &width);
    gpflat::GdipGetImageHeight(image, &height);
    gpflat::GdipGetImageHorizontalResolution(image, &dpiX);
    gpflat::GdipGetImageVerticalResolution(image, &dpiY);
    gpflat::GdipGetImagePixelFormat(image, &format);
    metrics.width = width;
    metrics.height = height;
    metrics.dpiX = static_cast<int>(dpiX);
    metrics.dpiY = static_cast<int>(dpiY);
    metrics.bitsPerPixel = bitsPerPixelOfFormat(static_cast<std::uint32_t>(format));
    return metrics;
}

PictureMetrics pictureMetrics(HBITMAP bitmap) {
    BITMAP info{};
    if (bitmap == nullptr || GetObjectW(bitmap, sizeof info, &info) == 0) return PictureMetrics{};
    PictureMetrics metrics;
    metrics.source = PictureMetrics::Source::Bitmap;
    metrics.width = static_cast<std::uint32_t>(info.bmWidth);
    metrics.height = static_cast<std::uint32_t>(info.bmHeight);
    metrics.bitsPerPixel = info.bmBitsPixel;
    return metrics;
}

}  // namespace quillory
