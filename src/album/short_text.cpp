#include "album/short_text.h"

#include <algorithm>

namespace quillory {

ShortText& ShortText::appendNumber(std::int64_t number, int minDigits) {
    const bool negative = number < 0;
    std::uint64_t magnitude = negative ? 0u - static_cast<std::uint64_t>(number) : static_cast<std::uint64_t>(number);
    // The digits from the right, padded and signed, then copied in at once.
    std::array<char16_t, kCapacity + 1> digits;
    std::size_t first = digits.size();
    do {
        digits[--first] = static_cast<char16_t>(u'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    const std::size_t padded = digits.size() - std::min<std::size_t>(static_cast<std::size_t>(std::max(minDigits, 0)), kCapacity);
    while (first > padded) digits[--first] = u'0';
    if (negative) digits[--first] = u'-';
    return append(TextView(digits.data() + first, digits.size() - first));
}

}  // namespace quillory
