#include "draw/orientation.h"

#include <array>
#include <utility>

namespace quillory {

namespace {

// Orientation 1 to 8: where the stored row 0 and column 0 lie in the upright picture
// (1 top-left, 2 top-right, 3 bottom-right, 4 bottom-left, 5 left-top, 6 right-top,
// 7 right-bottom, 8 left-bottom).
constexpr std::array<UprightTurn, 9> kTurns{{
    {0, false},  // 0: not a value
    {0, false},  // 1: as stored
    {0, true},   // 2: mirrored
    {2, false},  // 3: upside down
    {2, true},   // 4: upside down and mirrored (flipped top to bottom)
    {1, true},   // 5: transposed
    {1, false},  // 6: turned a quarter to the left
    {3, true},   // 7: transposed the other way
    {3, false},  // 8: turned a quarter to the right
}};

}  // namespace

UprightTurn uprightTurn(std::optional<std::uint16_t> orientation) {
    if (!orientation || *orientation >= kTurns.size()) return {};
    return kTurns[*orientation];
}

bool isIdentity(const UprightTurn& turn) { return turn.quarterTurns % 4 == 0 && !turn.mirror; }

Size uprightSize(Size stored, const UprightTurn& turn) {
    if (turn.quarterTurns % 2 == 0) return stored;
    return {stored.dy, stored.dx};
}

}  // namespace quillory
