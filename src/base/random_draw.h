#pragma once
// A draw from the random source as a value the modulo rules can use: rand() is never negative,
// but a replaced source might be.
#include <cstdint>

#include "base/platform.h"

namespace quillory {

inline std::uint64_t randomDraw(Random& random) {
    const std::int64_t value = random.next();
    return static_cast<std::uint64_t>(value < 0 ? -value : value);
}

}  // namespace quillory
