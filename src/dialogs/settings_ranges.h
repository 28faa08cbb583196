#pragma once
// The ranges the settings dialogs offer and their rules for which controls are usable.
#include <algorithm>
#include <cstdint>

#include "album/album.h"

namespace quillory {

struct IntRange {
    int low = 0;
    int high = 0;

    constexpr int clamp(int value) const { return std::clamp(value, low, high); }
};

inline constexpr IntRange kFontSizeRange{10, 125};       // FontSize (text page)
inline constexpr IntRange kFontAlphaRange{0, 255};       // FontAlpha (colour page)
inline constexpr IntRange kTabFontSizeRange{10, 64};     // TabFontSize
inline constexpr IntRange kSlideIntervalRange{10, 600};  // SlideInterval, seconds
inline constexpr IntRange kLayerLevelRange{35, 255};     // LayerWindowLevel

// LayerWindowLevel from the opacity slider: never below 35, so the window cannot vanish. When
// the result differs from the position, the slider is put on it.
std::int16_t layerLevelFromSlider(int position);

// The slide-show page: the group is usable only while the slide show is on, the effect time only
// when there is an effect, and "だいたい" stands before the interval while it varies.
struct SlideShowEnabling {
    bool group = false;
    bool effectTime = false;
    bool aboutVisible = false;
};
SlideShowEnabling slideShowEnabling(std::uint32_t slideStyle);

// The text page's item boxes, as PhotoFlag bits; the three detail boxes follow their item.
inline constexpr std::uint32_t kTextItemBits = ShowLabel | ShowComment | ShowFileName | ShowDate | DateShort | ShowCamera |
                                               ShowExposure | ShowAuthor | ShowGps | GpsShort | ShowDirection | DirectionDetail;

// Whether the box of `item` can be used, with `checkedItems` the boxes checked now. Items read
// from the picture's properties need the decoder; a locked Page changes nothing.
bool textItemEnabled(std::uint32_t item, std::uint32_t checkedItems, bool locked, bool gdiplusActive);
// PhotoFlag with its item bits and corner replaced; the fit mode and the colour page's memory stay.
std::uint32_t withTextItems(std::uint32_t photoFlag, std::uint32_t checkedItems, unsigned corner);
// Only bold and italic are offered; an underline from elsewhere is dropped.
std::uint32_t fontStyleOf(bool bold, bool italic);

// The TabStyle bits the general and other pages store from their boxes when they close.
inline constexpr std::uint32_t kGeneralPanelBits =
    TabBottom | TabMultiLine | TabAnimate | TabNoTaskbar | TabTopmost | TabTranslucent | TabStatusBar;
inline constexpr std::uint32_t kOtherPanelBits = TabDropNewPage | TabSortByDate;

// `bits` with the bits of `mask` taken from `from`.
constexpr std::uint32_t withBits(std::uint32_t bits, std::uint32_t mask, std::uint32_t from) {
    return (bits & ~mask) | (from & mask);
}

}  // namespace quillory
