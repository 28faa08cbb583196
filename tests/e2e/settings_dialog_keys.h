// What both settings dialogs' tests need to follow the keyboard focus: which control has it, and
// where a person clicks a button of the panel toolbar.
#pragma once

#include "owned_handles.h"
#include "window_query.h"

#include <windows.h>
#include <commctrl.h>

#include <optional>

namespace quillory::e2e {

// The control with the keyboard focus in the thread that runs the window; nullptr when none has.
inline HWND focusOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
    return info.hwndFocus;
}

// The middle of button `index` of a toolbar in another process, in the toolbar's client
// coordinates.
inline std::optional<POINT> toolbarButtonCentre(HWND toolbar, int index) {
    OwnedHandle process(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, windowProcess(toolbar)));
    if (!process) return std::nullopt;
    RemoteBuffer remote(process.get(), sizeof(RECT));
    RECT place{};
    const std::optional<LRESULT> found =
        remote ? sendMessage(toolbar, TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(remote.address()))
               : std::nullopt;
    if (!found || *found == 0 || !ReadProcessMemory(process.get(), remote.address(), &place, sizeof(place), nullptr)) {
        return std::nullopt;
    }
    return POINT{(place.left + place.right) / 2, (place.top + place.bottom) / 2};
}

}  // namespace quillory::e2e
