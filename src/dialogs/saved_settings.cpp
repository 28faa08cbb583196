#include "dialogs/saved_settings.h"

namespace quillory {

bool restoreSettings(const AlbumSettings& savedSettings, AlbumSettings& settings) {
    const bool translucencyChanged = savedSettings.LayerWindowLevel != settings.LayerWindowLevel ||
                                     ((savedSettings.TabStyle ^ settings.TabStyle) & TabTranslucent) != 0;
    settings.TabStyle = savedSettings.TabStyle;
    settings.LayerWindowLevel = savedSettings.LayerWindowLevel;
    settings.TabFontSize = savedSettings.TabFontSize;
    settings.TabFontName = capped(savedSettings.TabFontName, kTabFontNameCapacity);
    settings.SlideStyle = savedSettings.SlideStyle;
    settings.SlideInterval = savedSettings.SlideInterval;
    return translucencyChanged;
}

bool tabLayoutChanged(const AlbumSettings& savedSettings, const AlbumSettings& settings) {
    return ((savedSettings.TabStyle ^ settings.TabStyle) & (TabBottom | TabMultiLine)) != 0;
}

}  // namespace quillory
