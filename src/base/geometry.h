#pragma once
// Plain geometry values; converted to RECT and POINT only at the Win32 border.

namespace quillory {

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

struct Size {
    int dx = 0;
    int dy = 0;
    bool operator==(const Size&) const = default;
};

struct Rect {
    int x = 0;
    int y = 0;
    int dx = 0;
    int dy = 0;

    int right() const { return x + dx; }
    int bottom() const { return y + dy; }
    bool isEmpty() const { return dx <= 0 || dy <= 0; }
    bool operator==(const Rect&) const = default;

    static Rect fromEdges(int left, int top, int right, int bottom) { return {left, top, right - left, bottom - top}; }
};

}  // namespace quillory
