#include "stand/viewing.h"

namespace quillory {

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
    PageSettings* page = currentPageOf(album);
    if (page == nullptr || (page->Flag & FlagLocked) != 0) return {};
    return givePage(album, *page, cursor, picture, list);
}

Changes chooseFitMode(Album& album, AlbumFile& file, unsigned mode) {
    setFitMode(album, file, mode);
    return fitModePreviewed();
}

Changes fitModePreviewed() { return Change::Picture; }

Changes pageSettingsClosed(bool accepted) {
    if (!accepted) return Change::Picture;
    return Change::Folder | Change::Picture | Change::Tabs | Change::Status | Change::Menus;
}

Changes folderRelisted(Album& album, FolderCursor& cursor, const FolderPlace& place) {
    PageSettings* page = currentPageOf(album);
    if (page == nullptr) return {};
    Changes changes = Change::Status;
    if (place.count != cursor.count || place.count != page->FileNum) {
        page->FileNum = place.count;
        clearHistory(album);
        changes |= Change::History;
    }
    cursor.index = place.index;
    cursor.count = place.count;
    if (place.pictureChanged) changes |= Change::Picture;
    return changes;
}

Changes pagesRebuilt() { return Change::Tabs | Change::Folder | Change::Picture | Change::Status | Change::History | Change::Menus; }

}  // namespace quillory
