#include "view/folder_scan_win.h"

#include <windows.h>

#include "base/wide_win.h"
#include "base/win_platform_win.h"
#include "photoinfo/exif_date.h"

namespace quillory {

namespace {

// A picture opened for the date ordering, read through its handle at any offset. It lives on
// the stack, so reading a folder's dates allocates nothing per picture.
class PictureFile final : public ByteSource {
public:
    explicit PictureFile(const Text& path)
        : handle_(CreateFileW(wide(path), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)) {
        LARGE_INTEGER size{};
        if (isOpen() && GetFileSizeEx(handle_, &size)) size_ = static_cast<std::uint64_t>(size.QuadPart);
    }
    ~PictureFile() override {
        if (isOpen()) CloseHandle(handle_);
    }
    PictureFile(const PictureFile&) = delete;
    PictureFile& operator=(const PictureFile&) = delete;

    bool isOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
    std::uint64_t size() const override { return size_; }
    // The reader asks for header pieces, far below the 4 GB one ReadFile can take.
    bool read(std::uint64_t offset, std::span<std::uint8_t> out) override {
        if (offset > size_ || out.size() > size_ - offset || out.size() > MAXDWORD) return false;
        OVERLAPPED at{};
        at.Offset = static_cast<DWORD>(offset);
        at.OffsetHigh = static_cast<DWORD>(offset >> 32);
        DWORD got = 0;
        return ReadFile(handle_, out.data(), static_cast<DWORD>(out.size()), &got, &at) && got == out.size();
    }

private:
    HANDLE handle_;
    std::uint64_t size_ = 0;
};

class DiskShootingTimes final : public ShootingTimeReader {
public:
    std::uint64_t shootingTime(const Text& path) override {
        PictureFile file(path);
        if (!file.isOpen()) return 0;
        const std::optional<std::string_view> date = dates_.read(file);
        return date ? shootingTimeOf(*date) : 0;
    }

private:
    DateTimeOriginalReader dates_;
};

// Kept for the process with the FolderList, so every scan reuses the same buffers.
ShootingTimeReader& diskShootingTimes() {
    static DiskShootingTimes reader;
    return reader;
}

FolderScanContext diskContext(const Album& album, bool gdiplusActive) {
    return FolderScanContext{winPlatform().files, gdiplusActive, (album.settings.TabStyle & TabSortByDate) != 0, fullPathName, &diskShootingTimes()};
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

int scanFolderInto(FolderList& list, TextView path, bool sortByDate, bool gdiplusActive) {
    DiskShootingTimes dates;
    return scanFolder(FolderScanContext{winPlatform().files, gdiplusActive, sortByDate, fullPathName, &dates}, path,
                      /*store=*/true, list);
}

}  // namespace quillory
