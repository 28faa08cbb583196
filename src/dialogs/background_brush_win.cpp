#include "dialogs/background_brush_win.h"

#include "dialogs/background_brush.h"

namespace quillory {

void alignBackgroundBrush(HWND dialog, HWND control, HDC dc, Size pattern) {
    RECT window{};
    GetWindowRect(control, &window);
    POINT clientOrigin{0, 0};
    ClientToScreen(control, &clientOrigin);
    // The control's frame thickness, taken as a point of the dialog's client area: the control's
    // client origin then lies at (window left − P.x, window top − P.y) from the dialog's.
    POINT p{window.left - clientOrigin.x, window.top - clientOrigin.y};
    ClientToScreen(dialog, &p);
    const Point origin = backgroundBrushOrigin(Point{window.left - p.x, window.top - p.y}, pattern);
    SetBrushOrgEx(dc, origin.x, origin.y, nullptr);
}

HBRUSH backgroundForControl(const DialogHost& host, HWND frame, HWND control, HDC dc) {
    SetBkMode(dc, TRANSPARENT);
    if (host.background == nullptr) return GetSysColorBrush(COLOR_BTNFACE);
    alignBackgroundBrush(frame, control, dc, host.backgroundSize);
    return host.background;
}

}  // namespace quillory
