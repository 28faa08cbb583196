#pragma once
#include <windows.h>

#include "base/platform.h"

namespace quillory {

// Plays one randomly chosen 95 ms window animation; `flags` is AW_HIDE, AW_ACTIVATE or 0.
void animateRandom(HWND window, DWORD flags, Random& random);

// The dialogs' big icon vanishes and comes back with two independent effects.
void jumpIcon(HWND icon, Random& random);

}  // namespace quillory
