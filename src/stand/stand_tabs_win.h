#pragma once
// The stand's tab control: one tab per visible Page, its tooltips, and the hook that turns a
// double click on a tab into the Page settings, a right click into that tab's menu and lets the
// wheel scroll a single row of tabs.
#include <windows.h>
#include <commctrl.h>

#include "stand/stand_state_win.h"

namespace quillory {

// Tab sizes and the tooltip's look, once at creation.
void prepareTabs(PhotoStandWindow& stand);
// The tabs' smallest width and the space around their labels, for the window's DPI.
void sizeTabs(const PhotoStandWindow& stand);
// One tab per visible Page in Page order (text Label, item data the Page index); the current
// Page's tab is selected.
void fillTabs(PhotoStandWindow& stand);

void hookTabs(PhotoStandWindow& stand);
void unhookTabs(PhotoStandWindow& stand);

// TTN_GETDISPINFOW of the tab control's tooltip: the Page's comment and picture name in its colours.
void onTabTooltip(PhotoStandWindow& stand, NMTTDISPINFOW& request);
bool isTabTooltip(const PhotoStandWindow& stand, const NMHDR& notice);

}  // namespace quillory
