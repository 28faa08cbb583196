#include "view/folder_scan.h"

#include <algorithm>
#include <span>

#include "album/page_tabs.h"
#include "photoinfo/exif_date.h"

namespace quillory {

namespace {

bool hasExtension(TextView name, TextView extension) {
    if (name.size() < extension.size()) return false;
    const TextView tail = name.substr(name.size() - extension.size());
    return equalsNoCase(tail, extension);
}

bool rowApplies(const PictureFileType& row, bool gdiplusActive) { return gdiplusActive || !row.needsDecoder; }

void clearList(FolderList& list) {
    for (FolderEntry& entry : list.entries) {
        entry.path.clear();
        entry.shootingTime = 0;
        entry.listedSize = 0;
    }
}

// Undated pictures first, then by time; equal times by path so a rescan keeps its order.
bool earlierShot(const FolderEntry& a, const FolderEntry& b) {
    if (a.shootingTime != b.shootingTime) return a.shootingTime < b.shootingTime;
    return a.path < b.path;
}

// UTF-16 code units, ordinal and case-sensitive: "B.jpg" before "a.jpg".
bool pathBefore(const FolderEntry& a, const FolderEntry& b) { return a.path < b.path; }

// Fills the entry's own buffer, cut at the path capacity, without a new allocation.
void storeEntry(FolderEntry& entry, const Text& folder, const FolderListing::Item& item) {
    entry.path.assign(folder, 0, kPathCapacity);
    entry.path.append(item.name.substr(0, kPathCapacity - entry.path.size()));
    entry.listedSize = item.size;
}

void readShootingTimes(const FolderScanContext& context, std::span<FolderEntry> entries) {
    std::optional<FileShootingTimes> ownReader;
    ShootingTimeReader& reader = context.shootingTimes != nullptr ? *context.shootingTimes : ownReader.emplace(context.files);
    for (FolderEntry& entry : entries) entry.shootingTime = reader.shootingTime(entry);
}

}  // namespace

FolderList::FolderList() {
    for (FolderEntry& entry : entries) entry.path.reserve(kPathCapacity + 1);
}

bool isPictureFile(TextView name, bool gdiplusActive) {
    return std::any_of(kPictureFileTable.begin(), kPictureFileTable.end(), [&](const PictureFileType& row) {
        return rowApplies(row, gdiplusActive) && hasExtension(name, row.extension);
    });
}

Text folderOfPath(TextView fullPath) {
    const std::size_t separator = fullPath.find_last_of(u"\\/");
    return separator == TextView::npos ? Text() : Text(fullPath.substr(0, separator + 1));
}

std::uint64_t FileShootingTimes::shootingTime(const FolderEntry& picture) {
    const std::unique_ptr<ByteSource> source = files_.openForReading(picture.path);
    if (!source) return 0;
    const std::optional<std::string_view> date = dates_.read(*source);
    return date ? shootingTimeOf(*date) : 0;
}

int scanFolder(const FolderScanContext& context, TextView path, bool store, FolderList& list) {
    const std::optional<Text> fullPath = context.fullPath ? context.fullPath(path) : std::optional<Text>(Text(path));
    if (!fullPath) return 0;
    const Text folder = folderOfPath(*fullPath);
    if (folder.empty()) return 0;
    if (store) clearList(list);
    FolderListing& listing = list.listing;
    context.files.listFolder(folder, listing);
    int count = 0;
    bool morePictures = false;
    // Table order decides which pictures are kept when the folder holds more than the list.
    for (const PictureFileType& row : kPictureFileTable) {
        if (!rowApplies(row, context.gdiplusActive)) continue;
        for (std::size_t i = 0; i < listing.size() && !morePictures; ++i) {
            const FolderListing::Item item = listing[i];
            if (!hasExtension(item.name, row.extension)) continue;
            morePictures = count == kFolderListCapacity;
            if (morePictures) break;
            if (store) storeEntry(list.entries[static_cast<std::size_t>(count)], folder, item);
            ++count;
        }
    }
    if (!store) return count;
    list.morePictures = morePictures;
    const auto end = list.entries.begin() + count;
    if (context.sortByDate) {
        if (context.gdiplusActive) readShootingTimes(context, std::span(list.entries.begin(), end));
        std::sort(list.entries.begin(), end, earlierShot);
    } else {
        std::sort(list.entries.begin(), end, pathBefore);
    }
    return count;
}

int countPictures(Album& album, const FolderScanContext& context, bool rescan, FolderList& list) {
    FolderScanContext scan = context;
    scan.sortByDate = (album.settings.TabStyle & TabSortByDate) != 0;
    int total = 0;
    for (int index = 0; index < static_cast<int>(album.pages.size()); ++index) {
        if (!isVisiblePage(album, index)) continue;
        PageSettings& page = album.pages[static_cast<std::size_t>(index)];
        if ((page.Flag & FlagFolder) == 0) {
            page.FileNum = 1;
        } else if (page.FileNum <= 0 || page.FileNum > kFolderListCapacity || rescan) {
            // A count no scan can give (a hand-edited album) is counted afresh.
            page.FileNum = scanFolder(scan, page.File, rescan && index == album.currentPage, list);
        }
        total += page.FileNum;
    }
    return total;
}

}  // namespace quillory
