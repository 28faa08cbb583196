#pragma once
// The crossing between the core's Rect and Point and Win32's RECT and window rectangles.
#include <windows.h>

#include "base/geometry.h"

namespace quillory {

inline Rect fromRECT(const RECT& r) { return Rect::fromEdges(r.left, r.top, r.right, r.bottom); }

inline Rect windowRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return fromRECT(r);
}

// A child's window rectangle in its parent's client coordinates.
inline Rect childRect(HWND parent, HWND child) {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return fromRECT(r);
}

// The full rectangle of the monitor nearest to `area`; the primary screen when none can be had.
inline Rect monitorAround(const Rect& area) {
    const RECT edges{area.x, area.y, area.right(), area.bottom()};
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    HMONITOR monitor = MonitorFromRect(&edges, MONITOR_DEFAULTTONEAREST);
    if (monitor != nullptr && GetMonitorInfoW(monitor, &info)) return fromRECT(info.rcMonitor);
    return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

inline void moveWindow(HWND window, const Rect& r, bool repaint) { MoveWindow(window, r.x, r.y, r.dx, r.dy, repaint); }

}  // namespace quillory
