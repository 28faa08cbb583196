#pragma once
// The general settings dialog edits the live AlbumSettings, so that opacity and fonts show at
// once; these are the values it puts back on キャンセル.
#include <cstdint>

#include "album/album.h"

namespace quillory {

struct SavedSettings {
    std::uint32_t TabStyle = 0;
    std::int16_t LayerWindowLevel = 0;
    std::int32_t TabFontSize = 0;
    Text TabFontName;
    std::uint32_t SlideStyle = 0;
    std::int32_t SlideInterval = 0;
};

SavedSettings saveSettings(const AlbumSettings& settings);

// キャンセル: every saved value back. True when the window's translucency or opacity changed and
// must be applied to the window again.
bool restoreSettings(const SavedSettings& saved, AlbumSettings& settings);

// OK: the tabs moved to the other edge or changed their rows, which the window shows with a slide.
bool tabLayoutChanged(const SavedSettings& saved, const AlbumSettings& settings);

}  // namespace quillory
