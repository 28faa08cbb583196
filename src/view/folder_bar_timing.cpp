#include "view/folder_bar_timing.h"

namespace quillory {

bool callsFolderBar(Point point, Size client, int barHeight) {
    const bool nearEdge = point.x < kFolderBarEdge || point.x > client.dx - kFolderBarEdge;
    const bool inBand = (client.dy - barHeight) / 2 < point.y && point.y < (client.dy + barHeight) / 2;
    return nearEdge && inBand;
}

bool FolderBarTiming::hover(Point point, Size client, int barHeight) {
    if (lastHover_ == point || !callsFolderBar(point, client, barHeight)) return false;
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
