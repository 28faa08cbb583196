#pragma once
// Where the picture lands in the picture area for each fit mode. Both painters share this
// maths; they differ only where the program has always differed (the ratio test of mode 0 and
// the handling of actual size), so the painter is part of the question.
#include <cstdint>
#include <optional>

#include "base/geometry.h"

namespace quillory {

// How a Page fits its picture into the area, as PhotoFlag stores it in FitModeBits. Only 0 to 3
// are meaningful; anything else (a hand-edited album) is treated as ShorterSide.
enum class FitMode { ShorterSide = 0, LongerSide = 1, BothSides = 2, ActualSize = 3 };

FitMode fitModeOf(std::uint32_t photoFlag);

enum class PaintPath { GdiPlus, Gdi };

// The picture's rectangle in the area (`target`) and the part of the picture drawn into it
// (`source`). For actual size on the GDI path the target equals the picture size and the source
// is the whole picture (an unscaled copy cut only by the area's clip).
struct PictureLayout {
    Rect target;
    Rect source;
    bool operator==(const PictureLayout&) const = default;
};

// No layout when the area or the picture is empty or the fitted picture would have no size;
// the painters then show the background and the text only.
std::optional<PictureLayout> fitPicture(Size area, Size picture, FitMode mode, PaintPath path);

// A large picture is rescaled for new areas from a reduced copy that still covers `limit` (the
// screen): the size of that copy, or nothing when the picture is not at least twice that size.
std::optional<Size> reducedCopySize(Size picture, Size limit);

}  // namespace quillory
