#pragma once
// Which picture file the current Page shows, and its PhotoInfo.
#include "album/album.h"
#include "photoinfo/photo_source.h"
#include "view/viewing_record.h"

namespace quillory {

// CurrentPictureFile: a folder Page's entry of its FolderList at the cursor (empty when the index
// lies outside the scanned count), otherwise the Page's File.
Text CurrentPictureFile(const PageSettings& page, const FolderCursor& folder);

// The PhotoInfo of the picture whose full path is `pictureFile`, shown for `page`. Without the
// decoder there are no items. Any thread may ask.
PhotoInfo photoInfoOf(const Text& pictureFile, const PageSettings& page, bool gdiplusActive, const PictureMetrics& metrics,
                      PathDisplay pathDisplay);

// The PhotoInfo of the picture shown for `page`. Without the decoder there are no items.
PhotoInfo currentPhotoInfo(const PageSettings& page, const FolderCursor& folder, bool gdiplusActive, const PictureMetrics& metrics,
                           PathDisplay pathDisplay);

}  // namespace quillory
