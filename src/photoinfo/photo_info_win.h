#pragma once
// The shell's side of the photo information: which file is shown, the picture-size numbers of
// the decoder's image or the plain bitmap, and the PhotoInfo of the current picture.
#include <windows.h>

#include "album/album.h"
#include "draw/gdiplus_win.h"
#include "photoinfo/photo_source.h"

namespace quillory {

// CurrentPictureFile: a folder Page's entry at `folderIndex` of the FolderList (empty when the
// index lies outside the scanned count), otherwise the Page's File.
Text CurrentPictureFile(const PageSettings& page, int folderIndex, int folderCount);

// Picture-size numbers: from the decoder's image, from a plain bitmap, or none.
PictureMetrics pictureMetrics(gp::GpImage* image);
PictureMetrics pictureMetrics(HBITMAP bitmap);

// The PhotoInfo of the picture whose full path is `pictureFile`, shown for `page`. Without the
// decoder there are no items. Any thread may ask.
PhotoInfo photoInfoOf(const Text& pictureFile, const PageSettings& page, bool gdiplusActive, const PictureMetrics& metrics,
                      PathDisplay pathDisplay);

// The PhotoInfo of the picture shown for `page`. Without the decoder there are no items.
PhotoInfo currentPhotoInfo(const PageSettings& page, int folderIndex, int folderCount, bool gdiplusActive,
                           const PictureMetrics& metrics, PathDisplay pathDisplay);

}  // namespace quillory
