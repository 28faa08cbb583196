#include "album/short_text.h"

#include <algorithm>

namespace quillory {

ShortText& ShortText::appendNumber(std::int64_t number, int minDigits) {
    if (number < 0) append(u"-");
    std::uint64_t magnitude = number < 0 ? 0u - static_cast<std::uint64_t>(number) : static_cast<std::uint64_t>(number);
    // The digits from the right, then copied in at once.
    std::array<char16_t, 40> digits{};
    std::size_t first = digits.size();
    do {
        digits[--first] = static_cast<char16_t>(u'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    const std::size_t padded = digits.size() - static_cast<std::size_t>(std::clamp(minDigits, 1, static_cast<int>(digits.size())));
    if (padded < first) {
        std::fill(digits.begin() + static_cast<std::ptrdiff_t>(padded), digits.begin() + static_cast<std::ptrdiff_t>(first), u'0');
        first = padded;
    }
    return append(TextView(digits.data() + first, digits.size() - first));
}

}  // namespace quillory
