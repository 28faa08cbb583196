// What the display shows: single pixels and whole-screen captures kept as artifacts.
#pragma once

#include <windows.h>

#include <filesystem>
#include <optional>

namespace quillory::e2e {

std::optional<COLORREF> screenPixel(POINT screenPoint);
// The colour shown at a point of a window's client area (whatever covers it on screen).
std::optional<COLORREF> clientPixel(HWND window, POINT clientPoint);
// Writes the whole screen as a 24-bit BMP file.
bool saveScreenshot(const std::filesystem::path& file);

}  // namespace quillory::e2e
