#pragma once
// What the stand shows of its current Page while a person looks: the folder cursor and the
// picture surface in front. The stand owns the one record and lends it to its PageView; the
// commands that move it are the stand's viewing model (stand/viewing.h).
#include <memory>

#include "view/folder_scan.h"

namespace quillory {

// The current folder Page's FolderList, the entry shown and how many pictures the last listing found.
struct FolderCursor {
    int index = 0;
    int count = 0;
    std::unique_ptr<FolderList> list = std::make_unique<FolderList>();
};

// `frontSurface` is which of the view's two picture surfaces is in front (0 or 1; the slide
// show's transitions swap them).
struct Viewing {
    FolderCursor folder;
    int frontSurface = 0;
};

}  // namespace quillory
