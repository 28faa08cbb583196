#pragma once
// The general settings dialog edits the live AlbumSettings, so that opacity and fonts show at
// once; on キャンセル it puts back what it changed from a copy taken when it opened.
#include "album/album.h"

namespace quillory {

// キャンセル: TabStyle, LayerWindowLevel, TabFontSize, TabFontName, SlideStyle and SlideInterval
// come back from `savedSettings`. True when the window's translucency or opacity changed and
// must be applied to the window again.
bool restoreSettings(const AlbumSettings& savedSettings, AlbumSettings& settings);

// OK: the tabs moved to the other edge or changed their rows, which the window shows with a slide.
bool tabLayoutChanged(const AlbumSettings& savedSettings, const AlbumSettings& settings);

}  // namespace quillory
