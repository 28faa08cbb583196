#pragma once
// Section names, key names and numbers built on the stack: one is made for nearly every lookup
// and write while an album loads or saves, and they are all short.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "base/text.h"

namespace quillory {

class ShortText {
public:
    static constexpr std::size_t kCapacity = 40;  // longer names are cut

    explicit ShortText(TextView text) { append(text); }

    ShortText& append(TextView text) {
        const std::size_t count = std::min(text.size(), kCapacity - size_);
        if (count != 0) std::memcpy(buffer_.data() + size_, text.data(), count * sizeof(char16_t));
        size_ += count;
        return *this;
    }
    // The number in decimal, with leading zeros up to `minDigits` digits.
    ShortText& appendNumber(std::int64_t number, int minDigits = 1);
    // Keeps the first `size` code units.
    ShortText& cut(std::size_t size) {
        if (size < size_) size_ = size;
        return *this;
    }

    TextView view() const { return TextView(buffer_.data(), size_); }
    operator TextView() const { return view(); }

private:
    std::array<char16_t, kCapacity> buffer_{};
    std::size_t size_ = 0;
};

}  // namespace quillory
