#pragma once
// The picture area's background: a horizontal blend from the left colour to the right colour.
#include <windows.h>

#include <cstdint>

#include "base/geometry.h"

namespace quillory {

// Colours are 0x00BBGGRR; equal colours give a plain fill.
void FillBackgroundGradient(HDC dc, std::uint32_t leftColour, std::uint32_t rightColour, const Rect& area);

}  // namespace quillory
