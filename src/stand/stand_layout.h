#pragma once
// Where the PhotoStandWindow's children go: the tab control inside a 2-pixel margin above the
// status bar, the PageView over the tab control's display area, and the status bar's parts and
// font. Pure geometry, so it is tested without a screen.
#include <cstdint>
#include <optional>

#include "base/geometry.h"

namespace quillory {

constexpr Size kMinimumStandSize{310, 250};
constexpr int kStatusFirstPartRight = 380;  // the location text; the second part takes the rest

// The status bar's height in the layout: its first part's height plus its vertical border, or 0
// when there is no status bar or either could not be read.
int statusBarHeight(std::optional<int> firstPartHeight, std::optional<int> verticalBorder);

// The tab control in the window's client area, 2 pixels off every edge and above the status bar.
Rect tabControlRect(Size client, int statusBarHeight);

enum class TabPlacement { Top, Bottom, Vertical };
// The PageView inside the tab control's display area, 2 pixels further from a horizontal tab row.
Rect pageViewRect(const Rect& displayArea, TabPlacement placement);

// Cell height of the status bar font: 12, 13, 14 or 15 pixels for 小, 中, 大 and 特大.
int statusFontHeight(std::uint32_t tabStyle);

}  // namespace quillory
