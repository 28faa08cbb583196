#include "input.h"

#include "wait_until.h"
#include "window_query.h"

#include <vector>

namespace quillory::e2e {
namespace {

bool send(std::vector<INPUT>& inputs) {
    UINT count = static_cast<UINT>(inputs.size());
    return SendInput(count, inputs.data(), sizeof(INPUT)) == count;
}

INPUT keyInput(WORD virtualKey, bool release) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.dwFlags = release ? KEYEVENTF_KEYUP : 0;
    return input;
}

INPUT mouseInput(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    return input;
}

// A mouse event that carries its own position, so a busy display cannot deliver it where the
// pointer was before. Absolute positions run from 0 to 65535 across the primary screen.
INPUT mouseInputAt(DWORD flags, POINT screenPoint) {
    INPUT input = mouseInput(flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE);
    input.mi.dx = MulDiv(screenPoint.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(screenPoint.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    return input;
}

// The pointer stands at `screenPoint` as the system sees it.
bool placePointer(POINT screenPoint) {
    if (!SetCursorPos(screenPoint.x, screenPoint.y)) return false;
    return waitUntil([&] {
        POINT now{};
        return GetCursorPos(&now) && now.x == screenPoint.x && now.y == screenPoint.y;
    });
}

}  // namespace

bool postCommand(HWND window, WORD commandId) {
    return PostMessageW(window, WM_COMMAND, MAKEWPARAM(commandId, 0), 0) != FALSE;
}

HWND showPanel(HWND dialog, WORD button, int probe) {
    return postCommand(dialog, button) ? waitForPanelWith(dialog, probe) : nullptr;
}

bool postClose(HWND window) { return PostMessageW(window, WM_CLOSE, 0, 0) != FALSE; }

bool closeDialog(HWND dialog, WORD button) {
    return postCommand(dialog, button) && waitUntil([&] { return !IsWindow(dialog); });
}

bool activate(HWND window) {
    SetForegroundWindow(window);
    return GetForegroundWindow() == window;
}

bool pressKeys(std::initializer_list<WORD> virtualKeys) {
    std::vector<INPUT> inputs;
    for (WORD key : virtualKeys) {
        inputs.push_back(keyInput(key, false));
    }
    for (auto key = std::rbegin(virtualKeys); key != std::rend(virtualKeys); ++key) {
        inputs.push_back(keyInput(*key, true));
    }
    return send(inputs);
}

bool moveTo(POINT screenPoint) {
    std::vector<INPUT> inputs{mouseInputAt(0, screenPoint)};
    return send(inputs);
}

bool clickAt(POINT screenPoint, MouseButton button, int clicks) {
    if (!placePointer(screenPoint)) {
        return false;
    }
    const DWORD down = button == MouseButton::Left ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_RIGHTDOWN;
    const DWORD up = button == MouseButton::Left ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_RIGHTUP;
    std::vector<INPUT> inputs;
    for (int click = 0; click < clicks; ++click) {
        inputs.push_back(mouseInputAt(down, screenPoint));
        inputs.push_back(mouseInputAt(up, screenPoint));
    }
    return send(inputs);
}

bool clickInClient(HWND window, POINT clientPoint, MouseButton button, int clicks) {
    POINT screenPoint = clientPoint;
    return ClientToScreen(window, &screenPoint) && clickAt(screenPoint, button, clicks);
}

bool turnWheelInClient(HWND window, POINT clientPoint, int delta) {
    POINT screenPoint = clientPoint;
    if (!ClientToScreen(window, &screenPoint) || !placePointer(screenPoint)) return false;
    INPUT input = mouseInputAt(MOUSEEVENTF_WHEEL, screenPoint);
    input.mi.mouseData = static_cast<DWORD>(delta);
    std::vector<INPUT> inputs{input};
    return send(inputs);
}

bool moveMouseInClient(HWND window, POINT clientPoint) {
    POINT screenPoint = clientPoint;
    return ClientToScreen(window, &screenPoint) && placePointer(screenPoint);
}

}  // namespace quillory::e2e
