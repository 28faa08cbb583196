#include "stand/slide_history.h"

#include <algorithm>

namespace quillory {

Text slidePicturePath(const PageSettings& page, int index, const FolderList& list, int folderCount) {
    if ((page.Flag & FlagFolder) == 0) return page.File;
    const int count = std::min(folderCount, kFolderListCapacity);
    if (index < 0 || index >= count) return {};
    return list.entries[static_cast<std::size_t>(index)].path;
}

void recordSlide(Album& album, const SlideTarget& target, TextView picturePath) {
    const std::optional<PicturePosition> holder = pictureAt(album, target.number);
    if (!holder || holder->page != target.position.page || holder->index != target.position.index) return;
    std::move_backward(album.history.begin(), album.history.end() - 1, album.history.end());
    const TextView name = picturePath.substr(folderOfPath(picturePath).size());
    album.history[0] = HistoryEntry{static_cast<std::int32_t>(target.number), capped(name, kHistoryNameCapacity)};
}

std::optional<PicturePosition> historyTarget(const Album& album, int entry) {
    if (entry < 0 || entry >= static_cast<int>(kHistorySize)) return std::nullopt;
    return pictureAt(album, album.history[static_cast<std::size_t>(entry)].pictureNumber);
}

PictureNumbering pictureNumbering(const Album& album) {
    PictureNumbering numbering;
    for (int page = 0; page < static_cast<int>(album.pages.size()); ++page) {
        if (isVisiblePage(album, page)) numbering.emplace_back(page, album.pages[static_cast<std::size_t>(page)].FileNum);
    }
    return numbering;
}

bool forgetHistoryIfRenumbered(Album& album, const PictureNumbering& before) {
    if (pictureNumbering(album) == before) return false;
    clearHistory(album);
    return true;
}

}  // namespace quillory
