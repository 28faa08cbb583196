#include "view/folder_scan_win.h"

#include <windows.h>

#include "base/wide_win.h"
#include "base/win_platform_win.h"

namespace quillory {

namespace {

FolderScanContext diskContext(const Album& album, bool gdiplusActive) {
    return FolderScanContext{winPlatform().files, gdiplusActive, (album.settings.TabStyle & TabSortByDate) != 0, fullPathName};
}

}  // namespace

FolderList& folderList() {
    static const std::unique_ptr<FolderList> list = std::make_unique<FolderList>();
    return *list;
}

std::optional<Text> fullPathName(TextView path) {
    constexpr DWORD kCapacity = 262;
    wchar_t buffer[kCapacity] = {};
    const Text input(path);
    const DWORD length = GetFullPathNameW(wide(input), kCapacity, buffer, nullptr);
    if (length == 0 || length >= kCapacity) return std::nullopt;
    return fromWide(buffer, length);
}

int scanFolderOnDisk(const Album& album, bool gdiplusActive, TextView path, bool store) {
    return scanFolder(diskContext(album, gdiplusActive), path, store, folderList());
}

int countPicturesOnDisk(Album& album, bool gdiplusActive, bool rescan) {
    return countPictures(album, diskContext(album, gdiplusActive), rescan, folderList());
}

}  // namespace quillory
