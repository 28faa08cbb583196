#include "view/menu_captions.h"

#include "album/page_tabs.h"
#include "base/format.h"

namespace quillory {

namespace {

bool isFolderPage(const PageSettings& page) { return (page.Flag & FlagFolder) != 0; }

Text historyCaption(int entry, const PageSettings& page, TextView fileName) {
    const TextView format = isFolderPage(page) ? u"(%d) [ %0.32s ] - %0.32s" : u"(%d) %0.32s - %0.32s";
    return formatText(format, {entry + 1, page.Label, fileName});
}

}  // namespace

Text pageCaption(TextView label) {
    return formatText(u"ページ \"%0.32s\"", {label});
}

Text pictureItemCaption(bool folderPage) {
    return folderPage ? u"画像フォルダ選択(&F)..." : u"画像ファイル選択(&F)...";
}

Text pageItemText(const PageSettings& page) {
    return capped(isFolderPage(page) ? u"[ " + page.Label + u" ]" : page.Label, kPageItemCapacity);
}

std::array<HistoryItem, kHistorySize> historyItems(const Album& album) {
    std::array<HistoryItem, kHistorySize> items;
    if (album.pages.empty()) return items;
    int page = 0;  // an entry no Page holds is captioned with the Page of the entry before it
    for (std::size_t entry = 0; entry < kHistorySize; ++entry) {
        const HistoryEntry& recorded = album.history[entry];
        if (recorded.pictureNumber == -1) continue;
        const std::optional<PicturePosition> holder = pictureAt(album, recorded.pictureNumber);
        if (holder) page = holder->page;
        items[entry].enabled = holder.has_value();
        items[entry].caption = historyCaption(static_cast<int>(entry), album.pages[static_cast<std::size_t>(page)], recorded.fileName);
    }
    return items;
}

}  // namespace quillory
