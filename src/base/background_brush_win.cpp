#include "base/background_brush_win.h"

#include "base/background_brush.h"
#include "resource.h"

namespace quillory {

namespace {

Size bitmapSize(HBITMAP bitmap) {
    BITMAP description{};
    if (bitmap == nullptr || GetObjectW(bitmap, sizeof(description), &description) == 0) return {};
    return {description.bmWidth, description.bmHeight};
}

}  // namespace

DialogBackground::~DialogBackground() {
    if (classWindow_ != nullptr && IsWindow(classWindow_)) {
        SetClassLongPtrW(classWindow_, GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(classBrush_));
    }
}

void DialogBackground::install(HINSTANCE instance, HWND dialog) {
    UniqueBitmap bitmap(static_cast<HBITMAP>(LoadImageW(instance, MAKEINTRESOURCEW(IDB_BACKGROUND), IMAGE_BITMAP, 0, 0, 0)));
    UniqueBrush brush(bitmap ? CreatePatternBrush(bitmap.get()) : nullptr);
    if (!brush) return;
    const auto previous = SetClassLongPtrW(dialog, GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(brush.get()));
    if (classWindow_ == nullptr) {
        classWindow_ = dialog;
        classBrush_ = reinterpret_cast<HBRUSH>(previous);
    }
    patternSize_ = bitmapSize(bitmap.get());
    brush_ = std::move(brush);  // deletes only our previous brush, now that the class holds the new one
    bitmap_ = std::move(bitmap);
}

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

HBRUSH backgroundForControl(HBRUSH background, Size pattern, HWND frame, HWND control, HDC dc) {
    SetBkMode(dc, TRANSPARENT);
    if (background == nullptr) return GetSysColorBrush(COLOR_BTNFACE);
    alignBackgroundBrush(frame, control, dc, pattern);
    return background;
}

}  // namespace quillory
