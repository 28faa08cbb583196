#include "stand/viewing.h"

namespace quillory {

namespace {

PageSettings* currentPage(Album& album) {
    if (album.currentPage < 0 || album.currentPage >= static_cast<int>(album.pages.size())) return nullptr;
    return &album.pages[static_cast<std::size_t>(album.currentPage)];
}

}  // namespace

Changes resized() { return Change::Layout; }

Changes givePage(Album& album, PageSettings& page, FolderCursor& cursor, const NewPagePicture& picture, const FolderLister& list) {
    givePicture(page, picture);
    if (picture.isFolder) {
        cursor.index = 0;
        cursor.count = list(page.File);
        page.FileNum = cursor.count;
    }
    // The history numbers pictures across every Page's folder: after a new folder its entries
    // would lead to other pictures.
    clearHistory(album);
    return Change::Picture | Change::Status | Change::History | Change::Menus;
}

Changes giveCurrentPage(Album& album, FolderCursor& cursor, const NewPagePicture& picture, const FolderLister& list) {
    PageSettings* page = currentPage(album);
    if (page == nullptr || (page->Flag & FlagLocked) != 0) return {};
    return givePage(album, *page, cursor, picture, list);
}

Changes chooseFitMode(Album& album, AlbumFile& file, unsigned mode) {
    setFitMode(album, file, mode);
    return Change::Look;
}

Changes pageSettingsClosed(bool accepted) {
    if (!accepted) return Change::Picture;
    return Change::Folder | Change::Picture | Change::Tabs | Change::Status | Change::Menus;
}

Changes folderRelisted(Album& album, FolderCursor& cursor, const FolderPlace& place) {
    PageSettings* page = currentPage(album);
    if (page == nullptr) return {};
    Changes changes = Change::Status;
    if (place.count != cursor.count || place.count != page->FileNum) {
        page->FileNum = place.count;
        clearHistory(album);
        changes |= Change::History;
    }
    cursor = {place.index, place.count};
    if (place.pictureChanged) changes |= Change::Picture;
    return changes;
}

Changes pagesRebuilt() { return Change::Tabs | Change::Folder | Change::Picture | Change::Status | Change::History | Change::Menus; }

}  // namespace quillory
