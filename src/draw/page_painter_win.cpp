#include "draw/page_painter_win.h"

#include "draw/background_win.h"
#include "draw/gdiplus_pixels_win.h"
#include "draw/overlay_painter_win.h"
#include "draw/shrink.h"

namespace quillory {
namespace {

// 32-bit rows, first row on top: the layout of our pixel buffers.
BITMAPINFO topDownInfo(Size area) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = area.dx;
    info.bmiHeader.biHeight = -area.dy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

UniqueBitmap createLayerBitmap(HDC dc, Size area) {
    const BITMAPINFO info = topDownInfo(area);
    void* bits = nullptr;
    return UniqueBitmap(CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
}

// Nothing (0 x 0) for no picture or one that failed to decode.
Size imageSize(gp::GpImage* image) {
    if (image == nullptr) return {};
    UINT width = 0;
    UINT height = 0;
    if (gpflat::GdipGetImageWidth(image, &width) != gp::Ok || gpflat::GdipGetImageHeight(image, &height) != gp::Ok) return {};
    return {static_cast<int>(width), static_cast<int>(height)};
}

Size bitmapSize(HBITMAP bitmap) {
    if (bitmap == nullptr) return {};
    BITMAP info{};
    if (GetObjectW(bitmap, sizeof(info), &info) != sizeof(info)) return {};
    return {info.bmWidth, info.bmHeight};
}

// An opaque picture shrunk by our own filter and copied: the same pixels on every system, and
// far quicker than the decoder's scaling where it works pixel by pixel (Wine). False when the
// picture is see-through, would grow, or cannot be read: the decoder then draws it.
bool drawShrunk(HDC dc, gp::GpImage* image, const Rect& to) {
    gp::PixelFormat format = 0;
    gpflat::GdipGetImagePixelFormat(image, &format);
    const Size size = imageSize(image);
    if ((format & PixelFormatAlpha) != 0 || to.dx > size.dx || to.dy > size.dy) return false;
    const std::optional<PixelImage> pixels = pixelsOf(image);
    const std::optional<PixelImage> shrunk = pixels ? shrinkPicture(*pixels, {to.dx, to.dy}) : std::nullopt;
    if (!shrunk) return false;
    const BITMAPINFO info = topDownInfo({to.dx, to.dy});
    return SetDIBitsToDevice(dc, to.x, to.y, static_cast<DWORD>(to.dx), static_cast<DWORD>(to.dy), 0, 0, 0, static_cast<UINT>(to.dy),
                             shrunk->pixels.data(), &info, DIB_RGB_COLORS) != 0;
}

void drawImage(HDC dc, Size area, FitMode fit, gp::GpImage* image, const ReducedPicture& reduced) {
    const auto layout = fitPicture(area, imageSize(image), fit, PaintPath::GdiPlus);
    if (!layout) return;
    const Rect& to = layout->target;
    Rect from = layout->source;
    // Actual size needs the picture's own pixels; the fitted modes draw the whole picture, which
    // the reduced copy holds as well.
    gp::GpImage* source = fit == FitMode::ActualSize ? nullptr : reduced.copyFor(image, {to.dx, to.dy});
    if (source != nullptr) {
        from = {0, 0, imageSize(source).dx, imageSize(source).dy};
    } else {
        source = image;
    }
    if (fit != FitMode::ActualSize && drawShrunk(dc, source, to)) return;
    const GraphicsOwner graphics = graphicsOn(dc);
    if (!graphics) return;
    gpflat::GdipDrawImageRectRectI(graphics.get(), source, to.x, to.y, to.dx, to.dy, from.x, from.y, from.dx, from.dy,
                                   gp::UnitPixel, nullptr, nullptr, nullptr);
}

void drawBitmap(HDC dc, Size area, FitMode fit, HBITMAP bitmap) {
    const Size size = bitmapSize(bitmap);
    const auto layout = fitPicture(area, size, fit, PaintPath::Gdi);
    if (!layout) return;
    const MemoryContext source(dc);
    const SelectedObject selection(source.get(), bitmap);
    if (!selection.ok()) return;
    const Rect& to = layout->target;
    SetStretchBltMode(dc, HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    if (fit == FitMode::ActualSize) {
        BitBlt(dc, to.x, to.y, to.dx, to.dy, source.get(), 0, 0, SRCCOPY);
    } else {
        StretchBlt(dc, to.x, to.y, to.dx, to.dy, source.get(), 0, 0, size.dx, size.dy, SRCCOPY);
    }
}

}  // namespace

PageScene pageSceneOf(const PageSettings& page, Text overlay, int dpi) {
    PageScene scene;
    scene.fit = fitModeOf(page.PhotoFlag);
    scene.backgroundLeft = page.FontColorBk;
    scene.backgroundRight = page.FontColorBk2;
    scene.style = overlayStyleOf(page, dpi);
    scene.overlay = std::move(overlay);
    return scene;
}

bool PagePainter::Layer::fit(HDC compatibleWith, Size area) {
    if (!context_) context_.emplace(compatibleWith);
    if (context_->get() == nullptr) {
        context_.reset();
        return false;
    }
    if (bitmap_ && size_ == area) return true;
    selection_.reset();
    bitmap_ = createLayerBitmap(compatibleWith, area);
    size_ = bitmap_ ? area : Size{};
    if (!bitmap_) return false;
    selection_.emplace(context_->get(), bitmap_.get());
    return selection_->ok();
}

void PagePainter::paintPage(HWND window, HDC dc, const PageSettings& page, const PagePicture& picture, const PhotoInfo& info,
                            const OverlayState& state) {
    const PageScene scene = pageSceneOf(page, overlayTextFor(page, info, state), state.dpi);
    if (state.gdiplusActive) {
        DrawPageWithGdiPlus(window, dc, scene, picture);
    } else {
        DrawPageWithGdi(window, dc, scene, picture);
    }
}

void PagePainter::DrawPageWithGdiPlus(HWND window, HDC dc, const PageScene& scene, const PagePicture& picture) {
    const WindowContext target(window, dc);
    paintArea(target.get(), clientSizeOf(window), scene, picture, PaintPath::GdiPlus);
}

void PagePainter::DrawPageWithGdi(HWND window, HDC dc, const PageScene& scene, const PagePicture& picture) {
    const WindowContext target(window, dc);
    paintArea(target.get(), clientSizeOf(window), scene, picture, PaintPath::Gdi);
}

Size PagePainter::virtualScreenSize() { return {GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)}; }

void PagePainter::paintArea(HDC dc, Size area, const PageScene& scene, const PagePicture& picture, PaintPath path) {
    if (dc == nullptr || area.dx <= 0 || area.dy <= 0) return;
    if (!prepareBase(dc, area, scene, picture, path)) return;
    HDC shown = base_.dc();
    if (!scene.overlay.empty()) {
        if (!composeFrame(dc, area, scene, path)) return;
        shown = frame_.dc();
    }
    BitBlt(dc, 0, 0, area.dx, area.dy, shown, 0, 0, SRCCOPY);
}

void PagePainter::prepare(Size area, const PageScene& scene, const PagePicture& picture, PaintPath path) {
    if (area.dx <= 0 || area.dy <= 0) return;
    const MemoryContext screen(nullptr);
    if (screen.get() == nullptr || !prepareBase(screen.get(), area, scene, picture, path)) return;
    if (!scene.overlay.empty()) composeFrame(screen.get(), area, scene, path);
}

bool PagePainter::prepareBase(HDC dc, Size area, const PageScene& scene, const PagePicture& picture, PaintPath path) {
    const BaseKey key{picture.generation(), path, area, scene.fit, scene.backgroundLeft, scene.backgroundRight};
    if (baseKey_ == key) return true;
    const bool samePicture = baseKey_ && baseKey_->picture == key.picture && baseKey_->path == key.path;
    if (!samePicture) reduced_.forget();
    const bool resized = samePicture && baseKey_->area != key.area;
    baseKey_.reset();
    frameText_.reset();
    if (!base_.fit(dc, area)) return false;
    composeBase(key, picture, resized);
    baseKey_ = key;
    return true;
}

void PagePainter::composeBase(const BaseKey& key, const PagePicture& picture, bool resized) {
    FillBackgroundGradient(base_.dc(), key.backgroundLeft, key.backgroundRight, {0, 0, key.area.dx, key.area.dy});
    if (key.path == PaintPath::GdiPlus && picture.image() != nullptr) {
        // A page that is resized once is likely to be resized again: from now on scale from the
        // reduced copy. Pages that are only shown once never pay for making it.
        if (resized) reduced_.make(picture.image(), imageSize(picture.image()));
        drawImage(base_.dc(), key.area, key.fit, picture.image(), reduced_);
    }
    if (key.path == PaintPath::Gdi && picture.bitmap() != nullptr) drawBitmap(base_.dc(), key.area, key.fit, picture.bitmap());
}

bool PagePainter::composeFrame(HDC dc, Size area, const PageScene& scene, PaintPath path) {
    const TextKey key{scene.style, scene.overlay};
    if (frameText_ == key) return true;
    if (!frame_.fit(dc, area)) return false;
    BitBlt(frame_.dc(), 0, 0, area.dx, area.dy, base_.dc(), 0, 0, SRCCOPY);
    if (path == PaintPath::GdiPlus) {
        const GraphicsOwner graphics = graphicsOn(frame_.dc());
        drawOverlayWithGdiPlus(graphics.get(), dc, area, scene.style, scene.overlay);
    } else {
        drawOverlayWithGdi(frame_.dc(), area, scene.style, scene.overlay);
    }
    frameText_ = key;
    return true;
}

}  // namespace quillory
