#pragma once
// The key hashes of one section as a load meets them, so that a key standing twice is told at
// once however many keys the section holds. Only hashes are kept: two names whose hashes meet
// count as one name seen twice, which makes later lookups in that section slower but never wrong.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace quillory {

class KeyHashSet {
public:
    // Forgets every hash without touching the table, so a file of many small sections clears
    // nothing per section.
    void clear();
    // False when the hash was there already.
    bool insert(std::uint64_t hash);

private:
    struct Slot {
        std::uint64_t hash = 0;
        std::uint32_t round = 0;  // the slot holds a hash of this round; any other round: empty
    };
    bool insertInto(std::vector<Slot>& slots, std::uint64_t hash) const;
    void grow();

    std::vector<Slot> slots_;  // open addressing, a power of two long, at most half full
    std::uint32_t round_ = 1;
    std::size_t count_ = 0;
};

}  // namespace quillory
