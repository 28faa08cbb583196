#include "app/startup_win.h"

#include "app/album_location.h"
#include "app/app_state_win.h"
#include "app/environment_win.h"
#include "app/host_window_win.h"
#include "app/single_instance_win.h"
#include "base/os_versions.h"
#include "base/win_platform_win.h"
#include "base/window_dpi_win.h"
#include "resource.h"

namespace quillory {

namespace {

void loadAlbumFile(App& app) {
    WinPlatform& platform = winPlatform();
    app.albumFile = std::make_unique<AlbumFile>(extendedLengthPath(app.albumPath), platform.files, platform.codePage,
                                                platform.folders);
    app.albumFile->startAlbum(app.album);
}

int runMessageLoop(HINSTANCE instance, const RunWindows& windows) {
    HACCEL accelerators = LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDR_ACCELERATORS));
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (windows.host != nullptr && TranslateAcceleratorW(windows.host, accelerators, &message)) continue;
        if (windows.stand != nullptr && IsDialogMessageW(windows.stand, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace

int runQuillory(HINSTANCE instance) {
    App app;
    app.instance = instance;
    app.OsVersionCode = measureOsVersionCode();
    app.CommonControlsVersion = measureCommonControlsVersion();
    if (app.OsVersionCode >= kWindowsVista) declareDpiAwareness();
    const AlbumLocation location = albumLocationFromArgument(programFolder(), commandLineArgument());
    app.albumPath = fullPathOf(location.path);
    app.albumName = location.name;
    app.standTitle = standWindowTitle(location.name);
    app.albumKey = albumKeyForFile(app.albumPath);
    std::optional<AlbumLock> lock = claimAlbum(app.albumKey);
    if (!lock) return 0;
    app.albumLock = std::move(*lock);
    screenDpi(app.dpiX, app.dpiY);
    loadAlbumFile(app);
    registerHostWindowClass(instance);
    RunWindows windows;
    if (createHostWindow(app, windows) == nullptr) return 1;
    return runMessageLoop(instance, windows);
}

}  // namespace quillory
