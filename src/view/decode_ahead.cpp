#include "view/decode_ahead.h"

#include <algorithm>

#include "view/folder_step.h"

namespace quillory {

std::vector<int> folderNeighbours(int folderIndex, int folderCount) {
    std::vector<int> neighbours;
    for (const StepDirection direction : {StepDirection::Next, StepDirection::Back}) {
        const int index = steppedFolderIndex(folderIndex, folderCount, direction, {});
        const bool known = index == folderIndex || (!neighbours.empty() && neighbours.front() == index);
        if (!known && index < folderCount) neighbours.push_back(index);
    }
    return neighbours;
}

AheadPicture aheadPictureAt(const Album& album, PicturePosition position, const FolderList& list, int folderCount) {
    if (position.page < 0 || position.page >= static_cast<int>(album.pages.size())) return {};
    const PageSettings& page = album.pages[static_cast<std::size_t>(position.page)];
    if ((page.Flag & FlagFolder) == 0) return {page.File};
    if (position.page != album.currentPage) {
        return {page.File, position.index, (album.settings.TabStyle & TabSortByDate) != 0};
    }
    if (position.index < 0 || position.index >= std::min(folderCount, kFolderListCapacity)) return {};
    return {list.entries[static_cast<std::size_t>(position.index)].path};
}

}  // namespace quillory
