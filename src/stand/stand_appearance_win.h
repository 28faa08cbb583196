#pragma once
// How the PhotoStandWindow looks and where it sits: translucency, the topmost band, the status
// bar and the fonts, the layout of tab control, PageView and status bar, and the pull back onto
// the nearest monitor.
#include <windows.h>

#include "stand/stand_state_win.h"

namespace quillory {

// Layered with the constant alpha of LayerWindowLevel when TabTranslucent is set (from Windows
// 2000 on); plain otherwise.
void applyTranslucency(const StartupFacts& facts, HWND stand);
// The topmost band when TabTopmost is set, the normal band otherwise; neither moves, sizes nor
// activates.
void applyTopmost(const StartupFacts& facts, HWND stand, bool refreshFrame);
// The whole window slides in and out only before Vista, and only with TabAnimate.
bool animatesStandFrame(const StartupFacts& facts);

// The tabs' position and rows from TabBottom and TabMultiLine.
void applyTabStyle(PhotoStandWindow& stand);
// applyTabStyle and refreshTabFont while the tabs slide out and back in, for a layout a person
// just changed.
void slideTabsToTheirLayout(PhotoStandWindow& stand);
// The status bar is there exactly when TabStatusBar is set: made with its font and text, or
// removed, and the window laid out again around it.
void applyStatusBarSetting(PhotoStandWindow& stand);
// A new status-bar font from TabStatusFontSize and the parts for the window's DPI, then the
// location text; nothing without a bar.
void refreshStatusBar(PhotoStandWindow& stand);
// The location of the current Page's picture in the status bar's first part.
void refreshStatusText(PhotoStandWindow& stand);
// A new tab font from TabFontName and TabFontSize at the window's DPI; the PageView is laid out
// again.
void refreshTabFont(PhotoStandWindow& stand);

// The tab control above the status bar, then the PageView over its display area.
void layoutStand(PhotoStandWindow& stand);
void layoutPageView(PhotoStandWindow& stand);

// Moves the window back onto its nearest monitor: the stored geometry (xPosi, yPosi with xSize,
// ySize), or while the slide show runs the compact window where it is.
void clampStandToMonitor(PhotoStandWindow& stand);

}  // namespace quillory
