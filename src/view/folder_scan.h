#pragma once
// Listing a folder Page's pictures and putting them in display order, by name or by shooting
// date. The listing itself comes from the FileSystem adapter; matching, ordering and counting
// are decided here.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>

#include "album/album.h"
#include "base/platform.h"
#include "base/text.h"
#include "photoinfo/property_reader.h"

namespace quillory {

inline constexpr int kFolderListCapacity = 5000;

struct FolderEntry {
    Text path;                    // full path of the picture
    std::uint64_t shootingTime = 0;  // ms since 1601-01-01; 0 = no date or not read
    std::uint64_t listedSize = 0;    // bytes as the folder listing gave them, so no reader asks the file
};

// The one list of the current folder Page, allocated once with room for every path and reused
// by each scan. Entries past the scan's count are empty.
struct FolderList {
    FolderList();
    std::array<FolderEntry, kFolderListCapacity> entries;
    FolderListing listing;  // the folder as last listed, kept for its buffers; counting scans use it too
    bool morePictures = false;  // the folder held pictures past the capacity (set by storing scans)
};

// The picture-file table, searched in this order; the decoder rows only while GDI+ runs. A name
// matches the one row its whole extension equals, so a.tiff is not also taken as a .TIF.
struct PictureFileType {
    TextView extension;  // with its dot, upper case
    bool needsDecoder;
};
inline constexpr std::array<PictureFileType, 16> kPictureFileTable{{
    {u".BMP", false}, {u".DIB", false}, {u".JPG", true}, {u".JPEG", true}, {u".JPE", true}, {u".JFIF", true},
    {u".TIF", true}, {u".TIFF", true}, {u".PNG", true}, {u".GIF", true}, {u".WMF", true}, {u".EMF", true},
    {u".WEBP", true}, {u".HEIC", true}, {u".HEIF", true}, {u".AVIF", true},
}};

// Whether a file name (or path) is a picture under the table, ignoring the case of the extension.
bool isPictureFile(TextView name, bool gdiplusActive);

// The folder of a full path: everything up to and including its last separator.
Text folderOfPath(TextView fullPath);

// The full form of a path (the shell's GetFullPathNameW); nothing when it cannot be formed.
using FullPathResolver = std::function<std::optional<Text>(TextView path)>;

// Reads the shooting times of one picture after another for the date ordering: DateTimeOriginal
// as milliseconds since 1601-01-01, 0 without one.
class ShootingTimeReader {
public:
    virtual ~ShootingTimeReader() = default;
    virtual std::uint64_t shootingTime(const FolderEntry& picture) = 0;
};

// Shooting times through FileSystem::openForReading.
class FileShootingTimes final : public ShootingTimeReader {
public:
    explicit FileShootingTimes(FileSystem& files) : files_(files) {}
    std::uint64_t shootingTime(const FolderEntry& picture) override;

private:
    FileSystem& files_;
    DateTimeOriginalReader dates_;
};

struct FolderScanContext {
    FileSystem& files;
    bool gdiplusActive = false;
    bool sortByDate = false;    // TabSortByDate
    FullPathResolver fullPath;  // the path as given when empty
    ShootingTimeReader* shootingTimes = nullptr;  // a FileShootingTimes over `files` when null
};

// scanFolder: the number of pictures in the folder of `path` (its full form without the last
// component, so a folder Page's File, ending in a separator, names the folder itself), at most
// 5000. With `store` the list is rebuilt and ordered, and notes whether pictures were passed over (by shooting time, earliest and undated
// first, or by path in UTF-16 code-unit order); without it the list is untouched.
int scanFolder(const FolderScanContext& context, TextView path, bool store, FolderList& list);

// countPictures: the pictures of all Pages shown as tabs, refreshing their FileNum. A folder Page
// is scanned when its FileNum is 0 or `rescan` is set; only the current Page's scan, and only
// with `rescan`, rebuilds the list. The context's sortByDate is taken from the album.
int countPictures(Album& album, const FolderScanContext& context, bool rescan, FolderList& list);

}  // namespace quillory
