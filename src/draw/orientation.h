#pragma once
// Turning a picture upright by its EXIF Orientation (tag 0x0112, read by readOrientation):
// phones and cameras store portraits sideways and record where row 0 and column 0 belong.
#include <cstdint>
#include <optional>

#include "base/geometry.h"

namespace quillory {

// What to do to the stored pixels: turn clockwise by quarter turns, then mirror left to right.
// This is also the order the decoder's RotateFlipType applies them in.
struct UprightTurn {
    int quarterTurns = 0;  // 0 to 3, clockwise
    bool mirror = false;
    bool operator==(const UprightTurn&) const = default;
};

// The turn for an Orientation value. Values 1, absent and out of range (0, 9 and up) leave the
// picture as stored.
UprightTurn uprightTurn(std::optional<std::uint16_t> orientation);

bool isIdentity(const UprightTurn& turn);

// The size of the picture once turned: sides swap for odd quarter turns.
Size uprightSize(Size stored, const UprightTurn& turn);

}  // namespace quillory
