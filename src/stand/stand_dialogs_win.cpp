#include "stand/stand_dialogs_win.h"

namespace quillory {

DialogHost dialogHostOf(const PhotoStandWindow& stand) {
    const App& app = stand.app;
    DialogHost host;
    host.standWindow = stand.window;
    host.osVersionCode = static_cast<int>(app.OsVersionCode);
    host.tabAnimate = (app.album.settings.TabStyle & TabAnimate) != 0;
    host.dpiX = static_cast<int>(app.dpiX);
    host.dpiY = static_cast<int>(app.dpiY);
    host.background = stand.background.brush();
    host.backgroundSize = stand.background.patternSize();
    return host;
}

}  // namespace quillory
