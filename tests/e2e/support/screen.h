// What the display shows: single pixels and whole-screen captures kept as artifacts.
#pragma once

#include <windows.h>

#include <filesystem>
#include <optional>

namespace quillory::e2e {

std::optional<COLORREF> screenPixel(POINT screenPoint);
// Writes the whole screen as a 24-bit BMP file.
bool saveScreenshot(const std::filesystem::path& file);

}  // namespace quillory::e2e
