#include "album/hex_twin.h"

namespace quillory {

namespace {

unsigned digitValue(char16_t c) {
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (c >= u'A' && c <= u'F') return c - u'A' + 10;
    if (c >= u'a' && c <= u'f') return c - u'a' + 10;
    return 0;
}

}  // namespace

Text decodeHexTwin(TextView hex) {
    hex = hex.substr(0, kHexTwinCapacity);
    Text text;
    for (std::size_t group = 0; group < hex.size(); group += 4) {
        unsigned unit = 0;
        for (std::size_t digit = group; digit < group + 4; ++digit) {
            unit = unit * 16 + (digit < hex.size() ? digitValue(hex[digit]) : 0);
        }
        if (unit == 0) break;
        text.push_back(static_cast<char16_t>(unit));
    }
    return text;
}

}  // namespace quillory
