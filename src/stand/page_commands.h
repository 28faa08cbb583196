#pragma once
// What the stand's Page commands do to the Album and its file. The Page array is rebuilt from
// the records in memory (never re-read from the file, which may be older than memory or not
// writable), and each command writes the file once, with exactly the saves listed here.
#include <optional>

#include "album/album.h"
#include "album/album_file.h"

namespace quillory {

// A dropped file or folder that becomes a new Page; `path` is its full path.
struct NewPagePicture {
    Text path;
    bool isFolder = false;
};

// Pages can be added up to the cap, and added and removed only while the file holds no Pages
// past it (their sections follow the last Page shown); the commands below change nothing else.
bool canChangePageCount(const AlbumFile& file);
bool canAddPage(const Album& album, const AlbumFile& file);

// The Page shows the file, or the folder from its first picture (a folder's path ends in "\\"); a
// path longer than the field is cut.
void givePicture(PageSettings& page, const NewPagePicture& picture);

// Adds a Page at the end with the DefaultPage's appearance (and the dropped picture), selects
// its tab and clears the picture history. Saves every Page before the array grows, the new
// Page's picture fields (with a picture), then the settings with the current Page.
void addPage(Album& album, AlbumFile& file, const std::optional<NewPagePicture>& picture);

// Inserts a copy of the current Page after it and selects the copy. Saves every Page before the
// array grows, the Pages after the original, then the settings with the current Page.
void duplicateCurrentPage(Album& album, AlbumFile& file);

// Whether the current Page may be deleted: there is another Page, and it is not locked.
bool canDeleteCurrentPage(const Album& album);
// Removes the current Page (when allowed); the tab before it becomes current, or the new tab 0.
// Saves the Pages that moved down, the settings with the current Page, and removes the former
// last Page's section. False when nothing was removed.
bool deleteCurrentPage(Album& album, AlbumFile& file);

// The current Page's FitMode becomes `mode` (0 to 3); saves its picture fields.
void setFitMode(Album& album, AlbumFile& file, unsigned mode);

// Writes every Page's section whole, in one write of the file.
void saveEveryPage(const Album& album, AlbumFile& file);

// A Page's tab text and new-Page label for a path: its last component, cut to the label's size.
Text labelForPath(TextView path);

}  // namespace quillory
