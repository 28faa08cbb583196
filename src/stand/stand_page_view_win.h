#pragma once
// The PageView's turns inside the stand: it is destroyed and made anew for every change of the
// current Page, sliding away first when TabAnimate is set.
#include <windows.h>

#include "stand/stand_state_win.h"

namespace quillory {

enum class PageViewExit {
    Cut,         // gone at once
    Up,          // slides upwards (keyboard and menu Page changes)
    TowardTabs,  // slides towards the tab row (a click on another tab)
};

void closePageView(PhotoStandWindow& stand, PageViewExit exit);
// A PageView for the current Page, laid out over the tab control's display area.
void openPageView(PhotoStandWindow& stand);

// The whole Page change: the PageView leaves, `page` becomes current (or the first tab's Page
// when it has no tab), its tab is selected and a new PageView shows it.
void showPage(PhotoStandWindow& stand, int page, PageViewExit exit);
void showTab(PhotoStandWindow& stand, int tab, PageViewExit exit);

}  // namespace quillory
