#include "view/folder_bar_timing.h"

#include "base/dpi.h"

namespace quillory {

bool callsFolderBar(Point point, Size client, int barHeight, int dpi) {
    const int edge = scaleForDpi(kFolderBarEdge, dpi);
    const bool nearEdge = point.x < edge || point.x > client.dx - edge;
    const bool inBand = (client.dy - barHeight) / 2 < point.y && point.y < (client.dy + barHeight) / 2;
    return nearEdge && inBand;
}

bool FolderBarTiming::hover(Point point, Size client, int barHeight, int dpi) {
    if (lastHover_ == point || !callsFolderBar(point, client, barHeight, dpi)) return false;
    countdown_ = 5;
    shown_ = true;
    lastHover_ = point;
    return true;
}

bool FolderBarTiming::tick() {
    if (countdown_ != 0 && --countdown_ != 0) return false;
    if (!shown_) return false;
    shown_ = false;
    return true;
}

}  // namespace quillory
