#pragma once
// The PictureHistory of the slide show: recording each picture shown, going back to an entry,
// and forgetting the entries once the picture numbers they hold mean other pictures.
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "album/album.h"
#include "album/page_tabs.h"
#include "base/text.h"
#include "stand/slide_step.h"
#include "view/folder_scan.h"

namespace quillory {

// The full path of a step's picture: the FolderList entry at the index for a folder Page (the
// list the window loaded for it, holding `folderCount` entries), the Page's File otherwise.
// Empty when the index lies outside the list.
Text slidePicturePath(const PageSettings& page, int index, const FolderList& list, int folderCount);

// Entry 0 becomes the step's picture, the others move down one. Nothing is recorded when the
// number no longer names the step's picture (its folder shrank when it was loaded).
void recordSlide(Album& album, const SlideTarget& target, TextView picturePath);

// The Page and index that history entry `entry` (0 to 7) names; nothing for an empty entry, an
// entry outside the history, or a number beyond the pictures of the visible Pages.
std::optional<PicturePosition> historyTarget(const Album& album, int entry);

// Which Pages are numbered and how many numbers each holds, in Page order.
using PictureNumbering = std::vector<std::pair<int, std::int32_t>>;
PictureNumbering pictureNumbering(const Album& album);
// Empties the history when the numbering differs from `before` (a rescan or a drop changed a
// Page's FileNum, or Pages became visible or hidden), so no entry names another picture than
// its caption says. True when it did.
bool forgetHistoryIfRenumbered(Album& album, const PictureNumbering& before);

}  // namespace quillory
