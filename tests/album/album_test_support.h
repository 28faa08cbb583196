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

// The Unicode forms other programs may save an album in, besides the album format itself.
enum class UnicodeForm { Utf16LeUnmarked, Utf16BeMarked, Utf16BeUnmarked, Utf8Marked, Utf8Unmarked };
constexpr UnicodeForm kOtherUnicodeForms[] = {UnicodeForm::Utf16LeUnmarked, UnicodeForm::Utf16BeMarked,
                                              UnicodeForm::Utf16BeUnmarked, UnicodeForm::Utf8Marked,
                                              UnicodeForm::Utf8Unmarked};

inline std::string inForm(TextView text, UnicodeForm form) {
    if (form == UnicodeForm::Utf8Marked || form == UnicodeForm::Utf8Unmarked) {
        return (form == UnicodeForm::Utf8Marked ? "\xEF\xBB\xBF" : "") + textToUtf8(text);
    }
    const bool bigEndian = form != UnicodeForm::Utf16LeUnmarked;
    std::string bytes = form == UnicodeForm::Utf16BeMarked ? "\xFE\xFF" : "";
    for (char16_t c : text) {
        bytes.push_back(static_cast<char>(bigEndian ? c >> 8 : c & 0xFF));
        bytes.push_back(static_cast<char>(bigEndian ? c & 0xFF : c >> 8));
    }
    return bytes;
}

inline std::string nameOf(UnicodeForm form) {
    constexpr const char* names[] = {"UTF-16LE without mark", "UTF-16BE", "UTF-16BE without mark", "UTF-8 with mark",
                                     "UTF-8 without mark"};
    return names[static_cast<int>(form)];
}

// The lines joined with CR LF, each line ended.
inline Text crlfLines(const std::vector<Text>& lines) {
    Text text;
    for (const Text& line : lines) text += line + u"\r\n";
    return text;
}

}  // namespace quillory::testing
