// The PageView comes up before its picture: its first paint is the Page's background, or the
// camera's EXIF thumbnail in the picture's place, and the picture, decoded by the worker, follows
// once messages flow.
#include "view/page_view_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "draw/gdiplus_win.h"
#include "resource.h"
#include "stand/startup_facts_win.h"
#include "photoinfo/exif_builder.h"
#include "support/bitmap_file_win.h"
#include "support/camera_jpeg.h"
#include "support/quiet_view_host_win.h"
#include "support/scratch_folder_win.h"
#include "view/picture_load_win.h"

namespace quillory {
namespace {

constexpr COLORREF kBackground = RGB(20, 160, 40);

COLORREF pixelAt(HWND window, POINT point) {
    HDC dc = GetDC(window);
    const COLORREF colour = GetPixel(dc, point.x, point.y);
    ReleaseDC(window, dc);
    return colour;
}

bool looksLike(COLORREF colour, COLORREF wanted) {
    const auto close = [](int a, int b) { return a - b < 24 && b - a < 24; };
    return close(GetRValue(colour), GetRValue(wanted)) && close(GetGValue(colour), GetGValue(wanted)) &&
           close(GetBValue(colour), GetBValue(wanted));
}

// Shows the picture once it has arrived, as the stand does: loaded into the view, every surface
// repainted.
struct ShowingHost final : testing::QuietViewHost {
    void pictureArrived() override {
        loadPicture(view, 0, /*rescan=*/false);
        RedrawWindow(view, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
    }
    HWND view = nullptr;
};

class PageViewPicture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(gdiplus_.started());
        app.instance = GetModuleHandleW(nullptr);
        app.gdiplusActive = true;
        PageSettings page = makeDefaultPage();
        page.File = folder_.write(u"red.bmp", testing::bitmapFile(400, 300, 230));
        page.FontColorBk = kBackground;
        page.FontColorBk2 = kBackground;
        app.album.pages = {page};
        app.album.settings.TabStyle &= ~TabAnimate;
        stand = CreateWindowExW(0, L"STATIC", L"stand", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300, nullptr, nullptr,
                                          app.instance, nullptr);
        ASSERT_NE(stand, nullptr);
    }
    void TearDown() override {
        DestroyWindow(stand);
        forgetKeptPictures();
    }

    // The view, placed over the stand and painted once, before any message has run.
    HWND shownView() {
        HWND view = createPageView(testing::viewContextOf(app, viewing), stand, host);
        host.view = view;
        if (view == nullptr) return nullptr;
        MoveWindow(view, 0, 0, 400, 300, FALSE);
        layOutPageView(view);
        ShowWindow(view, SW_SHOWNA);
        UpdateWindow(view);
        return view;
    }

    StartupFacts app;
    Viewing viewing;
    HWND stand = nullptr;
    ShowingHost host;
    GdiplusSession gdiplus_;
    testing::ScratchFolder folder_{u"quillory_view_picture"};
};

TEST_F(PageViewPicture, TheBackgroundShowsAtOnceAndThePictureWhenItIsDecoded) {
    HWND view = shownView();
    ASSERT_NE(view, nullptr);
    HWND surface = GetDlgItem(view, IDC_PICTURE_SURFACE1);
    const POINT middle{200, 150};
    // No message has run yet: nothing has asked for the picture, so this paint cannot have it.
    EXPECT_TRUE(looksLike(pixelAt(surface, middle), kBackground)) << std::hex << pixelAt(surface, middle);

    bool red = false;
    for (int round = 0; round < 500 && !red; ++round) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        red = looksLike(pixelAt(surface, middle), RGB(230, 0, 0));
        if (!red) Sleep(10);
    }
    EXPECT_TRUE(red) << "the picture never replaced the background: " << std::hex << pixelAt(surface, middle);
    DestroyWindow(view);
}

TEST_F(PageViewPicture, ACameraThumbnailShowsWhileThePictureIsDecoded) {
    app.album.pages[0].File = folder_.write(u"camera.jpg", testing::cameraJpegHead(testing::tiffWithThumbnail(testing::kBlueThumbnail)));
    HWND view = shownView();
    ASSERT_NE(view, nullptr);
    const COLORREF shown = pixelAt(GetDlgItem(view, IDC_PICTURE_SURFACE1), {200, 150});
    EXPECT_TRUE(looksLike(shown, RGB(0x20, 0x40, 0xE0))) << std::hex << shown;
    DestroyWindow(view);
}

}  // namespace
}  // namespace quillory
