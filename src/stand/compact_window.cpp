#include "stand/compact_window.h"

namespace quillory {

Text runningTitle(TextView standTitle) { return Text(standTitle) + u" (スライドショー動作中...)"; }

Text pausedTitle(TextView standTitle) { return runningTitle(standTitle) + u" (一時停止中)"; }

CompactPlacement compactPlacement(Rect pageViewOnScreen) {
    const Rect frame{pageViewOnScreen.x - 1, pageViewOnScreen.y - 1, pageViewOnScreen.dx + 2, pageViewOnScreen.dy + 2};
    return {frame, Rect{0, 0, frame.dx, frame.dy}};
}

Rect storedGeometry(const AlbumSettings& settings) {
    return {settings.xPosi, settings.yPosi, settings.xSize, settings.ySize};
}

}  // namespace quillory
