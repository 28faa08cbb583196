#include "album/album.h"

namespace quillory {

PageSettings makeDefaultPage() {
    PageSettings page;
    page.FontName = u"MS UI Gothic";
    page.FontSize = 13;
    page.FontStyle = FontBold;
    page.FontColor = 0x002020;
    page.FontColor2 = 0xE8E8E8;
    page.FontColorBk = 0xE8E8E8;
    page.FontColorBk2 = 0xE8E8E8;
    page.FontAlpha = 192;
    page.Flag = 0;
    page.PhotoFlag = ShowFileName | ShowDate | ShowAuthor;
    return page;
}

void clearHistory(Album& album) {
    album.history.fill(HistoryEntry{});
}

}  // namespace quillory
