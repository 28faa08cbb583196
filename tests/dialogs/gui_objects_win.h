#pragma once
// How many GDI and USER objects this process holds, for tests that repeat something and expect
// the count to stay flat. Wine answers GetGuiResources with 0, so there the handles are counted
// one by one: GDI handles by their table index, USER handles as the windows of this process.
#include <windows.h>

namespace quillory::testing {

struct GuiObjects {
    DWORD gdi = 0;
    DWORD user = 0;
};

inline BOOL CALLBACK countWindow(HWND window, LPARAM count) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == GetCurrentProcessId()) ++*reinterpret_cast<DWORD*>(count);
    EnumChildWindows(window, countWindow, count);
    return TRUE;
}

inline GuiObjects guiObjectsInUse() {
    GuiObjects objects{GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS),
                       GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS)};
    if (objects.gdi != 0) return objects;
    for (ULONG_PTR index = 1; index <= 0xFFFF; ++index) {
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0) ++objects.gdi;
    }
    EnumWindows(countWindow, reinterpret_cast<LPARAM>(&objects.user));
    return objects;
}

}  // namespace quillory::testing
