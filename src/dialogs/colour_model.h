#pragma once
// The colour page's model: each of a Page's four text colours held both as red, green and blue
// and as hue, saturation and brightness, the three scroll bars that edit one of them, and where
// the page keeps which colour and which representation were edited last.
#include <array>
#include <cstdint>
#include <optional>

#include "album/album.h"
#include "base/text.h"

namespace quillory {

// One edited colour. Both representations always agree: whichever was not edited is
// recomputed after every change.
struct ColourSlot {
    std::uint16_t R = 0, G = 0, B = 0;  // 0 to 255
    std::uint16_t H = 0;                // degrees, 0 to 360 (360 is the same hue as 0)
    std::uint16_t S = 0, V = 0;         // percent, 0 to 100

    bool operator==(const ColourSlot&) const = default;
};

void rgbToHsb(ColourSlot& slot);
void hsbToRgb(ColourSlot& slot);

// A colour 0x00BBGGRR as a slot (both representations) and back (low bytes of R, G, B).
ColourSlot slotOfColour(std::uint32_t colour);
std::uint32_t colourOfSlot(const ColourSlot& slot);

enum class ColourMode : unsigned { Rgb = 0, Hsb = 1 };

// Where a Page remembers the colour page's mode: PhotoFlag bit 20, beside colourSlotIndex
// (bits 18 and 19), the other memory of the same page, so both are saved, copied and restored
// together. Every named PhotoFlag and Flag bit already means something, FontStyle is rewritten
// whole by the text page, and a key of its own would need every reader of the album to learn it.
// Bit 20 has no meaning in any album, so albums written without it open in RGB, and versions
// that do not know it carry it as stored.
constexpr BitField colourMode{20, 1};

constexpr std::size_t kColourSlotCount = 4;

// What the colour page edits: text, second text, background, second background.
struct ColourPanelModel {
    std::array<ColourSlot, kColourSlotCount> slots;
    unsigned slotIndex = 0;  // colourSlotIndex
    ColourMode mode = ColourMode::Rgb;

    ColourSlot& edited() { return slots[slotIndex]; }
    const ColourSlot& edited() const { return slots[slotIndex]; }
};

// The four colours, the slot and the mode as the Page last left them.
ColourPanelModel loadColourPanel(const PageSettings& page);
// The four colours back into the Page (after every accepted change).
void storeColours(const ColourPanelModel& model, PageSettings& page);
// Everything back into the Page when the panel closes: colours, slot and mode.
void storeColourPanel(const ColourPanelModel& model, PageSettings& page);

// Another slot chosen: its representation that the bars do not show is brought up to date.
void selectSlot(ColourPanelModel& model, unsigned slot);

constexpr int kColourBarCount = 3;

// A bar's range (0 to maximum) and the step of a page click.
struct BarScale {
    int maximum = 0;
    int page = 0;
};
BarScale colourBarScale(ColourMode mode, int bar);

// What the scroll bars show and how a move is stored: R, G, B or H, S, V of the edited slot.
int barPosition(const ColourPanelModel& model, int bar);
void setBarPosition(ColourPanelModel& model, int bar, int position);

// A scroll request, numbered as the system's SB_ codes so the shell passes the code through.
enum class ScrollRequest : int {
    LineLeft = 0,
    LineRight = 1,
    PageLeft = 2,
    PageRight = 3,
    ThumbPosition = 4,
    ThumbTrack = 5,
    Left = 6,
    Right = 7,
    EndScroll = 8,
};
// The bar's new position, or nothing when the request moves nothing (the end of a scroll).
std::optional<int> scrolledPosition(ScrollRequest request, int position, int thumb, BarScale scale);

// The screen colour picker took a pixel; CLR_INVALID (off screen) reads as white.
void takePickedColour(ColourPanelModel& model, std::uint32_t pixel);

// "赤:%d、緑:%d、青:%d" or "色相:%d、彩度:%d、明度:%d" for the edited slot.
Text colourValueText(const ColourPanelModel& model);

// The labels, label colours and bar backgrounds of a mode, bar by bar.
struct ColourModeLook {
    std::array<TextView, kColourBarCount> labels;
    std::array<std::uint32_t, kColourBarCount> labelColours;
    std::array<std::uint32_t, kColourBarCount> barColours;
};
const ColourModeLook& colourModeLook(ColourMode mode);

}  // namespace quillory
