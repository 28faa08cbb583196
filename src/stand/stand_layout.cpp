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

Rect tabControlRect(Size client, int statusBarHeight) {
    return {kTabMargin, kTabMargin, std::max(0, client.dx - 2 * kTabMargin),
            std::max(0, client.dy - statusBarHeight - 2 * kTabMargin)};
}

Rect pageViewRect(const Rect& displayArea, TabPlacement placement) {
    Rect view = displayArea;
    if (placement == TabPlacement::Bottom) view.dy -= kPageViewGap;
    if (placement == TabPlacement::Top) {
        view.y += kPageViewGap;
        view.dy -= kPageViewGap;
    }
    view.dy = std::max(0, view.dy);
    return view;
}

int statusFontHeight(std::uint32_t tabStyle) {
    return kSmallestStatusFont + static_cast<int>(std::min(TabStatusFontSize.get(tabStyle), kLargestStatusFontIndex));
}

}  // namespace quillory
