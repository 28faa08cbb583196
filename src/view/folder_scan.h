#pragma once
// Listing a folder Page's pictures and putting them in display order, by name or by shooting
// date. The listing itself comes from the FileSystem adapter; matching, ordering and counting
// are decided here.
#include <array>
#include <cstdint>
#include <memory>

#include "base/platform.h"
#include "base/text.h"

namespace quillory {

inline constexpr int kFolderListCapacity = 5000;
inline constexpr std::size_t kPathCapacity = 261;

struct FolderEntry {
    Text path;                    // full path of the picture
    std::uint64_t shootingTime = 0;  // ms since 1601-01-01; 0 = no date or not read
};

// The one list of the current folder Page, allocated once with room for every path and reused
// by each scan. Entries past the scan's count are empty.
struct FolderList {
    FolderList();
    std::array<FolderEntry, kFolderListCapacity> entries;
};

// The picture-file table, searched in this order; the decoder rows only while GDI+ runs.
struct PictureFileType {
    TextView extension;  // with its dot, upper case
    bool needsDecoder;
};
inline constexpr std::array<PictureFileType, 9> kPictureFileTable{{
    {u".BMP", false}, {u".DIB", false}, {u".JPG", true}, {u".JPEG", true}, {u".TIF", true},
    {u".PNG", true}, {u".GIF", true}, {u".WMF", true}, {u".EMF", true},
}};

// Whether a file name (or path) is a picture under the table, ignoring the case of the extension.
bool isPictureFile(TextView name, bool gdiplusActive);

// The folder of a full path: everything up to and including its last separator.
Text folderOfPath(TextView fullPath);

struct FolderScanContext {
    FileSystem& files;
    bool gdiplusActive = false;
    bool sortByDate = false;  // TabSortByDate
};

// scanFolder on an already full path: the number of pictures in its folder, at most 5000. With
// `store` the list is rebuilt and ordered (by shooting time, earliest and undated first, or by
// path in UTF-16 code-unit order); without it the list is untouched.
int scanFolder(const FolderScanContext& context, TextView fullPath, bool store, FolderList& list);

// The shooting time of one picture file: DateTimeOriginal read from its header, 0 without one.
std::uint64_t readShootingTime(FileSystem& files, const Text& path);

}  // namespace quillory
