#include "draw/overlay_painter_win.h"

#include <algorithm>

#include "base/wide_win.h"
#include "base/window_dpi_win.h"
#include "draw/background_win.h"
#include "draw/paint_scope_win.h"

namespace quillory {
namespace {

gp::StringAlignment alignment(bool farSide) { return farSide ? gp::StringAlignmentFar : gp::StringAlignmentNear; }

StringFormatOwner stringFormat(gp::StringAlignment horizontal, gp::StringAlignment vertical) {
    gp::GpStringFormat* format = nullptr;
    if (gpflat::GdipCreateStringFormat(0, LANG_NEUTRAL, &format) != gp::Ok) return {};
    StringFormatOwner owner(format);
    gpflat::GdipSetStringFormatAlign(format, horizontal);
    gpflat::GdipSetStringFormatLineAlign(format, vertical);
    return owner;
}

FontOwner decoderFont(HDC fontContext, const OverlayStyle& style) {
    const LOGFONTW request = fontRequestOf(style);
    gp::GpFont* font = nullptr;
    if (gpflat::GdipCreateFontFromLogfontW(fontContext, &request, &font) != gp::Ok) return {};
    return FontOwner(font);
}

void drawStringAt(gp::GpGraphics* graphics, const Text& text, gp::GpFont* font, gp::PointF at, gp::GpStringFormat* format,
                  gp::GpSolidFill* brush) {
    // A layout box of no size: lines break only where the text breaks them.
    const gp::RectF box(at.X, at.Y, 0.0f, 0.0f);
    gpflat::GdipDrawString(graphics, wide(text), static_cast<INT>(text.size()), font, &box, format, brush);
}

// The outline is the text repeated at every offset up to two pixels away, then the text on top.
template <typename DrawAt>
void forEachOutlineOffset(DrawAt drawAt) {
    for (int dx = -kOutlineReach; dx <= kOutlineReach; ++dx) {
        for (int dy = -kOutlineReach; dy <= kOutlineReach; ++dy) drawAt(dx, dy);
    }
}

// Fully transparent passes are skipped: they could not change a pixel.
void drawOutlinedString(gp::GpGraphics* graphics, HDC fontContext, const OverlayStyle& style, const Text& text, gp::PointF at,
                        gp::StringAlignment horizontal, gp::StringAlignment vertical) {
    if (style.alpha == 0) return;
    const FontOwner font = decoderFont(fontContext, style);
    const SolidBrushOwner textBrush = solidBrush(argbOf(style.alpha, style.textColour));
    const SolidBrushOwner outlineBrush = solidBrush(argbOf(outlineAlphaOf(style.alpha), style.outlineColour));
    const StringFormatOwner format = stringFormat(horizontal, vertical);
    if (!font || !textBrush || !outlineBrush || !format) return;
    if (outlineAlphaOf(style.alpha) != 0) {
        forEachOutlineOffset([&](int dx, int dy) {
            drawStringAt(graphics, text, font.get(), gp::PointF(at.X + static_cast<float>(dx), at.Y + static_cast<float>(dy)),
                         format.get(), outlineBrush.get());
        });
    }
    drawStringAt(graphics, text, font.get(), at, format.get(), textBrush.get());
}

UINT drawTextFlagsOf(Corner corner) {
    switch (corner) {
    case Corner::BottomRight: return DT_NOPREFIX | DT_BOTTOM | DT_RIGHT;
    case Corner::BottomLeft: return DT_NOPREFIX | DT_BOTTOM;
    case Corner::TopRight: return DT_NOPREFIX | DT_RIGHT;
    case Corner::TopLeft: return DT_NOPREFIX;
    }
    return DT_NOPREFIX;
}

int measuredTextHeight(HDC dc, const Text& text, Size area, UINT flags) {
    RECT box = toRECT(textBoxOf(Corner::TopLeft, area, 0));
    DrawTextW(dc, wide(text), static_cast<int>(text.size()), &box, flags | DT_CALCRECT);
    return box.bottom - box.top;
}

// The overlay's font selected on a transparent background for one drawing; the context's own
// font and modes come back with the scope's end.
class GdiTextScope {
public:
    GdiTextScope(HDC dc, const OverlayStyle& style) : font_(fontOf(style)), saved_(dc), selection_(dc, font_.get()) {
        SetBkMode(dc, TRANSPARENT);
    }

private:
    static UniqueFont fontOf(const OverlayStyle& style) {
        const LOGFONTW request = fontRequestOf(style);
        return UniqueFont(CreateFontIndirectW(&request));
    }

    UniqueFont font_;
    SavedContext saved_;
    SelectedObject selection_;
};

template <typename DrawAt>
void drawOutlinedWithGdi(HDC dc, const OverlayStyle& style, DrawAt drawAt) {
    SetTextColor(dc, style.outlineColour);
    forEachOutlineOffset(drawAt);
    SetTextColor(dc, style.textColour);
    drawAt(0, 0);
}

void drawCentredWithGdi(HDC dc, Size area, const OverlayStyle& style, const Text& text) {
    const GdiTextScope scope(dc, style);
    SetTextAlign(dc, TA_BASELINE | TA_CENTER);
    const Point centre{area.dx / 2, area.dy / 2 + style.fontHeight / 2};
    const int length = static_cast<int>(text.size());
    drawOutlinedWithGdi(dc, style, [&](int dx, int dy) { TextOutW(dc, centre.x + dx, centre.y + dy, wide(text), length); });
}

}  // namespace

LOGFONTW fontRequestOf(const OverlayStyle& style) {
    LOGFONTW request{};
    request.lfHeight = style.fontHeight;
    request.lfWeight = style.bold ? FW_BOLD : FW_NORMAL;
    request.lfItalic = style.italic ? 1 : 0;
    request.lfUnderline = style.underline ? 1 : 0;
    request.lfCharSet = DEFAULT_CHARSET;
    request.lfQuality = PROOF_QUALITY;
    const std::size_t length = std::min(style.fontFace.size(), std::size(request.lfFaceName) - 1);
    std::copy_n(style.fontFace.data(), length, reinterpret_cast<char16_t*>(request.lfFaceName));
    return request;
}

void drawOverlayWithGdiPlus(gp::GpGraphics* graphics, HDC fontContext, Size area, const OverlayStyle& style, const Text& text) {
    if (graphics == nullptr || text.empty()) return;
    const TextAnchor anchor = textAnchorOf(style.corner, area);
    drawOutlinedString(graphics, fontContext, style, text,
                       gp::PointF(static_cast<float>(anchor.at.x), static_cast<float>(anchor.at.y)),
                       alignment(anchor.alignRight), alignment(anchor.alignBottom));
}

void drawOverlayWithGdi(HDC dc, Size area, const OverlayStyle& style, const Text& text) {
    if (text.empty()) return;
    const GdiTextScope scope(dc, style);
    const UINT flags = drawTextFlagsOf(style.corner);
    const Rect box = textBoxOf(style.corner, area, isBottomCorner(style.corner) ? measuredTextHeight(dc, text, area, flags) : 0);
    const int length = static_cast<int>(text.size());
    drawOutlinedWithGdi(dc, style, [&](int dx, int dy) {
        RECT grown = toRECT(box);
        InflateRect(&grown, dx, dy);
        DrawTextW(dc, wide(text), length, &grown, flags);
    });
}

void DrawSampleText(HWND window, HDC dc, const Text* text, const PageSettings& page, bool gdiplusActive) {
    const WindowContext target(window, dc);
    const Size area = clientSizeOf(window);
    if (target.get() == nullptr || area.dx <= 0 || area.dy <= 0) return;
    const MemoryContext memory(target.get());
    const UniqueBitmap bitmap(CreateCompatibleBitmap(target.get(), area.dx, area.dy));
    const SelectedObject selection(memory.get(), bitmap.get());
    if (!selection.ok()) return;
    FillBackgroundGradient(memory.get(), page.FontColorBk, page.FontColorBk2, {0, 0, area.dx, area.dy});
    if (text != nullptr && !text->empty()) {
        const OverlayStyle style = overlayStyleOf(page, windowDpi(window));
        if (gdiplusActive) {
            const GraphicsOwner graphics = graphicsOn(memory.get());
            if (graphics) {
                drawOutlinedString(graphics.get(), target.get(), style, *text,
                                   gp::PointF(static_cast<float>(area.dx) * 0.5f, static_cast<float>(area.dy) * 0.5f),
                                   gp::StringAlignmentCenter, gp::StringAlignmentCenter);
            }
        } else {
            drawCentredWithGdi(memory.get(), area, style, *text);
        }
    }
    BitBlt(target.get(), 0, 0, area.dx, area.dy, memory.get(), 0, 0, SRCCOPY);
}

}  // namespace quillory
