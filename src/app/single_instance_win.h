#pragma once
// One album is shown by one process: a second start finds the first by its window title.
#include "base/text.h"

namespace quillory {

// Brings forward a window whose title contains `title` (restoring it when minimised) and
// answers true; answers false when no such window exists.
bool activateRunningInstance(const Text& title);

}  // namespace quillory
