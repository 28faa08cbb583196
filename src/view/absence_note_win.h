#pragma once
// The note a Page without a picture shows in the middle of its view (picture_absence.h says
// which): a line of text on a plate of the text's opposite brightness, readable on any background.
#include <windows.h>

#include "base/text.h"

namespace quillory {

// Draws `note` centred in the window's client area on `dc`, in the window's dialog font.
void drawAbsenceNote(HWND window, HDC dc, const Text& note);

}  // namespace quillory
