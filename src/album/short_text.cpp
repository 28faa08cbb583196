#include "album/short_text.h"

namespace quillory {

ShortText& ShortText::appendNumber(std::int64_t number, int minDigits) {
    if (number < 0) append(u"-");
    std::uint64_t magnitude = number < 0 ? 0u - static_cast<std::uint64_t>(number) : static_cast<std::uint64_t>(number);
    std::array<char16_t, 20> digits{};
    std::size_t count = 0;
    do {
        digits[count++] = static_cast<char16_t>(u'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    for (int pad = static_cast<int>(count); pad < minDigits; ++pad) append(u"0");
    while (count > 0) append(TextView(&digits[--count], 1));
    return *this;
}

}  // namespace quillory
