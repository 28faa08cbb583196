#include "app/environment.h"

#include "base/os_versions.h"

namespace quillory {

unsigned osVersionCode(const std::function<bool(unsigned major, unsigned minor)>& isAtLeast) {
    struct Row {
        unsigned major, minor, code;
    };
    static constexpr Row kRows[] = {{10, 0, 1000}, {6, 3, kWindows81}, {6, 2, 620}, {6, 1, 610}, {6, 0, kWindowsVista}, {5, 1, kWindowsXP}};
    for (const Row& row : kRows) {
        if (isAtLeast(row.major, row.minor)) return row.code;
    }
    return kWindows2000;
}

int commonControlsVersionCode(unsigned major, unsigned minor) {
    return static_cast<int>(static_cast<short>(major * 100 + minor % 100));
}

}  // namespace quillory
