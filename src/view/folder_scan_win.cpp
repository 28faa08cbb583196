#include "view/folder_scan_win.h"

#include <windows.h>

#include "base/wide_win.h"
#include "base/win_platform_win.h"
#include "photoinfo/exif_date.h"

namespace quillory {

namespace {

// A picture opened for the date ordering. It lives on the stack, so reading a folder's dates
// allocates nothing per picture, and it costs no more system work than opening, reading and
// closing: the size is the listing's, not asked of the file, and reads go through the file
// pointer, moved only when a read does not follow the one before (Wine makes a read at an
// explicit offset one more round trip to its server; a move is a local seek).
class PictureFile final : public ByteSource {
public:
    PictureFile(const Text& path, std::uint64_t listedSize)
        : handle_(CreateFileW(wide(path), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)),
          size_(listedSize) {}
    ~PictureFile() override {
        if (isOpen()) CloseHandle(handle_);
    }
    PictureFile(const PictureFile&) = delete;
    PictureFile& operator=(const PictureFile&) = delete;

    bool isOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
    // A file cut short since the listing fails the reads past its new end, like any broken file.
    std::uint64_t size() const override { return size_; }
    // The reader asks for header pieces, far below the 4 GB one ReadFile can take.
    bool read(std::uint64_t offset, std::span<std::uint8_t> out) override {
        if (offset > size_ || out.size() > size_ - offset || out.size() > MAXDWORD) return false;
        if (offset != position_ && !moveTo(offset)) return false;
        DWORD got = 0;
        const bool done = ReadFile(handle_, out.data(), static_cast<DWORD>(out.size()), &got, nullptr);
        position_ = done ? offset + got : kUnknownPosition;
        return done && got == out.size();
    }

private:
    static constexpr std::uint64_t kUnknownPosition = ~std::uint64_t{0};

    bool moveTo(std::uint64_t offset) {
        LARGE_INTEGER to{};
        to.QuadPart = static_cast<LONGLONG>(offset);
        const bool moved = SetFilePointerEx(handle_, to, nullptr, FILE_BEGIN);
        position_ = moved ? offset : kUnknownPosition;
        return moved;
    }

    HANDLE handle_;
    std::uint64_t size_;
    std::uint64_t position_ = 0;  // where the file pointer stands: a new handle's is at the start
};

class DiskShootingTimes final : public ShootingTimeReader {
public:
    std::uint64_t shootingTime(const FolderEntry& picture) override {
        PictureFile file(picture.path, picture.listedSize);
        if (!file.isOpen()) return 0;
        const std::optional<std::string_view> date = dates_.read(file);
        return date ? shootingTimeOf(*date) : 0;
    }

private:
    DateTimeOriginalReader dates_;
};

// Reading a large folder's dates is the long part of its scan.
class StoppableShootingTimes final : public ShootingTimeReader {
public:
    explicit StoppableShootingTimes(const std::atomic<bool>* stop) : stop_(stop) {}
    std::uint64_t shootingTime(const FolderEntry& picture) override {
        return stop_ != nullptr && stop_->load(std::memory_order_relaxed) ? 0 : dates_.shootingTime(picture);
    }

private:
    const std::atomic<bool>* stop_;
    DiskShootingTimes dates_;
};

// Kept for the process, so every scan reuses the same buffers.
ShootingTimeReader& diskShootingTimes() {
    static DiskShootingTimes reader;
    return reader;
}

FolderScanContext diskContext(const Album& album, bool gdiplusActive) {
    return FolderScanContext{winPlatform().files, gdiplusActive, (album.settings.TabStyle & TabSortByDate) != 0, fullPathName, &diskShootingTimes()};
}

}  // namespace

std::optional<Text> fullPathName(TextView path) {
    constexpr DWORD kCapacity = 262;
    wchar_t buffer[kCapacity] = {};
    const Text input(path);
    const DWORD length = GetFullPathNameW(wide(input), kCapacity, buffer, nullptr);
    if (length == 0 || length >= kCapacity) return std::nullopt;
    return fromWide(buffer, length);
}

int scanFolderOnDisk(const Album& album, bool gdiplusActive, TextView path, bool store, FolderList& list) {
    return scanFolder(diskContext(album, gdiplusActive), path, store, list);
}

int countPicturesOnDisk(Album& album, bool gdiplusActive, bool rescan, FolderList& list) {
    return countPictures(album, diskContext(album, gdiplusActive), rescan, list);
}

int scanFolderInto(FolderList& list, TextView path, bool sortByDate, bool gdiplusActive, const std::atomic<bool>* stop) {
    StoppableShootingTimes dates(stop);
    return scanFolder(FolderScanContext{winPlatform().files, gdiplusActive, sortByDate, fullPathName, &dates}, path,
                      /*store=*/true, list);
}

}  // namespace quillory
