#include "view/folder_watch.h"

#include <algorithm>

namespace quillory {

namespace {

const FolderEntry* entryAt(std::span<const FolderEntry> entries, int index) {
    return index >= 0 && index < static_cast<int>(entries.size()) ? &entries[static_cast<std::size_t>(index)] : nullptr;
}

int indexOfPath(std::span<const FolderEntry> entries, const Text& path) {
    const auto found = std::find_if(entries.begin(), entries.end(), [&](const FolderEntry& entry) { return entry.path == path; });
    return found != entries.end() ? static_cast<int>(found - entries.begin()) : -1;
}

}  // namespace

FolderPlace placeAfterRelisting(std::span<const FolderEntry> before, int shownIndex, std::span<const FolderEntry> after) {
    FolderPlace place;
    place.count = static_cast<int>(after.size());
    const FolderEntry* shown = entryAt(before, shownIndex);
    const int kept = shown != nullptr ? indexOfPath(after, shown->path) : -1;
    if (kept >= 0) {
        place.index = kept;
    } else if (shown != nullptr) {
        place.index = std::clamp(shownIndex, 0, std::max(place.count - 1, 0));
    } else {
        // Nothing was shown: the place stays where the Page keeps it, until a step limits it.
        place.index = shownIndex;
    }
    const FolderEntry* now = entryAt(after, place.index);
    place.pictureChanged = (shown == nullptr) != (now == nullptr) || (shown != nullptr && shown->path != now->path);
    return place;
}

}  // namespace quillory
