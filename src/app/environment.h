#pragma once
// The Windows version as one number that features are switched by (500 layered windows,
// 510 larger folder browser, 600 DPI awareness and menu bitmaps, 630 suspend/resume notice).
#include <functional>

namespace quillory {

// `isAtLeast(major, minor)` asks the system whether it is at least that version.
unsigned osVersionCode(const std::function<bool(unsigned major, unsigned minor)>& isAtLeast);

// major × 100 + (minor mod 100), as the common-controls version is compared.
int commonControlsVersionCode(unsigned major, unsigned minor);

}  // namespace quillory
