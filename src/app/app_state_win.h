#pragma once
// The process's run-time state, owned by the start-up and handed to every window it creates.
#include <windows.h>

#include <memory>

#include "album/album.h"
#include "album/album_file.h"
#include "app/album_location.h"
#include "app/single_instance_win.h"
#include "stand/slide_countdown.h"
#include "stand/viewing.h"

namespace quillory {

struct App {
    HINSTANCE instance = nullptr;
    AlbumLocation location;
    AlbumKey albumKey;
    AlbumLock albumLock;  // held from before the album is read to the end of the run
    Album album;
    std::unique_ptr<AlbumFile> albumFile;

    unsigned OsVersionCode = 500;
    int CommonControlsVersion = 0;
    double dpiX = 96.0;
    double dpiY = 96.0;

    bool gdiplusActive = false;

    Viewing viewing;

    int pageSettingsPanel = 0;     // the Page settings reopen on the panel shown last
    int generalSettingsPanel = 0;  // and so do the general settings

    SlideCountdown countdown;
    bool ModalOpen = false;


    HWND hostWindow = nullptr;   // cleared by the HostWindow before it closes the stand
    HWND standWindow = nullptr;
    HMENU pageMenu = nullptr;    // menu 135's pop-up, inside the stand's system menu
};

}  // namespace quillory
