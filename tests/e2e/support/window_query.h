// Finding and reading the windows of another process: titles, classes, styles, owners, children
// and tab control items.
#pragma once

#include "wait_until.h"

#include <windows.h>
#include <commctrl.h>

#include <optional>
#include <string>
#include <vector>

namespace quillory::e2e {

// What a top-level window must have to match; empty fields match anything.
struct WindowMatch {
    std::wstring className;
    std::optional<std::wstring> title;
    DWORD processId = 0;
    bool visibleOnly = false;
};

std::vector<HWND> topLevelWindows(const WindowMatch& match = {});
HWND findTopLevelWindow(const WindowMatch& match);
HWND waitForTopLevelWindow(const WindowMatch& match, Duration limit = kWindowWait);

std::wstring windowText(HWND window);
std::wstring windowClass(HWND window);
LONG_PTR windowStyle(HWND window);
LONG_PTR windowExStyle(HWND window);
HWND windowOwner(HWND window);
DWORD windowProcess(HWND window);
RECT windowRect(HWND window);
std::vector<HWND> childWindows(HWND parent);
// The panel a settings dialog shows, once it is the one holding control `id`.
HWND waitForPanelWith(HWND dialog, int id);

// Sends a message with a time limit, so a hung program fails the test instead of hanging it.
std::optional<LRESULT> sendMessage(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

// Text that a control copies into a buffer given with the message (status bar parts with
// SB_GETTEXTW, list box items with LB_GETTEXT, ...), through a buffer in the control's process.
std::optional<std::wstring> remoteText(HWND control, UINT message, WPARAM wParam = 0);
std::optional<std::wstring> statusBarText(HWND statusBar, int part = 0);

// The tab control's item texts, read through a buffer in the control's own process.
std::optional<std::vector<std::wstring>> tabTexts(HWND tabControl);
std::optional<int> selectedTab(HWND tabControl);
// A tab's rectangle in the tab control's client coordinates.
std::optional<RECT> tabItemRect(HWND tabControl, int index);

// The texts of one column of a report list view, line by line.
std::optional<std::vector<std::wstring>> listViewTexts(HWND listView, int column);

// A tree view's items in order (roots only), and the check box of one set as a click would leave it
// (state image 2 checked, 1 not), through a TVITEMW in the control's own process.
std::vector<HTREEITEM> treeRoots(HWND tree);
bool setTreeCheck(HWND tree, HTREEITEM item, bool checked);
std::optional<bool> treeCheck(HWND tree, HTREEITEM item);

}  // namespace quillory::e2e
