#pragma once
// The Windows version as one number that features are switched by (base/os_versions.h names
// the versions that switch them).
#include <functional>

namespace quillory {

// `isAtLeast(major, minor)` asks the system whether it is at least that version.
unsigned osVersionCode(const std::function<bool(unsigned major, unsigned minor)>& isAtLeast);

// major × 100 + (minor mod 100), as the common-controls version is compared.
int commonControlsVersionCode(unsigned major, unsigned minor);

}  // namespace quillory
