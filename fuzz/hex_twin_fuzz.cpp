// Any text as a Hex twin: decoding stays within its capacity, and what it decodes to encodes
// back to the same digits.
#include <cstdint>
#include <cstdlib>

#include "album/hex_twin.h"
#include "base/format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quillory;
    Text hex;
    for (std::size_t i = 0; i + 1 < size; i += 2) hex.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
    const Text text = decodeHexTwin(hex);
    if (text.size() > (kHexTwinCapacity + 3) / 4) std::abort();
    Text encoded;
    for (char16_t unit : text) encoded += formatText(u"%04X", {static_cast<unsigned>(unit)});
    if (decodeHexTwin(encoded) != text) std::abort();
    return 0;
}
