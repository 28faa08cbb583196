#pragma once
// The folder scan on the real disk, and the full-path form the scan starts from.
#include <atomic>
#include <optional>

#include "album/album.h"
#include "view/folder_scan.h"

namespace quillory {

// GetFullPathNameW with a buffer of 262 characters; nothing when it fails or does not fit.
std::optional<Text> fullPathName(TextView path);

// scanFolder and countPictures through the Win32 file system into the viewing's FolderList (a
// count alone uses only its listing buffers); the ordering comes from the album's TabSortByDate.
int scanFolderOnDisk(const Album& album, bool gdiplusActive, TextView path, bool store, FolderList& list);
int countPicturesOnDisk(Album& album, bool gdiplusActive, bool rescan, FolderList& list);

// The same scan (with the store flag) into a list of the caller's rather than the FolderList,
// with a date reader of its own, so that a thread other than the window's may list a folder.
// Once `stop` is set, no more dates are read: the scan ends at once with a list nobody wants.
int scanFolderInto(FolderList& list, TextView path, bool sortByDate, bool gdiplusActive, const std::atomic<bool>* stop = nullptr);

}  // namespace quillory
