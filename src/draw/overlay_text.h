#pragma once
// Which text is drawn over the picture and what it says: the items the Page chose, in their
// fixed order one per line, or the reduced text of the running slide show.
#include <cstddef>
#include <cstdint>

#include "album/album.h"
#include "base/dpi.h"
#include "base/text.h"
#include "photoinfo/photo_format.h"

namespace quillory {

// Text buffers of the two painters, terminator included: longer texts are cut, never refused.
inline constexpr std::size_t kDecoderTextCapacity = 1024;
inline constexpr std::size_t kBitmapTextCapacity = 256;

// The run-time switches that decide whether any text shows.
struct OverlayState {
    bool infoVisible = true;
    bool slideRunning = false;
    unsigned slideInfo = 0;  // SlideInfo of the album's SlideStyle
    bool gdiplusActive = true;
    int dpi = kDefaultDpi;  // of the window the text is drawn for
};

enum class OverlayKind { None, PageItems, SlideLabel, SlideLabelAndDate };

OverlayKind chooseOverlay(std::uint32_t photoFlag, const OverlayState& state);

// The Page's items. Without the decoder only label, comment and file name exist.
Text BuildOverlayText(const PageSettings& page, const PhotoInfo& info, bool gdiplusActive, std::size_t capacity);

// Mode 1: the label. Mode 2: the label and, on its own line, the shooting date (short form) or,
// without one, the file's last-write time.
Text BuildSlideShowText(int mode, const PageSettings& page, const PhotoInfo& info, bool gdiplusActive, std::size_t capacity);

// The text a paint shows (empty for none), with the capacity of the painter in use.
Text overlayTextFor(const PageSettings& page, const PhotoInfo& info, const OverlayState& state);

}  // namespace quillory
