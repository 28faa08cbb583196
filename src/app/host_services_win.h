#pragma once
// The process-wide services the HostWindow holds for the whole run: GDI+ (unless the user asks
// for plain GDI at start) and COM. Each stops when its owner goes, in reverse order of starting,
// whichever way the start-up ends.
#include <windows.h>

#include "base/com_session_win.h"
#include "draw/gdiplus_win.h"

namespace quillory {

// Reads a key's asynchronous state the way GetAsyncKeyState does; tests hand in their own.
using KeyStateReader = SHORT(WINAPI*)(int virtualKey);

// Holding left Shift (its key is down now) and left Control (down now or pressed since the last
// query) while the program starts runs it on plain GDI.
bool plainGdiRequested(KeyStateReader keyState);

class HostServices {
public:
    explicit HostServices(KeyStateReader keyState = GetAsyncKeyState);
    ~HostServices();
    HostServices(const HostServices&) = delete;
    HostServices& operator=(const HostServices&) = delete;

    // The gdiplusActive switch of the whole run.
    bool gdiplusActive() const { return gdiplus_.started(); }
    bool comStarted() const { return com_.started(); }

private:
    GdiplusSession gdiplus_;  // started first, stopped last
    ComSession com_;
};

}  // namespace quillory
