#pragma once
// The DPI the program's windows are shown at, and the process's promise to draw for it.
#include <windows.h>

namespace quillory {

// Per-monitor awareness (v2) where the system knows it, the whole screen's DPI before that. The
// manifest already asks for both; this covers a system that reads only the older declaration.
void declareDpiAwareness();

// The DPI of the monitor `window` is on, or the screen's where the system has no per-window DPI.
int windowDpi(HWND window);

}  // namespace quillory
