// Any bytes as an album file, with the program's own Page cap: however large its PageCount, the
// Pages made stay within the cap plus one per section of the file, a save loses none of them, and
// a Page added next starts from the defaults whatever sections the file holds.
#include "album_fuzz_support.h"

namespace {

using namespace quillory;
using namespace quillory::fuzzing;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Latin1CodePage codePage;
    const std::size_t sections = IniDocument::parse(std::span(data, size), codePage).sectionCount();
    FuzzedAlbum fuzzed(data, size, kMaxPageCount);
    Album album = fuzzed.load();
    const std::size_t pages = album.pages.size();
    check(pages >= 1 && pages <= static_cast<std::size_t>(kMaxPageCount) + sections);

    {
        AlbumFile::Batch batch(fuzzed.file);
        for (int page = 0; page < static_cast<int>(pages); ++page) fuzzed.file.savePage(album, page, kSaveAllGroups);
        album.pages.emplace_back();
        album.settings.PageCount = static_cast<std::int32_t>(album.pages.size());
        fuzzed.file.loadPage(album, static_cast<int>(pages), /*newPage=*/true);
        fuzzed.file.saveAlbumSettings(album, false);
    }
    const PageSettings& added = album.pages.back();
    check(added.File.empty() && added.FileNum == 0 && added.FontName == album.defaultPage.FontName &&
          added.PhotoFlag == album.defaultPage.PhotoFlag);
    check(fuzzed.loadAgain().pages.size() == pages + 1);
    return 0;
}
