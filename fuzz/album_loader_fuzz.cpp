// Any bytes as an album file: loading must neither crash nor allocate without bound, and what
// the program then saves must load back to the same settings and Pages. Large Page counts are
// album_pages_fuzz's: here few Pages are made without sections, so the inputs explore the text.
#include "album_fuzz_support.h"

namespace {

using namespace quillory;
using namespace quillory::fuzzing;

constexpr std::int32_t kFewPages = 8;

bool samePageNumbers(const PageSettings& a, const PageSettings& b) {
    return a.FileNum == b.FileNum && a.FolderFileNo == b.FolderFileNo && a.Flag == b.Flag && a.PhotoFlag == b.PhotoFlag &&
           a.FontSize == b.FontSize && a.FontStyle == b.FontStyle && a.FontAlpha == b.FontAlpha &&
           a.FontColor == b.FontColor && a.FontColor2 == b.FontColor2 && a.FontColorBk == b.FontColorBk &&
           a.FontColorBk2 == b.FontColorBk2 && a.FontName == b.FontName;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedAlbum fuzzed(data, size, kFewPages);
    const Album album = fuzzed.load();
    check(!album.pages.empty());
    check(album.currentPage >= 0 && album.currentPage < static_cast<int>(album.pages.size()));
    check(album.pages.front().Label.size() <= kLabelCapacity && album.pages.front().Comment.size() <= kCommentCapacity);

    {
        AlbumFile::Batch batch(fuzzed.file);
        fuzzed.file.saveAlbumSettings(album, true);
        fuzzed.file.savePage(album, static_cast<int>(album.pages.size()) - 1, kSaveAllGroups);
    }
    const Album again = fuzzed.loadAgain();
    check(again.unicodeAlbum);
    check(again.pages.size() == album.pages.size() && again.currentPage == album.currentPage);
    check(again.settings.TabStyle == album.settings.TabStyle && again.settings.SlideStyle == album.settings.SlideStyle &&
          again.settings.xPosi == album.settings.xPosi && again.settings.LayerWindowLevel == album.settings.LayerWindowLevel &&
          again.settings.TabFontName == album.settings.TabFontName);
    check(samePageNumbers(again.pages.back(), album.pages.back()));
    check(samePageNumbers(again.pages[static_cast<std::size_t>(album.currentPage)],
                          album.pages[static_cast<std::size_t>(album.currentPage)]));
    return 0;
}
