#pragma once
// Where the PhotoStandWindow's children go: the tab control inside a 2-pixel margin above the
// status bar, the PageView over the tab control's display area, and the status bar's parts and
// font. Pure geometry, so it is tested without a screen. Lengths are given for 96 DPI and grow
// with the window's DPI.
#include <cstdint>
#include <optional>

#include "base/dpi.h"
#include "base/geometry.h"

namespace quillory {

constexpr Size kMinimumStandSize{310, 250};
constexpr int kStatusFirstPartRight = 380;  // the location text; the second part takes the rest

// The smallest outer size a person can give the window.
constexpr Size minimumStandSize(int dpi) { return scaleForDpi(kMinimumStandSize, dpi); }
constexpr int statusFirstPartRight(int dpi) { return scaleForDpi(kStatusFirstPartRight, dpi); }

// The status bar's height in the layout: its first part's height plus its vertical border, or 0
// when there is no status bar or either could not be read.
int statusBarHeight(std::optional<int> firstPartHeight, std::optional<int> verticalBorder);

// The tab control in the window's client area, 2 pixels off every edge and above the status bar.
Rect tabControlRect(Size client, int statusBarHeight, int dpi);

enum class TabPlacement { Top, Bottom, Vertical };
// The PageView inside the tab control's display area, 2 pixels further from a horizontal tab row.
Rect pageViewRect(const Rect& displayArea, TabPlacement placement, int dpi);

// Cell height of the status bar font: 12, 13, 14 or 15 pixels for 小, 中, 大 and 特大 at 96 DPI.
int statusFontHeight(std::uint32_t tabStyle, int dpi);

}  // namespace quillory
