#pragma once
// The texts the pop-up menus show: the current Page's captions, the Page list items and the
// slide show's history items. The window sets them on its menus as they are.
#include <array>
#include <optional>

#include "album/album.h"
#include "base/text.h"

namespace quillory {

// Page list items hold at most this many characters.
constexpr std::size_t kPageItemCapacity = 35;

// setPageCaption's text: ページ "<first 32 characters of the label>".
Text pageCaption(TextView label);
// setPictureItemCaption's text for item 40011.
Text pictureItemCaption(bool folderPage);
// The first page list's caption when every Page has a tab and marked Pages get their own list.
inline constexpr TextView kMarkedPagesCaption = u"マークページから選択";
// A Page in a page list: "[ label ]" for a folder Page, the label for a file Page.
Text pageItemText(const PageSettings& page);

struct HistoryItem {
    bool enabled = false;
    std::optional<Text> caption;  // nothing: the item keeps its resource caption
};
// fillHistoryMenu's items 40037 to 40044. An entry is offered only while it names a picture of
// the visible Pages, so the history command always has somewhere to go.
std::array<HistoryItem, kHistorySize> historyItems(const Album& album);

}  // namespace quillory
