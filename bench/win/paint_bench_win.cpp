// Repaints one page showing a large JPEG at 1920 x 1080, first the way a painter without memory
// does it (background, GdipDrawImageRectRectI from the full picture, text, one copy) and then
// through PagePainter, and prints the per-paint times side by side.
//
//   scripts/bench-picture.sh   (makes /var/tmp/quillory-bench/page-6000x4000.jpg)
//   wine paint_bench_win.exe [picture] [direct repeats] [painter repeats]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>

#include "bench_support_win.h"
#include "draw/background_win.h"
#include "draw/gdiplus_win.h"
#include "draw/overlay_painter_win.h"
#include "draw/page_painter_win.h"

namespace quillory {
namespace {

constexpr Size kArea{1920, 1080};

PageScene benchScene() {
    PageScene scene;
    scene.fit = FitMode::ShorterSide;
    scene.backgroundLeft = 0x402010;
    scene.backgroundRight = 0x102040;
    scene.style.fontFace = u"Tahoma";
    scene.style.fontHeight = 24;
    scene.style.alpha = 220;
    scene.style.textColour = 0xFFFFFF;
    scene.style.outlineColour = 0x000000;
    scene.overlay = u"Holiday\n2023/05/07 14:03\n1/250 f/8.0 ISO-100";
    return scene;
}

// Every step of a paint done afresh, as the painter did before it kept its composition.
void paintDirect(HDC target, const PageScene& scene, gp::GpImage* image) {
    HDC memory = CreateCompatibleDC(target);
    HBITMAP bitmap = CreateCompatibleBitmap(target, kArea.dx, kArea.dy);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    FillBackgroundGradient(memory, scene.backgroundLeft, scene.backgroundRight, {0, 0, kArea.dx, kArea.dy});
    UINT width = 0, height = 0;
    gpflat::GdipGetImageWidth(image, &width);
    gpflat::GdipGetImageHeight(image, &height);
    const auto layout = fitPicture(kArea, {static_cast<int>(width), static_cast<int>(height)}, scene.fit, PaintPath::GdiPlus);
    {
        const GraphicsOwner graphics = graphicsOn(memory);
        if (layout) {
            const Rect& to = layout->target;
            const Rect& from = layout->source;
            gpflat::GdipDrawImageRectRectI(graphics.get(), image, to.x, to.y, to.dx, to.dy, from.x, from.y, from.dx, from.dy,
                                           gp::UnitPixel, nullptr, nullptr, nullptr);
        }
        drawOverlayWithGdiPlus(graphics.get(), target, kArea, scene.style, scene.overlay);
    }
    BitBlt(target, 0, 0, kArea.dx, kArea.dy, memory, 0, 0, SRCCOPY);
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
}

template <typename Paint>
double averageMilliseconds(int repeats, Paint paint) {
    const SteadyClock::time_point start = SteadyClock::now();
    for (int i = 0; i < repeats; ++i) paint();
    return millisecondsSince(start) / repeats;
}

int run(const wchar_t* picturePath, int directRepeats, int painterRepeats) {
    const int resizeRepeats = std::max(1, painterRepeats / 10);
    const GdiplusSession gdiplus;
    if (!gdiplus.started()) {
        std::fprintf(stderr, "GDI+ did not start\n");
        return 1;
    }
    gp::GpImage* loaded = nullptr;
    const SteadyClock::time_point loadStart = SteadyClock::now();
    if (gpflat::GdipLoadImageFromFile(picturePath, &loaded) != gp::Ok) {
        std::fprintf(stderr, "cannot decode %ls (run scripts/bench-picture.sh)\n", picturePath);
        return 1;
    }
    const PagePicture picture(ImageOwner{loaded});
    const double loadMs = millisecondsSince(loadStart);
    UINT width = 0, height = 0;
    gpflat::GdipGetImageWidth(picture.image(), &width);
    gpflat::GdipGetImageHeight(picture.image(), &height);

    // The window stand-in: a screen-compatible bitmap of the page's size.
    HDC screen = GetDC(nullptr);
    HDC target = CreateCompatibleDC(screen);
    HBITMAP targetBitmap = CreateCompatibleBitmap(screen, kArea.dx, kArea.dy);
    HGDIOBJ previous = SelectObject(target, targetBitmap);

    const PageScene scene = benchScene();
    paintDirect(target, scene, picture.image());  // warm-up: the first draw may still decode
    const double directMs = averageMilliseconds(directRepeats, [&] { paintDirect(target, scene, picture.image()); });

    PagePainter painter(kArea);  // as on a 1920 x 1080 screen
    const double firstMs = averageMilliseconds(1, [&] { painter.paintArea(target, kArea, scene, picture, PaintPath::GdiPlus); });
    const double steadyMs = averageMilliseconds(painterRepeats, [&] { painter.paintArea(target, kArea, scene, picture, PaintPath::GdiPlus); });
    PageScene changedText = scene;
    const double textChangeMs = averageMilliseconds(painterRepeats, [&] {
        changedText.overlay.back() = changedText.overlay.back() == u'0' ? u'1' : u'0';
        painter.paintArea(target, kArea, changedText, picture, PaintPath::GdiPlus);
    });

    // Dragging the window's edge: every paint has a new area. The first resize makes the
    // reduced copy; it is timed on its own.
    int step = 0;
    const auto resizedPaint = [&] {
        ++step;
        const Size area{kArea.dx - 2 * (step % 8), kArea.dy - (step % 8)};
        painter.paintArea(target, area, scene, picture, PaintPath::GdiPlus);
    };
    const double firstResizeMs = averageMilliseconds(1, resizedPaint);
    const double resizeMs = averageMilliseconds(resizeRepeats, resizedPaint);

    std::printf("picture %ux%u decoded in %.0f ms, page %dx%d, fit inside with a three-line overlay\n", width, height, loadMs,
                kArea.dx, kArea.dy);
    std::printf("direct GdipDrawImageRectRectI paint: %9.2f ms per paint (%d paints)\n", directMs, directRepeats);
    std::printf("PagePainter first paint:             %9.2f ms\n", firstMs);
    std::printf("PagePainter steady repaint:          %9.2f ms per paint (%d paints)\n", steadyMs, painterRepeats);
    std::printf("PagePainter repaint, text changed:   %9.2f ms per paint (%d paints)\n", textChangeMs, painterRepeats);
    std::printf("PagePainter first resize:            %9.2f ms\n", firstResizeMs);
    std::printf("PagePainter repaint at a new size:   %9.2f ms per paint (%d paints)\n", resizeMs, resizeRepeats);
    std::printf("steady repaint is %.1fx faster than the direct path; with a text change %.1fx; at a new size %.1fx\n",
                directMs / steadyMs, directMs / textChangeMs, directMs / resizeMs);

    SelectObject(target, previous);
    DeleteObject(targetBitmap);
    DeleteDC(target);
    ReleaseDC(nullptr, screen);
    return 0;
}

}  // namespace
}  // namespace quillory

int wmain(int argc, wchar_t** argv) {
    const wchar_t* picture = argc > 1 ? argv[1] : L"Z:\\var\\tmp\\quillory-bench\\page-6000x4000.jpg";
    const int directRepeats = argc > 2 ? std::wcstol(argv[2], nullptr, 10) : 5;
    const int painterRepeats = argc > 3 ? std::wcstol(argv[3], nullptr, 10) : 100;
    return quillory::run(picture, directRepeats > 0 ? directRepeats : 1, painterRepeats > 0 ? painterRepeats : 1);
}
