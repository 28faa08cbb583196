#pragma once
// A shown folder listed again because its pictures changed: where the view stands afterwards.
// The picture on screen stays on screen wherever the new order puts it; a picture that went
// makes way for the one that took its place in the list.
#include <span>

#include "view/folder_scan.h"

namespace quillory {

// The folder cursor of the current Page's view: the FolderList entry shown and how many pictures
// the last listing found.
struct FolderCursor {
    int index = 0;
    int count = 0;
};

struct FolderPlace {
    int index = 0;
    int count = 0;
    bool pictureChanged = false;  // the entry at `index` is not the picture shown before
};

// `before` and `after` are the listed entries (as many as each listing counted); `shownIndex`
// is the view's index into `before`, which may lie past its end (nothing shown).
FolderPlace placeAfterRelisting(std::span<const FolderEntry> before, int shownIndex, std::span<const FolderEntry> after);

}  // namespace quillory
