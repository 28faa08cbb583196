#include "view/folder_step.h"

#include <algorithm>
#include <cstdint>

#include "base/format.h"

namespace quillory {

namespace {

constexpr int kLongStep = 10;

std::int64_t unclampedTarget(int folderIndex, int folderCount, StepDirection direction, StepModifiers modifiers) {
    if (modifiers.control) return direction == StepDirection::Back ? 0 : std::int64_t{folderCount} - 1;
    const int step = modifiers.shift || modifiers.rightButton ? kLongStep : 1;
    return std::int64_t{folderIndex} + (direction == StepDirection::Back ? -step : step);
}

}  // namespace

int steppedFolderIndex(int folderIndex, int folderCount, StepDirection direction, StepModifiers modifiers) {
    const std::int64_t target = unclampedTarget(folderIndex, folderCount, direction, modifiers);
    // The upper limit first, so an empty folder ends at 0 rather than at -1.
    return static_cast<int>(std::max<std::int64_t>(std::min<std::int64_t>(target, std::int64_t{folderCount} - 1), 0));
}

FolderStep folderKeyStep(FolderKey key) {
    switch (key) {
        case FolderKey::Back: return {StepDirection::Back, {}};
        case FolderKey::Next: return {StepDirection::Next, {}};
        case FolderKey::First: return {StepDirection::Back, {.control = true}};
        case FolderKey::Last: return {StepDirection::Next, {.control = true}};
    }
    return {};
}

std::optional<StepDirection> wheelStep(int wheelDelta) {
    if (wheelDelta < 0) return StepDirection::Next;
    if (wheelDelta > 0) return StepDirection::Back;
    return std::nullopt;
}

Text folderCounterText(int folderIndex, int folderCount, bool morePictures) {
    return formatText(morePictures ? u" %d / %d+ " : u" %d / %d ", {std::int64_t{folderIndex} + 1, folderCount});
}

}  // namespace quillory
