// The stand moved onto a monitor of another DPI: the system suggests the frame for the new DPI,
// and the stand must take it and lay its parts out again inside it. Wine has one DPI for every
// monitor, so the message is handed over here as the system would hand it.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "album/album_file.h"
#include "base/win_platform_win.h"
#include "base/window_dpi_win.h"
#include "resource.h"
#include "stand/photo_stand_window_win.h"
#include "support/quiet_stand_owner_win.h"
#include "support/scratch_folder_win.h"

namespace quillory {
namespace {

RECT windowRectOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

HWND pageViewOf(HWND stand) {
    for (HWND child = GetWindow(stand, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        if (GetDlgItem(child, IDC_PICTURE_SURFACE1) != nullptr) return child;
    }
    return nullptr;
}

TEST(StandDpi, TheStandTakesTheSuggestedFrameAndLaysItsViewOutInsideIt) {
    testing::ScratchFolder folder(u"quillory_dpi");
    StartupFacts facts;
    facts.instance = GetModuleHandleW(nullptr);
    facts.OsVersionCode = 1000;
    facts.albumPath = folder.path() + u"dpi.qalbum";
    facts.albumName = u"dpi";
    WinPlatform& platform = winPlatform();
    facts.albumFile = std::make_unique<AlbumFile>(facts.albumPath, platform.files, platform.codePage, platform.folders);
    facts.albumFile->startAlbum(facts.album);
    testing::QuietStandOwner owner;
    HWND stand = createPhotoStandWindow(facts, owner, nullptr);
    ASSERT_NE(stand, nullptr);
    HWND view = pageViewOf(stand);
    ASSERT_NE(view, nullptr);

    const RECT before = windowRectOf(stand);
    const RECT viewBefore = windowRectOf(view);
    const RECT suggested{before.left + 30, before.top + 20, before.right + 150, before.bottom + 110};
    const int dpi = windowDpi(stand);
    SendMessageW(stand, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));

    const RECT after = windowRectOf(stand);
    EXPECT_TRUE(EqualRect(&after, &suggested));
    // The frame grew by 120 × 90 and moved by 30, 20: the view, between the tabs and the status
    // bar, grows and moves with it.
    const RECT viewAfter = windowRectOf(view);
    EXPECT_EQ(viewAfter.left - viewBefore.left, 30);
    EXPECT_EQ(viewAfter.top - viewBefore.top, 20);
    EXPECT_EQ((viewAfter.right - viewAfter.left) - (viewBefore.right - viewBefore.left), 120);
    EXPECT_EQ((viewAfter.bottom - viewAfter.top) - (viewBefore.bottom - viewBefore.top), 90);
    DestroyWindow(stand);
}

}  // namespace
}  // namespace quillory
