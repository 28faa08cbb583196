#pragma once
// UTF-16 text as the program stores and shows it, and the few helpers every subsystem needs.
#include <cstddef>
#include <string>
#include <string_view>

namespace quillory {

using Text = std::u16string;
using TextView = std::u16string_view;

// Conversions for tools, tests and file names on the native side; invalid input becomes U+FFFD.
Text textFromUtf8(std::string_view utf8);
std::string textToUtf8(TextView text);

// ASCII letters compared without case, as the album's section and key names are.
bool equalsNoCase(TextView a, TextView b);
char16_t asciiUpper(char16_t c);

// Spaces and tabs: what INI values and names are trimmed of. Most units are above the blank, and
// one comparison tells them so.
inline bool isBlank(char16_t c) {
    return c <= u' ' && (c == u' ' || c == u'\t');
}

// The text without the blanks at its ends.
TextView trimBlanks(TextView text);

// The first `capacity` code units of a text (fixed-capacity fields cut rather than fail).
Text capped(TextView text, std::size_t capacity);

bool contains(TextView haystack, TextView needle);
bool endsWith(TextView text, TextView suffix);

}  // namespace quillory
