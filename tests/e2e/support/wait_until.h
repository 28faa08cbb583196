// Polls a condition until it holds or the time allowed for it runs out. The limits only guard a
// test against a program that never gets there; they are not measurements.
#pragma once

#include <windows.h>

#include <chrono>
#include <optional>

namespace quillory::e2e {

using Duration = std::chrono::milliseconds;
inline constexpr Duration kWindowWait{20000};
inline constexpr Duration kExitWait{15000};

template <typename Condition>
bool waitUntil(Condition condition, Duration limit = kWindowWait) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    for (;;) {
        if (condition()) {
            return true;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        Sleep(40);
    }
}

// Waits for a lookup that yields an optional or pointer-like value, returning the first that is set.
template <typename Lookup>
auto waitFor(Lookup lookup, Duration limit = kWindowWait) -> decltype(lookup()) {
    decltype(lookup()) found{};
    waitUntil([&] { return static_cast<bool>(found = lookup()); }, limit);
    return found;
}

}  // namespace quillory::e2e
