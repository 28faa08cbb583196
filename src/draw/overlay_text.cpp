#include "draw/overlay_text.h"

#include <optional>

namespace quillory {
namespace {

// Items the decoder painter can show on their own; direction and author alone draw nothing.
constexpr std::uint32_t kDecoderItems = 0x7F0;
// Without the decoder only label, comment and file name can exist.
constexpr std::uint32_t kBitmapItems = 0x70;

constexpr int kGroupExposure = 0;
constexpr int kGroupFocalLength35 = 1;
constexpr int kGroupModes = 2;
constexpr int kGroupPosition = 4;
constexpr int kGroupDirection = 5;

// Collects lines, "\n" only between them.
class Lines {
public:
    // A comment keeps its lines joined with CR LF; the painters break lines at LF alone and some
    // draw a lone CR as a box, so every CR LF becomes one LF.
    void add(TextView line) {
        if (!empty_) text_ += u'\n';
        for (std::size_t i = 0; i < line.size(); ++i) {
            if (line[i] == u'\r' && i + 1 < line.size() && line[i + 1] == u'\n') continue;
            text_ += line[i];
        }
        empty_ = false;
    }
    void addIfAny(const std::optional<Text>& line) {
        if (line) add(*line);
    }
    Text finish(std::size_t capacity) const {
        // A buffer of `capacity` units holds one unit less of text; never split a surrogate pair.
        const std::size_t limit = capacity == 0 ? 0 : capacity - 1;
        Text text = capped(text_, limit);
        if (text.size() < text_.size() && !text.empty() && text.back() >= 0xD800 && text.back() <= 0xDBFF) text.pop_back();
        return text;
    }

private:
    Text text_;
    bool empty_ = true;
};

bool has(const PageSettings& page, std::uint32_t bit) { return (page.PhotoFlag & bit) != 0; }

void addExposure(Lines& lines, const PhotoInfo& info) {
    const auto exposure = formatInfoGroup(info, kGroupExposure, false);
    if (!exposure) return;
    lines.add(*exposure);
    lines.addIfAny(formatInfoGroup(info, kGroupFocalLength35, false));
    lines.addIfAny(formatInfoGroup(info, kGroupModes, false));
}

void addDecoderItems(Lines& lines, const PageSettings& page, const PhotoInfo& info) {
    if (has(page, ShowDate)) lines.addIfAny(shootingDateText(info, has(page, DateShort)));
    if (has(page, ShowCamera)) lines.addIfAny(cameraText(info));
    if (has(page, ShowExposure)) addExposure(lines, info);
    if (has(page, ShowAuthor)) lines.addIfAny(authorText(info));
    if (has(page, ShowGps)) lines.addIfAny(formatInfoGroup(info, kGroupPosition, has(page, GpsShort)));
    if (has(page, ShowDirection)) lines.addIfAny(formatInfoGroup(info, kGroupDirection, has(page, DirectionDetail)));
}

}  // namespace

OverlayKind chooseOverlay(std::uint32_t photoFlag, const OverlayState& state) {
    const std::uint32_t items = state.gdiplusActive ? kDecoderItems : kBitmapItems;
    if (!state.infoVisible || (photoFlag & items) == 0) return OverlayKind::None;
    if (!state.slideRunning) return OverlayKind::PageItems;
    switch (state.slideInfo) {
    case 1: return OverlayKind::SlideLabel;
    case 2: return OverlayKind::SlideLabelAndDate;
    case 3: return OverlayKind::None;
    default: return OverlayKind::PageItems;
    }
}

Text BuildOverlayText(const PageSettings& page, const PhotoInfo& info, bool gdiplusActive, std::size_t capacity) {
    Lines lines;
    if (has(page, ShowLabel) && !page.Label.empty()) lines.add(page.Label);
    if (has(page, ShowComment) && !page.Comment.empty()) lines.add(page.Comment);
    if (has(page, ShowFileName) && !page.File.empty()) lines.add(fileNameText(info.pictureFile, info.pathDisplay));
    if (gdiplusActive) addDecoderItems(lines, page, info);
    return lines.finish(capacity);
}

Text BuildSlideShowText(int mode, const PageSettings& page, const PhotoInfo& info, bool gdiplusActive, std::size_t capacity) {
    Lines lines;
    if (!page.Label.empty()) lines.add(page.Label);
    if (mode == 2) {
        std::optional<Text> date;
        if (gdiplusActive) date = shootingDateText(info, true);
        if (!date) date = info.fileWriteTime ? formatLongTime(*info.fileWriteTime) : Text();
        lines.add(*date);
    }
    return lines.finish(capacity);
}

Text overlayTextFor(const PageSettings& page, const PhotoInfo& info, const OverlayState& state) {
    const std::size_t capacity = state.gdiplusActive ? kDecoderTextCapacity : kBitmapTextCapacity;
    switch (chooseOverlay(page.PhotoFlag, state)) {
    case OverlayKind::None: return Text();
    case OverlayKind::PageItems: return BuildOverlayText(page, info, state.gdiplusActive, capacity);
    case OverlayKind::SlideLabel: return BuildSlideShowText(1, page, info, state.gdiplusActive, capacity);
    case OverlayKind::SlideLabelAndDate: return BuildSlideShowText(2, page, info, state.gdiplusActive, capacity);
    }
    return Text();
}

}  // namespace quillory
