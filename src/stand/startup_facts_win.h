#pragma once
// What start-up decided and the stand only reads: the album it shows and the system it runs on.
// The start-up fills it before the stand exists; it outlives the stand.
#include <windows.h>

#include <memory>

#include "album/album.h"
#include "album/album_file.h"
#include "base/text.h"

namespace quillory {

struct StartupFacts {
    HINSTANCE instance = nullptr;
    Text albumPath;   // full path of the album file, named when it cannot be written
    Text albumName;   // its file name without the last extension, shown in window titles
    Text standTitle;  // the stand's title, by which a later start of the album finds it
    Album album;
    std::unique_ptr<AlbumFile> albumFile;

    unsigned OsVersionCode = 500;
    int CommonControlsVersion = 0;
    double dpiX = 96.0;
    double dpiY = 96.0;

    bool gdiplusActive = false;
};

}  // namespace quillory
