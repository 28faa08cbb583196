#include "album/key_hash_set.h"

#include <bit>
#include <utility>

namespace quillory {

namespace {

constexpr std::size_t kFirstSlots = 64;

// The name hashes differ mostly in their high bits; spreading them picks a slot from all bits.
std::size_t slotOf(std::uint64_t hash, std::size_t slotCount) {
    hash ^= hash >> 31;
    hash *= 0xBF58476D1CE4E5B9ull;
    return static_cast<std::size_t>(hash >> (64 - std::countr_zero(slotCount)));
}

}  // namespace

void KeyHashSet::clear() {
    count_ = 0;
    if (++round_ != 0) return;
    // After four billion sections the rounds start again from a table that holds none of them.
    for (Slot& slot : slots_) slot.round = 0;
    round_ = 1;
}

bool KeyHashSet::insert(std::uint64_t hash) {
    if ((count_ + 1) * 2 > slots_.size()) grow();
    if (!insertInto(slots_, hash)) return false;
    ++count_;
    return true;
}

bool KeyHashSet::insertInto(std::vector<Slot>& slots, std::uint64_t hash) const {
    const std::size_t mask = slots.size() - 1;
    for (std::size_t at = slotOf(hash, slots.size());; at = (at + 1) & mask) {
        Slot& slot = slots[at];
        if (slot.round != round_) {
            slot = Slot{hash, round_};
            return true;
        }
        if (slot.hash == hash) return false;
    }
}

void KeyHashSet::grow() {
    std::vector<Slot> larger(slots_.empty() ? kFirstSlots : slots_.size() * 2);
    for (const Slot& slot : slots_) {
        if (slot.round == round_) insertInto(larger, slot.hash);
    }
    slots_ = std::move(larger);
}

}  // namespace quillory
