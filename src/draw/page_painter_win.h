#pragma once
// Painting the PageView's picture area: background, fitted picture and overlay text, copied to
// the window in one step. The painter keeps the last composition so that a repaint of an
// unchanged page is one copy, and rescales the picture only when the picture, the area, the fit
// or the background changed.
#include <windows.h>

#include <cstdint>
#include <optional>

#include "album/album.h"
#include "base/gdi_handles_win.h"
#include "base/geometry.h"
#include "base/text.h"
#include "draw/fit_geometry.h"
#include "draw/gdiplus_win.h"
#include "draw/overlay_style.h"
#include "draw/overlay_text.h"
#include "draw/page_picture_win.h"
#include "draw/paint_scope_win.h"
#include "draw/reduced_picture_win.h"

namespace quillory {

// What one paint shows, apart from the picture.
struct PageScene {
    FitMode fit = FitMode::ShorterSide;
    std::uint32_t backgroundLeft = 0;   // FontColorBk
    std::uint32_t backgroundRight = 0;  // FontColorBk2
    OverlayStyle style;
    Text overlay;  // empty: no text
};

PageScene pageSceneOf(const PageSettings& page, Text overlay, int dpi);

// Keeps a reduced copy of the last decoded picture: destroy the painter before the decoder is
// shut down.
class PagePainter {
public:
    // Large pictures are rescaled from a copy covering `screen` once the page has been resized.
    explicit PagePainter(Size screen = virtualScreenSize()) : reduced_(screen) {}

    static Size virtualScreenSize();

    // The PageView's one call: the Page's fit, background and look, the text its switches
    // choose (built from `info`), and the picture; the decoder path when `state.gdiplusActive`,
    // the bitmap path otherwise. `dc` may be null: the window's own context is used.
    void paintPage(HWND window, HDC dc, const PageSettings& page, const PagePicture& picture, const PhotoInfo& info,
                   const OverlayState& state);

    void DrawPageWithGdiPlus(HWND window, HDC dc, const PageScene& scene, const PagePicture& picture);
    void DrawPageWithGdi(HWND window, HDC dc, const PageScene& scene, const PagePicture& picture);

    // The same into any context whose drawable area is `area` (a window, a memory bitmap).
    void paintArea(HDC dc, Size area, const PageScene& scene, const PagePicture& picture, PaintPath path);

    // Composes what the first paint of `scene` in `area` shows before it comes, so the paint is
    // one copy: the fitted picture on the background and the text over it. Any thread may do it
    // while no other uses the painter; a picture the decoder has not yet decoded is decoded by it.
    void prepare(Size area, const PageScene& scene, const PagePicture& picture, PaintPath path);

private:
    // One off-screen 32-bit bitmap with its own memory context.
    class Layer {
    public:
        bool fit(HDC compatibleWith, Size area);
        HDC dc() const { return context_ ? context_->get() : nullptr; }

    private:
        std::optional<MemoryContext> context_;
        UniqueBitmap bitmap_;
        std::optional<SelectedObject> selection_;
        Size size_;
    };

    struct BaseKey {
        std::uint64_t picture = 0;  // its generation
        PaintPath path = PaintPath::GdiPlus;
        Size area;
        FitMode fit = FitMode::ShorterSide;
        std::uint32_t backgroundLeft = 0;
        std::uint32_t backgroundRight = 0;
        bool operator==(const BaseKey&) const = default;
    };

    struct TextKey {
        OverlayStyle style;
        Text overlay;
        bool operator==(const TextKey&) const = default;
    };

    // The base layer for this area, scene and picture, composed unless it already is.
    bool prepareBase(HDC dc, Size area, const PageScene& scene, const PagePicture& picture, PaintPath path);
    void composeBase(const BaseKey& key, const PagePicture& picture, bool resized);
    bool composeFrame(HDC dc, Size area, const PageScene& scene, PaintPath path);

    Layer base_;   // background and fitted picture
    Layer frame_;  // the base with the text on top
    std::optional<BaseKey> baseKey_;
    std::optional<TextKey> frameText_;
    ReducedPicture reduced_;
};

}  // namespace quillory
