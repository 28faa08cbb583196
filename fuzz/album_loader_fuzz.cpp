// Any bytes as an album file: loading must neither crash nor allocate without bound, and what
// the program then saves must load back to the same settings and Pages.
#include <cstdint>
#include <cstdlib>
#include <map>

#include "album/album_file.h"
#include "base/std_platform.h"

namespace {

using namespace quillory;

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
    bool copyFileNew(const Text& from, const Text& to) override {
        if (!files.contains(from) || files.contains(to)) return false;
        files[to] = files[from];
        return true;
    }
    bool exists(const Text& path) override { return files.contains(path); }
    std::vector<FolderItem> listFolder(const Text&) override { return {}; }
    std::optional<std::uint64_t> lastWriteTime(const Text&) override { return std::nullopt; }
};

class OneSpecialFolder final : public SpecialFolders {
public:
    std::optional<Text> folderPath(int csidl) override {
        if (csidl == 39) return Text(u"C:\\Pictures");
        return std::nullopt;
    }
};

const Text kPath = u"C:\\a.qalbum";

Album load(AlbumFile& file) {
    Album album;
    album.defaultPage = makeDefaultPage();
    file.loadPage(album, kDefaultPage, false);
    file.loadAlbum(album);
    return album;
}

void check(bool condition) {
    if (!condition) std::abort();
}

bool samePageNumbers(const PageSettings& a, const PageSettings& b) {
    return a.FileNum == b.FileNum && a.FolderFileNo == b.FolderFileNo && a.Flag == b.Flag && a.PhotoFlag == b.PhotoFlag &&
           a.FontSize == b.FontSize && a.FontStyle == b.FontStyle && a.FontAlpha == b.FontAlpha &&
           a.FontColor == b.FontColor && a.FontColor2 == b.FontColor2 && a.FontColorBk == b.FontColorBk &&
           a.FontColorBk2 == b.FontColorBk2 && a.FontName == b.FontName;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MemoryFileSystem files;
    Latin1CodePage codePage;
    OneSpecialFolder folders;
    files.files[kPath].assign(data, data + size);
    AlbumFile file(kPath, files, codePage, folders);

    Album album = load(file);
    check(!album.pages.empty() && album.pages.size() <= static_cast<std::size_t>(kMaxPageCount));
    check(album.settings.PageCount == static_cast<std::int32_t>(album.pages.size()));
    check(album.currentPage >= 0 && album.currentPage < static_cast<int>(album.pages.size()));
    check(album.pages.front().Label.size() <= kLabelCapacity && album.pages.front().Comment.size() <= kCommentCapacity);

    file.saveAlbumSettings(album, true);
    file.savePage(album, static_cast<int>(album.pages.size()) - 1, kSaveAllGroups);
    const Album again = load(file);
    check(again.unicodeAlbum);
    check(again.pages.size() == album.pages.size() && again.currentPage == album.currentPage);
    check(again.settings.TabStyle == album.settings.TabStyle && again.settings.SlideStyle == album.settings.SlideStyle &&
          again.settings.TabNumber == album.settings.TabNumber && again.settings.xPosi == album.settings.xPosi &&
          again.settings.LayerWindowLevel == album.settings.LayerWindowLevel &&
          again.settings.TabFontName == album.settings.TabFontName);
    check(samePageNumbers(again.pages.back(), album.pages.back()));
    check(samePageNumbers(again.pages[static_cast<std::size_t>(album.currentPage)],
                          album.pages[static_cast<std::size_t>(album.currentPage)]));
    return 0;
}
