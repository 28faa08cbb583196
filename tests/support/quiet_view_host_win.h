#pragma once
// A PageView's host that takes no action, for tests that drive the view alone.
#include <filesystem>

#include "base/wide_win.h"
#include "base/win_platform_win.h"
#include "stand/startup_facts_win.h"
#include "view/page_view_win.h"

namespace quillory::testing {

struct QuietViewHost : PageViewHost {
    void holdAndStop() override {}
    void actionDone() override {}
    void openMenu(POINT) override {}
    void openPageSettings() override {}
    void showDropped(const Text&, bool) override {}
    void addDroppedPage(const Text&) override {}
    void stepFolder(StepDirection, StepModifiers) override {}
    void lookChanged() override {}
    void folderRelisted(const FolderPlace&) override {}
    void pictureArrived() override {}
    bool slideRunning() const override { return showRunning; }

    bool showRunning = false;  // as the stand's slide show would answer

protected:
    ~QuietViewHost() = default;
};

// A view's context over `app` and `viewing`: its album, and (when the test made none) an album
// file in the temporary folder that only a changed picture field would write.
inline PageViewContext viewContextOf(StartupFacts& app, Viewing& viewing) {
    if (!app.albumFile) {
        WinPlatform& platform = winPlatform();
        const std::filesystem::path path = std::filesystem::temp_directory_path() / L"quillory-view-test.qalbum";
        app.albumFile = std::make_unique<AlbumFile>(fromWide(path.wstring().c_str()), platform.files, platform.codePage, platform.folders);
    }
    return {.instance = app.instance, .osVersionCode = static_cast<int>(app.OsVersionCode), .gdiplusActive = app.gdiplusActive,
            .album = app.album, .albumFile = *app.albumFile, .viewing = viewing};
}

}  // namespace quillory::testing
