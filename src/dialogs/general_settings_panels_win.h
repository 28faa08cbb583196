#pragma once
// The general settings dialog's panels. Each is a child dialog of the frame that reads the live
// AlbumSettings when it is created; the general and other panels store their boxes when destroyed.
#include <windows.h>

#include "dialogs/general_settings_session_win.h"

namespace quillory {

HWND createSlideShowPanel(HWND frame, GeneralSettingsSession& session);  // 143: SlideStyle, SlideInterval
HWND createGeneralPanel(HWND frame, GeneralSettingsSession& session);    // 144: tabs, opacity, fonts
HWND createPageListPanel(HWND frame, GeneralSettingsSession& session);   // 142: order, marks, main page
HWND createOtherPanel(HWND frame, GeneralSettingsSession& session);      // 145: drop, order, double click

}  // namespace quillory
