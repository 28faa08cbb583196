#include "view/shown_picture_win.h"

#include "base/win_platform_win.h"
#include "view/folder_scan_win.h"

namespace quillory {

Text CurrentPictureFile(const PageSettings& page, const FolderCursor& folder) {
    if ((page.Flag & FlagFolder) == 0) return page.File;
    if (folder.index < 0 || folder.index >= folder.count || folder.index >= kFolderListCapacity) return Text();
    return folder.list->entries[static_cast<std::size_t>(folder.index)].path;
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

PhotoInfo currentPhotoInfo(const PageSettings& page, const FolderCursor& folder, bool gdiplusActive, const PictureMetrics& metrics,
                           PathDisplay pathDisplay) {
    const Text picture = CurrentPictureFile(page, folder);
    return photoInfoOf(fullPathName(picture).value_or(Text()), page, gdiplusActive, metrics, std::move(pathDisplay));
}

}  // namespace quillory
