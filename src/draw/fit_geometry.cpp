#include "draw/fit_geometry.h"

#include <algorithm>
#include <cmath>

#include "album/album.h"

namespace quillory {
namespace {

// Fit modes 0 and 3 keep 3 pixels free on every side.
constexpr int kInnerMargin = 6;

// Sides are single-precision a·b/c plus one half, truncated: the exact pixel sizes the program
// has always drawn. Results no GDI coordinate could hold count as "no size".
std::optional<int> scaledSide(int a, int b, int c) {
    const float side = static_cast<float>(a) * static_cast<float>(b) / static_cast<float>(c) + 0.5f;
    if (!(side >= 0.0f && side < 1.0e9f)) return std::nullopt;
    return static_cast<int>(side);
}

float ratio(int width, int height) { return static_cast<float>(width) / static_cast<float>(height); }

std::optional<Size> fitInside(Size area, Size picture, PaintPath path) {
    const Size inner{area.dx - kInnerMargin, area.dy - kInnerMargin};
    if (inner.dx <= 0 || inner.dy <= 0) return std::nullopt;
    // The GDI+ painter compares the inner ratio, the GDI painter the whole area's.
    const Size compared = path == PaintPath::GdiPlus ? inner : area;
    if (ratio(compared.dx, compared.dy) < ratio(picture.dx, picture.dy)) {
        const auto height = scaledSide(picture.dy, inner.dx, picture.dx);
        if (!height) return std::nullopt;
        return Size{inner.dx, *height};
    }
    const auto width = scaledSide(inner.dy, picture.dx, picture.dy);
    if (!width) return std::nullopt;
    return Size{*width, inner.dy};
}

std::optional<Size> cover(Size area, Size picture) {
    if (ratio(picture.dx, picture.dy) >= ratio(area.dx, area.dy)) {
        const auto width = scaledSide(area.dy, picture.dx, picture.dy);
        if (!width) return std::nullopt;
        return Size{*width, area.dy};
    }
    const auto height = scaledSide(area.dx, picture.dy, picture.dx);
    if (!height) return std::nullopt;
    return Size{area.dx, *height};
}

std::optional<PictureLayout> centred(Size area, Size picture, std::optional<Size> drawn) {
    if (!drawn || drawn->dx <= 0 || drawn->dy <= 0) return std::nullopt;
    const Rect target{(area.dx - drawn->dx) / 2, (area.dy - drawn->dy) / 2, drawn->dx, drawn->dy};
    return PictureLayout{target, Rect{0, 0, picture.dx, picture.dy}};
}

std::optional<PictureLayout> actualSize(Size area, Size picture, PaintPath path) {
    const Rect whole{0, 0, picture.dx, picture.dy};
    if (path == PaintPath::Gdi) {
        return PictureLayout{Rect{(area.dx - picture.dx) / 2, (area.dy - picture.dy) / 2, picture.dx, picture.dy}, whole};
    }
    // The picture keeps its pixels and is cut at the inner area, centre on centre.
    const Size inner{area.dx - kInnerMargin, area.dy - kInnerMargin};
    if (inner.dx <= 0 || inner.dy <= 0) return std::nullopt;
    const Rect source{picture.dx / 2 - inner.dx / 2, picture.dy / 2 - inner.dy / 2, inner.dx, inner.dy};
    // A picture smaller than the area would be read beyond its edges, which decoders fill in
    // differently (clamped edge pixels or nothing); read only the picture and move the target
    // by the same amount, which shows the same pixels in the same places.
    const int left = std::max(source.x, 0);
    const int top = std::max(source.y, 0);
    const int right = std::min(source.right(), picture.dx);
    const int bottom = std::min(source.bottom(), picture.dy);
    const Rect target{kInnerMargin / 2 + left - source.x, kInnerMargin / 2 + top - source.y, right - left, bottom - top};
    return PictureLayout{target, Rect::fromEdges(left, top, right, bottom)};
}

}  // namespace

FitMode fitModeOf(std::uint32_t photoFlag) {
    const unsigned mode = FitModeBits.get(photoFlag);
    return mode <= 3 ? static_cast<FitMode>(mode) : FitMode::ShorterSide;
}

std::optional<PictureLayout> fitPicture(Size area, Size picture, FitMode mode, PaintPath path) {
    if (area.dx <= 0 || area.dy <= 0 || picture.dx <= 0 || picture.dy <= 0) return std::nullopt;
    switch (mode) {
    case FitMode::ShorterSide: return centred(area, picture, fitInside(area, picture, path));
    case FitMode::LongerSide: return centred(area, picture, cover(area, picture));
    case FitMode::BothSides: return centred(area, picture, area);
    case FitMode::ActualSize: return actualSize(area, picture, path);
    }
    return std::nullopt;
}

std::optional<Size> reducedCopySize(Size picture, Size limit) {
    if (picture.dx <= 0 || picture.dy <= 0 || limit.dx <= 0 || limit.dy <= 0) return std::nullopt;
    // Covering the limit keeps every fitted size that fits on the screen inside the copy: fit
    // inside and stretch stay within the area, and cover scales by at most this factor.
    const double scale = std::max(static_cast<double>(limit.dx) / picture.dx, static_cast<double>(limit.dy) / picture.dy);
    if (scale > 0.5) return std::nullopt;
    return Size{static_cast<int>(std::ceil(picture.dx * scale)), static_cast<int>(std::ceil(picture.dy * scale))};
}

}  // namespace quillory
