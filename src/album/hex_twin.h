#pragma once
// Older album files hold texts their code page could not store in a twin key named after the
// text key with "Hex" appended: four hexadecimal digits per UTF-16 code unit (abc is 006100620063).
#include "base/text.h"

namespace quillory {

// At most this many characters of a twin are decoded (130 code units).
constexpr std::size_t kHexTwinCapacity = 519;

// Forgiving: a character that is not a hexadecimal digit counts as 0, an incomplete last group
// is completed with zeros, and the text ends at a zero code unit.
Text decodeHexTwin(TextView hex);

}  // namespace quillory
