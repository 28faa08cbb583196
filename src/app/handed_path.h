#pragma once
// A path one window hands to another with a posted command. The command carries a ticket that
// names the path, never the text's address: a command from anywhere else, whatever its
// parameter, at most misses and is dropped.
#include <cstdint>
#include <optional>
#include <utility>

#include "base/text.h"

namespace quillory {

class HandedPath {
public:
    // Keeps the path until it is taken or another replaces it; the ticket is never 0.
    std::uintptr_t hand(Text path) {
        path_ = std::move(path);
        ticket_ = ++lastTicket_;  // 64 bits: never round to 0
        return ticket_;
    }

    // The path the ticket names, once.
    std::optional<Text> take(std::uintptr_t ticket) {
        if (ticket == 0 || ticket != ticket_) return std::nullopt;
        ticket_ = 0;
        return std::move(path_);
    }

private:
    Text path_;
    std::uintptr_t ticket_ = 0;  // the one path waiting; 0 when none
    std::uintptr_t lastTicket_ = 0;
    static_assert(sizeof(std::uintptr_t) == 8);
};

}  // namespace quillory
