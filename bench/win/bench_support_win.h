#pragma once
// What the Windows benchmarks share: the clock they time with, the message pump that lets the
// program's windows do their work, and files in the temporary folder.
#include <windows.h>

#include <chrono>

#include "base/text.h"
#include "base/wide_win.h"

namespace quillory {

using SteadyClock = std::chrono::steady_clock;

inline double millisecondsBetween(SteadyClock::time_point from, SteadyClock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

inline double millisecondsSince(SteadyClock::time_point start) { return millisecondsBetween(start, SteadyClock::now()); }

template <typename Work>
double millisecondsOf(const Work& work) {
    const SteadyClock::time_point start = SteadyClock::now();
    work();
    return millisecondsSince(start);
}

// Handles every message waiting for this thread's windows.
inline void pumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

inline Text tempPath(const wchar_t* name) {
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    return fromWide(folder) + fromWide(name);
}

}  // namespace quillory
