#include "dialogs/settings_ranges.h"

namespace quillory {
namespace {

static_assert(kGeneralPanelBits == 0x14703);

constexpr std::uint32_t kDecoderItems =
    ShowDate | DateShort | ShowCamera | ShowExposure | ShowAuthor | ShowGps | GpsShort | ShowDirection | DirectionDetail;

// The item whose box enables a detail box, or 0 for an item that stands alone.
std::uint32_t itemOfDetail(std::uint32_t detail) {
    switch (detail) {
    case DateShort: return ShowDate;
    case GpsShort: return ShowGps;
    case DirectionDetail: return ShowDirection;
    default: return 0;
    }
}

}  // namespace

std::int16_t layerLevelFromSlider(int position) {
    return static_cast<std::int16_t>(kLayerLevelRange.clamp(position));
}

SlideShowEnabling slideShowEnabling(std::uint32_t slideStyle) {
    const bool on = (slideStyle & SlideOn) != 0;
    return {on, on && SlideEffect.get(slideStyle) != 0, (slideStyle & SlideJitter) != 0};
}

bool textItemEnabled(std::uint32_t item, std::uint32_t checkedItems, bool locked, bool gdiplusActive) {
    if (locked) return false;
    if ((item & kDecoderItems) != 0 && !gdiplusActive) return false;
    const std::uint32_t owner = itemOfDetail(item);
    return owner == 0 || (checkedItems & owner) != 0;
}

std::uint32_t withTextItems(std::uint32_t photoFlag, std::uint32_t checkedItems, unsigned corner) {
    std::uint32_t result = withBits(photoFlag, kTextItemBits, checkedItems);
    TextCorner.set(result, corner);
    return result;
}

std::uint32_t fontStyleOf(bool bold, bool italic) { return (bold ? FontBold : 0) | (italic ? FontItalic : 0); }

}  // namespace quillory
