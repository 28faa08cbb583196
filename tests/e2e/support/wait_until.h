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

// Waits until a lookup yields the expected value and returns the last value seen, so a failed
// comparison shows what the program showed instead. Input reaches the program asynchronously:
// after keys or clicks, wait for their effect this way. To check that input changed nothing,
// follow it with input whose effect can be waited for, since the program handles input in order.
template <typename Lookup, typename Value>
auto waitForValue(Lookup lookup, const Value& expected, Duration limit = kWindowWait) -> decltype(lookup()) {
    decltype(lookup()) last = lookup();
    waitUntil([&] { return (last = lookup()) == expected; }, limit);
    return last;
}

}  // namespace quillory::e2e
