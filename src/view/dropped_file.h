#pragma once
// What a file or folder dropped on the PageView does.
#include "base/text.h"

namespace quillory {

enum class DropAction {
    OpenAlbum,  // start another Quillory on it
    Ignore,
    NewPage,    // the stand adds a Page for it
    ShowFolder,
    ShowPicture,
};

struct DropContext {
    bool isFolder = false;      // the dropped path is a folder
    bool pageLocked = false;    // FlagLocked on the current Page
    bool slideRunning = false;
    bool dropNewPage = false;   // TabDropNewPage
    bool gdiplusActive = false;
};

// An album is a file whose name ends in ".qalbum", in any case; "x.qalbum.bak" is not one.
bool isAlbumFile(TextView path, bool isFolder);

DropAction dropActionFor(TextView path, const DropContext& context);

// The command line that opens `album` in a new process: the path quoted, as one argument.
Text albumArgument(TextView album);

}  // namespace quillory
