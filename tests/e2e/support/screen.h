// What the display shows: single pixels and whole-screen captures kept as artifacts.
#pragma once

#include <windows.h>

#include <cstddef>
#include <filesystem>
#include <optional>
#include <vector>

namespace quillory::e2e {

std::optional<COLORREF> screenPixel(POINT screenPoint);
// The colour shown at a point of a window's client area (whatever covers it on screen).
std::optional<COLORREF> clientPixel(HWND window, POINT clientPoint);
// The pixels of a rectangle of the screen, row by row from the top.
struct ScreenArea {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels;
    COLORREF at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
    bool operator==(const ScreenArea&) const = default;
};
// Whether a shown colour is the expected one, allowing for a JPEG's and the display's rounding.
bool looksLike(COLORREF shown, COLORREF expected);

std::optional<ScreenArea> captureScreen(const RECT& area);
// The window's client area in screen coordinates.
RECT clientRectOnScreen(HWND window);

// Writes the whole screen as a 24-bit BMP file.
bool saveScreenshot(const std::filesystem::path& file);

}  // namespace quillory::e2e
