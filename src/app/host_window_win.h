#pragma once
// The hidden HostWindow: owns GDI+ and COM, creates the stand window and marks it as the album's,
// receives the program's keyboard accelerators and ends the process when it closes.
#include <windows.h>

namespace quillory {

struct App;

// The two windows the message loop hands keys to; the HostWindow keeps them current, none once
// it has begun to close or the stand is gone.
struct RunWindows {
    HWND host = nullptr;   // takes the accelerator keys
    HWND stand = nullptr;  // a modeless dialog: takes its dialog keys
};

bool registerHostWindowClass(HINSTANCE instance);
HWND createHostWindow(App& app, RunWindows& windows);

}  // namespace quillory
