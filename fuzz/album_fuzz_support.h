#pragma once
// What the album fuzz targets share: a file system in memory, one special folder, and loading an
// album the way the program starts.
#include <cstdint>
#include <cstdlib>
#include <map>

#include "album/album_file.h"
#include "base/std_platform.h"

namespace quillory::fuzzing {

class MemoryFileSystem final : public FileSystem {
public:
    std::map<Text, std::vector<std::uint8_t>> files;

    std::unique_ptr<ByteSource> openForReading(const Text&) override { return nullptr; }
    std::optional<std::vector<std::uint8_t>> readFile(const Text& path) override {
        const auto it = files.find(path);
        if (it == files.end()) return std::nullopt;
        return it->second;
    }
    bool replaceFile(const Text& path, std::span<const std::uint8_t> content) override {
        files[path].assign(content.begin(), content.end());
        return true;
    }
    bool writeNewFile(const Text& path, std::span<const std::uint8_t> content) override {
        if (files.contains(path)) return false;
        files[path].assign(content.begin(), content.end());
        return true;
    }
    bool exists(const Text& path) override { return files.contains(path); }
    void listFolder(const Text&, FolderListing& listing) override { listing.clear(); }
    std::optional<std::uint64_t> lastWriteTime(const Text&) override { return std::nullopt; }
};

class OneSpecialFolder final : public SpecialFolders {
public:
    std::optional<Text> folderPath(int csidl) override {
        if (csidl == 39) return Text(u"C:\\Pictures");
        return std::nullopt;
    }
};

inline const Text kAlbumPath = u"C:\\a.qalbum";

// An album file holding the input, read through an AlbumFile that makes at most `pageCap` Pages
// without sections of their own.
struct FuzzedAlbum {
    FuzzedAlbum(const std::uint8_t* data, std::size_t size, std::int32_t pageCap)
        : pageCap(pageCap), file(kAlbumPath, files, codePage, folders, pageCap) {
        files.files[kAlbumPath].assign(data, data + size);
    }

    Album load() { return startOn(file); }
    // The next start of the program: a new AlbumFile, so the saved bytes themselves are parsed.
    Album loadAgain() {
        AlbumFile restarted(kAlbumPath, files, codePage, folders, pageCap);
        return startOn(restarted);
    }

    std::int32_t pageCap;

    MemoryFileSystem files;
    Latin1CodePage codePage;
    OneSpecialFolder folders;
    AlbumFile file;

private:
    static Album startOn(AlbumFile& albumFile) {
        Album album;
        albumFile.startAlbum(album);
        return album;
    }
};

inline void check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace quillory::fuzzing
