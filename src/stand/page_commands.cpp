#include "stand/page_commands.h"

#include "album/page_tabs.h"
#include "stand/current_page.h"

namespace quillory {

namespace {

int pageCount(const Album& album) {
    return static_cast<int>(album.pages.size());
}

void savePagesFrom(const Album& album, AlbumFile& file, int first) {
    for (int page = first; page < pageCount(album); ++page) file.savePage(album, page, kSaveAllGroups);
}

}  // namespace

void givePicture(PageSettings& page, const NewPagePicture& picture) {
    page.File = picture.path;
    if (picture.isFolder) {
        page.Flag |= FlagFolder;
        if (!endsWith(page.File, u"\\")) page.File += u'\\';
        page.FolderFileNo = 0;
    } else {
        page.Flag &= ~FlagFolder;
    }
    page.File = capped(page.File, kPathCapacity);
}

void saveEveryPage(const Album& album, AlbumFile& file) {
    AlbumFile::Batch batch(file);
    for (int page = 0; page < pageCount(album); ++page) file.savePage(album, page, kSaveAllGroups);
}

Text labelForPath(TextView path) {
    while (path.size() > 1 && (path.back() == u'\\' || path.back() == u'/')) path.remove_suffix(1);
    const std::size_t slash = path.find_last_of(u"\\/");
    return capped(slash == TextView::npos ? path : path.substr(slash + 1), kLabelCapacity);
}

bool canChangePageCount(const AlbumFile& file) {
    return file.pagesPastCap() == 0;
}

bool canAddPage(const Album& album, const AlbumFile& file) {
    return canChangePageCount(file) && pageCount(album) < file.pageCap();
}

void addPage(Album& album, AlbumFile& file, const std::optional<NewPagePicture>& picture) {
    if (!canAddPage(album, file)) return;
    AlbumFile::Batch batch(file);
    saveEveryPage(album, file);
    const int added = pageCount(album);
    album.pages.emplace_back();
    file.loadPage(album, added, /*newPage=*/true);
    if (picture) {
        PageSettings& page = album.pages[static_cast<std::size_t>(added)];
        givePicture(page, *picture);
        page.Label = labelForPath(picture->path);
        file.savePage(album, added, SavePicture);
    }
    // The new Page's tab is the last one (when the DefaultPage makes it unmarked and unmarked
    // Pages are hidden, the last shown Page is current instead).
    makeTabCurrent(album, visibleTabCount(album) - 1);
    file.saveAlbumSettings(album, /*withCurrentPage=*/true);
    clearHistory(album);
}

void duplicateCurrentPage(Album& album, AlbumFile& file) {
    if (!canAddPage(album, file)) return;
    AlbumFile::Batch batch(file);
    saveEveryPage(album, file);
    const int original = album.currentPage;
    PageSettings copy = album.pages[static_cast<std::size_t>(original)];
    copy.Flag &= ~FlagMainPage;  // one main Page at most
    album.pages.insert(album.pages.begin() + original + 1, copy);
    savePagesFrom(album, file, original + 1);
    makePageCurrent(album, original + 1);
    file.saveAlbumSettings(album, /*withCurrentPage=*/true);
    clearHistory(album);
}

bool canDeleteCurrentPage(const Album& album) {
    const PageSettings* page = currentPageOf(album);
    return pageCount(album) > 1 && page != nullptr && (page->Flag & FlagLocked) == 0;
}

bool deleteCurrentPage(Album& album, AlbumFile& file) {
    if (!canDeleteCurrentPage(album) || !canChangePageCount(file)) return false;
    AlbumFile::Batch batch(file);
    const int removed = album.currentPage;
    const int tab = currentTab(album);
    const int formerLast = pageCount(album) - 1;
    album.pages.erase(album.pages.begin() + removed);
    savePagesFrom(album, file, removed);
    makeTabCurrent(album, tab > 0 ? tab - 1 : 0);
    file.saveAlbumSettings(album, /*withCurrentPage=*/true);
    file.deletePageSection(formerLast);
    return true;
}

void setFitMode(Album& album, AlbumFile& file, unsigned mode) {
    PageSettings* page = currentPageOf(album);
    if (page == nullptr) return;
    FitModeBits.set(page->PhotoFlag, mode);
    file.savePage(album, album.currentPage, SavePicture);
}

}  // namespace quillory
