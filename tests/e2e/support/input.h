// Driving another process's windows as a person would: commands, keys and mouse clicks.
#pragma once

#include <windows.h>

#include <initializer_list>

namespace quillory::e2e {

bool postCommand(HWND window, WORD commandId);
bool postClose(HWND window);
// Presses a dialog's button (IDOK, IDCANCEL, ...) and waits until the dialog has gone.
bool closeDialog(HWND dialog, WORD button);
// Presses a settings dialog's panel button and waits for the panel holding control `probe`;
// nullptr when either fails.
HWND showPanel(HWND dialog, WORD button, int probe);

// Makes the window the foreground window, so keyboard input reaches it.
bool activate(HWND window);

// Presses the keys in order and releases them in reverse, as a chord such as Ctrl+Tab.
bool pressKeys(std::initializer_list<WORD> virtualKeys);

// Moves the pointer as the mouse does, so that mouse hooks see the move.
bool moveTo(POINT screenPoint);

enum class MouseButton { Left, Right };
bool clickAt(POINT screenPoint, MouseButton button = MouseButton::Left, int clicks = 1);
bool clickInClient(HWND window, POINT clientPoint, MouseButton button = MouseButton::Left, int clicks = 1);
// Turns the wheel by `delta` (negative: towards the person) with the pointer at the point.
bool turnWheelInClient(HWND window, POINT clientPoint, int delta);
// Moves the mouse there without a click.
bool moveMouseInClient(HWND window, POINT clientPoint);

}  // namespace quillory::e2e
