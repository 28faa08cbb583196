#include "dialogs/saved_settings.h"

namespace quillory {

SavedSettings saveSettings(const AlbumSettings& settings) {
    return {settings.TabStyle,
            settings.LayerWindowLevel,
            settings.TabFontSize,
            capped(settings.TabFontName, kTabFontNameCapacity),
            settings.SlideStyle,
            settings.SlideInterval};
}

bool restoreSettings(const SavedSettings& saved, AlbumSettings& settings) {
    const bool translucencyChanged =
        saved.LayerWindowLevel != settings.LayerWindowLevel || ((saved.TabStyle ^ settings.TabStyle) & TabTranslucent) != 0;
    settings.TabStyle = saved.TabStyle;
    settings.LayerWindowLevel = saved.LayerWindowLevel;
    settings.TabFontSize = saved.TabFontSize;
    settings.TabFontName = saved.TabFontName;
    settings.SlideStyle = saved.SlideStyle;
    settings.SlideInterval = saved.SlideInterval;
    return translucencyChanged;
}

bool tabLayoutChanged(const SavedSettings& saved, const AlbumSettings& settings) {
    return ((saved.TabStyle ^ settings.TabStyle) & (TabBottom | TabMultiLine)) != 0;
}

}  // namespace quillory
