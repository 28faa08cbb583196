#include "dialogs/colour_model.h"

#include <algorithm>
#include <cmath>

#include "base/format.h"

namespace quillory {
namespace {

std::uint16_t rounded(double value, double scale) { return static_cast<std::uint16_t>(std::trunc(value * scale + 0.5)); }

using SlotValue = std::uint16_t ColourSlot::*;
constexpr std::array<SlotValue, kColourBarCount> kRgbBars{&ColourSlot::R, &ColourSlot::G, &ColourSlot::B};
constexpr std::array<SlotValue, kColourBarCount> kHsbBars{&ColourSlot::H, &ColourSlot::S, &ColourSlot::V};

bool isBar(int bar) { return bar >= 0 && bar < kColourBarCount; }

SlotValue barValue(ColourMode mode, int bar) {
    return (mode == ColourMode::Rgb ? kRgbBars : kHsbBars)[static_cast<std::size_t>(bar)];
}

// Slot i edits this colour of the Page.
constexpr std::array<std::uint32_t PageSettings::*, kColourSlotCount> kSlotColours{
    &PageSettings::FontColor, &PageSettings::FontColor2, &PageSettings::FontColorBk, &PageSettings::FontColorBk2};

// After an edit in `mode`, the other representation follows.
void follow(ColourSlot& slot, ColourMode mode) {
    if (mode == ColourMode::Rgb) {
        rgbToHsb(slot);
    } else {
        hsbToRgb(slot);
    }
}

}  // namespace

void rgbToHsb(ColourSlot& slot) {
    const double r = slot.R / 255.0, g = slot.G / 255.0, b = slot.B / 255.0;
    const double mx = std::max(b, std::max(r, g));
    const double mn = std::min(b, std::min(r, g));
    const double d = mx - mn;
    double h = 0, s = 0;
    if (mx != 0) s = d / mx;
    if (s != 0) {
        const double rc = (mx - r) / d, gc = (mx - g) / d, bc = (mx - b) / d;
        if (r == mx) {
            h = bc - gc;
        } else if (g == mx) {
            h = 2 + rc - bc;
        } else {
            h = 4 + gc - rc;
        }
        h /= 6;
        if (h < 0) h += 1;
    }
    // A hue just below a full turn rounds to 360, which hsbToRgb reads as 0.
    slot.H = rounded(h, 360);
    slot.S = rounded(s, 100);
    slot.V = rounded(mx, 100);
}

void hsbToRgb(ColourSlot& slot) {
    const double s = slot.S / 100.0, v = slot.V / 100.0;
    double r = v, g = v, b = v;
    if (s != 0) {
        double h = slot.H / 360.0;
        h = (h - std::floor(h)) * 6;
        const int i = static_cast<int>(h);
        const double f = h - std::floor(h);
        const double p = v * (1 - s), q = v * (1 - f * s), t = v * (1 - (1 - f) * s);
        switch (i) {
        case 0: r = v, g = t, b = p; break;
        case 1: r = q, g = v, b = p; break;
        case 2: r = p, g = v, b = t; break;
        case 3: r = p, g = q, b = v; break;
        case 4: r = t, g = p, b = v; break;
        case 5: r = v, g = p, b = q; break;
        default: break;
        }
    }
    slot.R = rounded(r, 255);
    slot.G = rounded(g, 255);
    slot.B = rounded(b, 255);
}

ColourSlot slotOfColour(std::uint32_t colour) {
    ColourSlot slot;
    slot.R = colour & 0xFF;
    slot.G = (colour >> 8) & 0xFF;
    slot.B = (colour >> 16) & 0xFF;
    rgbToHsb(slot);
    return slot;
}

std::uint32_t colourOfSlot(const ColourSlot& slot) {
    return (slot.R & 0xFFu) | (slot.G & 0xFFu) << 8 | (slot.B & 0xFFu) << 16;
}

ColourPanelModel loadColourPanel(const PageSettings& page) {
    ColourPanelModel model;
    for (std::size_t i = 0; i < kColourSlotCount; ++i) model.slots[i] = slotOfColour(page.*kSlotColours[i]);
    model.slotIndex = colourSlotIndex.get(page.PhotoFlag);
    model.mode = static_cast<ColourMode>(colourMode.get(page.PhotoFlag));
    return model;
}

void storeColours(const ColourPanelModel& model, PageSettings& page) {
    for (std::size_t i = 0; i < kColourSlotCount; ++i) page.*kSlotColours[i] = colourOfSlot(model.slots[i]);
}

void storeColourPanel(const ColourPanelModel& model, PageSettings& page) {
    storeColours(model, page);
    colourSlotIndex.set(page.PhotoFlag, model.slotIndex);
    colourMode.set(page.PhotoFlag, static_cast<unsigned>(model.mode));
}

void selectSlot(ColourPanelModel& model, unsigned slot) {
    if (slot >= kColourSlotCount) return;
    model.slotIndex = slot;
    follow(model.edited(), model.mode);
}

BarScale colourBarScale(ColourMode mode, int bar) {
    if (mode == ColourMode::Rgb) return {255, 16};
    return bar == 0 ? BarScale{360, 18} : BarScale{100, 5};
}

int barPosition(const ColourPanelModel& model, int bar) {
    if (!isBar(bar)) return 0;
    return model.edited().*barValue(model.mode, bar);
}

void setBarPosition(ColourPanelModel& model, int bar, int position) {
    if (!isBar(bar)) return;
    const BarScale scale = colourBarScale(model.mode, bar);
    model.edited().*barValue(model.mode, bar) = static_cast<std::uint16_t>(std::clamp(position, 0, scale.maximum));
    follow(model.edited(), model.mode);
}

std::optional<int> scrolledPosition(ScrollRequest request, int position, int thumb, BarScale scale) {
    switch (request) {
    case ScrollRequest::LineLeft: return std::max(0, position - 1);
    case ScrollRequest::LineRight: return std::min(scale.maximum, position + 1);
    // From the very end one step less, so paging left from 255 lands on the multiples of 16.
    case ScrollRequest::PageLeft: return std::max(0, position - scale.page + (position == scale.maximum ? 1 : 0));
    case ScrollRequest::PageRight: return std::min(scale.maximum, position + scale.page);
    case ScrollRequest::ThumbPosition:
    case ScrollRequest::ThumbTrack: return thumb;
    case ScrollRequest::Left: return 0;
    case ScrollRequest::Right: return scale.maximum;
    case ScrollRequest::EndScroll: break;
    }
    return std::nullopt;
}

void takePickedColour(ColourPanelModel& model, std::uint32_t pixel) {
    model.edited() = slotOfColour(pixel);
}

Text colourValueText(const ColourPanelModel& model) {
    const ColourSlot& s = model.edited();
    if (model.mode == ColourMode::Rgb) return formatText(u"赤:%d、緑:%d、青:%d", {s.R, s.G, s.B});
    return formatText(u"色相:%d、彩度:%d、明度:%d", {s.H, s.S, s.V});
}

const ColourModeLook& colourModeLook(ColourMode mode) {
    static const ColourModeLook rgb{{u"赤(&R)", u"緑(&G)", u"青(&B)"},
                                    {0x0000C0, 0x00C000, 0xC00000},
                                    {0xC0C0E8, 0xC0E8C0, 0xE8C0C0}};
    static const ColourModeLook hsb{{u"色相(&H)", u"彩度(&S)", u"明度(&B)"},
                                    {0x008080, 0x808000, 0x606060},
                                    {0xC0E8E8, 0xE8E8C0, 0xC0C0C0}};
    return mode == ColourMode::Rgb ? rgb : hsb;
}

}  // namespace quillory
