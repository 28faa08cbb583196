#pragma once
// Lengths of the stand are written for a 96-DPI screen; on a denser screen each grows by the
// screen's DPI over 96, so that text and what surrounds it keep their proportions.
#include "base/geometry.h"

namespace quillory {

inline constexpr int kDefaultDpi = 96;

// `value` pixels at 96 DPI as pixels at `dpi`, rounded to the nearest pixel (halves away from
// zero, so a negative length scales as its positive twin). A DPI that could not be read (0 or
// less) counts as 96.
constexpr int scaleForDpi(int value, int dpi) {
    if (dpi <= 0) dpi = kDefaultDpi;
    const long long scaled = static_cast<long long>(value) * dpi;
    const long long half = kDefaultDpi / 2;
    return static_cast<int>(scaled >= 0 ? (scaled + half) / kDefaultDpi : -((-scaled + half) / kDefaultDpi));
}

constexpr Size scaleForDpi(Size size, int dpi) { return {scaleForDpi(size.dx, dpi), scaleForDpi(size.dy, dpi)}; }

}  // namespace quillory
