// Any bytes as an album file, with a Page cap: however large its PageCount, the Pages made stay
// within the cap, a save loses none of them, and a Page added next starts from the defaults
// whatever sections the file holds. While the file holds Pages past the cap, their count survives
// the saves and the added Page is never stored over one of them. The cap is far below the
// program's own, so that inputs of a few hundred bytes reach past it and each input makes few
// Pages; it is the same code whatever the cap.
#include <algorithm>

#include "album_fuzz_support.h"

namespace {

using namespace quillory;
using namespace quillory::fuzzing;

constexpr std::int32_t kPageCap = 40;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedAlbum fuzzed(data, size, kPageCap);
    Album album = fuzzed.load();
    const std::size_t pages = album.pages.size();
    check(pages >= 1 && pages <= static_cast<std::size_t>(kPageCap));
    const bool pagesPastCap = fuzzed.file.pagesPastCap() != 0;

    {
        AlbumFile::Batch batch(fuzzed.file);
        for (int page = 0; page < static_cast<int>(pages); ++page) fuzzed.file.savePage(album, page, kSaveAllGroups);
        album.pages.emplace_back();
        fuzzed.file.loadPage(album, static_cast<int>(pages), /*newPage=*/true);
        fuzzed.file.saveAlbumSettings(album, false);
    }
    const PageSettings& added = album.pages.back();
    check(added.File.empty() && added.FileNum == 0 && added.FontName == album.defaultPage.FontName &&
          added.PhotoFlag == album.defaultPage.PhotoFlag);
    // Past the cap the file keeps its own count and the Page added in memory is never stored; a
    // Page added at the cap is kept in the file as a Page past it.
    const std::size_t shownAgain = pagesPastCap ? pages : std::min(pages + 1, static_cast<std::size_t>(kPageCap));
    check(fuzzed.loadAgain().pages.size() == shownAgain);
    return 0;
}
