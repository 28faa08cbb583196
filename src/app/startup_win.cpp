#include "app/startup_win.h"

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
    app.albumFile = std::make_unique<AlbumFile>(extendedLengthPath(app.location.path), platform.files, platform.codePage,
                                                platform.folders);
    app.albumFile->startAlbum(app.album);
}

int runMessageLoop(App& app) {
    HACCEL accelerators = LoadAcceleratorsW(app.instance, MAKEINTRESOURCEW(IDR_ACCELERATORS));
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (app.hostWindow != nullptr && TranslateAcceleratorW(app.hostWindow, accelerators, &message)) continue;
        if (app.standWindow != nullptr && IsDialogMessageW(app.standWindow, &message)) continue;
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
    app.location = albumLocationFromArgument(programFolder(), commandLineArgument());
    app.location.path = fullPathOf(app.location.path);
    app.albumKey = albumKeyForFile(app.location.path);
    std::optional<AlbumLock> lock = claimAlbum(app.albumKey);
    if (!lock) return 0;
    app.albumLock = std::move(*lock);
    screenDpi(app.dpiX, app.dpiY);
    loadAlbumFile(app);
    registerHostWindowClass(instance);
    if (createHostWindow(app) == nullptr) return 1;
    return runMessageLoop(app);
}

}  // namespace quillory
