#include "photoinfo/photo_info_win.h"

#include "base/win_platform_win.h"
#include "view/folder_scan_win.h"

namespace quillory {

Text CurrentPictureFile(const PageSettings& page, int folderIndex, int folderCount) {
    if ((page.Flag & FlagFolder) == 0) return page.File;
    if (folderIndex < 0 || folderIndex >= folderCount || folderIndex >= kFolderListCapacity) return Text();
    return folderList().entries[static_cast<std::size_t>(folderIndex)].path;
}

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

PhotoInfo photoInfoOf(const Text& pictureFile, const PageSettings& page, bool gdiplusActive, const PictureMetrics& metrics,
                      PathDisplay pathDisplay) {
    WinPlatform& platform = winPlatform();
    PhotoSourceRequest request;
    request.pictureFile = pictureFile;
    request.pageFile = fullPathName(page.File).value_or(Text());
    request.gdiplusActive = gdiplusActive;
    request.picture = metrics;
    return gatherPhotoInfo(PhotoServices{platform.files, platform.clock, platform.codePage}, request, std::move(pathDisplay));
}

PhotoInfo currentPhotoInfo(const PageSettings& page, int folderIndex, int folderCount, bool gdiplusActive,
                           const PictureMetrics& metrics, PathDisplay pathDisplay) {
    const Text picture = CurrentPictureFile(page, folderIndex, folderCount);
    return photoInfoOf(fullPathName(picture).value_or(Text()), page, gdiplusActive, metrics, std::move(pathDisplay));
}

}  // namespace quillory
