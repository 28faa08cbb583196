#pragma once
// The hidden HostWindow: owns GDI+, COM and the power notice, creates the stand window,
// receives the program's keyboard accelerators and ends the process when it closes.
#include <windows.h>

namespace quillory {

struct App;

bool registerHostWindowClass(HINSTANCE instance);
HWND createHostWindow(App& app);

}  // namespace quillory
