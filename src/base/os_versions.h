#pragma once
// The Windows versions from which features are switched on, as osVersionCode numbers them
// (major × 100 + minor).

namespace quillory {

constexpr int kWindows2000 = 500;   // layered (translucent) windows
constexpr int kWindowsXP = 510;     // the larger folder browser
constexpr int kWindowsVista = 600;  // DPI awareness, menu bitmaps, glass frames
constexpr int kWindows81 = 630;     // the suspend and resume notice

}  // namespace quillory
