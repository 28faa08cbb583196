#include "stand/stand_layout.h"

#include <algorithm>

#include "album/album.h"

namespace quillory {

namespace {

constexpr int kTabMargin = 2;
constexpr int kPageViewGap = 2;
constexpr int kSmallestStatusFont = 12;
constexpr unsigned kLargestStatusFontIndex = 3;  // 特大; larger stored indexes are read as it

}  // namespace

int statusBarHeight(std::optional<int> firstPartHeight, std::optional<int> verticalBorder) {
    if (!firstPartHeight || !verticalBorder) return 0;
    return *firstPartHeight + *verticalBorder;
}

Rect tabControlRect(Size client, int statusBarHeight, int dpi) {
    const int margin = scaleForDpi(kTabMargin, dpi);
    return {margin, margin, std::max(0, client.dx - 2 * margin), std::max(0, client.dy - statusBarHeight - 2 * margin)};
}

Rect pageViewRect(const Rect& displayArea, TabPlacement placement, int dpi) {
    const int gap = scaleForDpi(kPageViewGap, dpi);
    Rect view = displayArea;
    if (placement == TabPlacement::Bottom) view.dy -= gap;
    if (placement == TabPlacement::Top) {
        view.y += gap;
        view.dy -= gap;
    }
    view.dy = std::max(0, view.dy);
    return view;
}

int statusFontHeight(std::uint32_t tabStyle, int dpi) {
    return scaleForDpi(kSmallestStatusFont + static_cast<int>(std::min(TabStatusFontSize.get(tabStyle), kLargestStatusFontIndex)), dpi);
}

}  // namespace quillory
