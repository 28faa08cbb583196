#pragma once
// Helpers shared by the album store's tests: album files as UTF-16 text in a fake file system.
#include <string>
#include <vector>

#include "base/text.h"
#include "support/fake_platform.h"

namespace quillory::testing {

// FF FE followed by the UTF-16LE code units of `text`.
inline std::string unicodeFile(TextView text) {
    std::string bytes("\xFF\xFE");
    for (char16_t c : text) {
        bytes.push_back(static_cast<char>(c & 0xFF));
        bytes.push_back(static_cast<char>(c >> 8));
    }
    return bytes;
}

// The lines joined with CR LF, each line ended.
inline Text crlfLines(const std::vector<Text>& lines) {
    Text text;
    for (const Text& line : lines) text += line + u"\r\n";
    return text;
}

}  // namespace quillory::testing
