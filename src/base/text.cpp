#include "base/text.h"

#include <cstring>

namespace quillory {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

void appendUnit(Text& out, char32_t cp) {
    if (cp >= 0x10000) {
        cp -= 0x10000;
        out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
        out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    } else {
        out.push_back(static_cast<char16_t>(cp));
    }
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

// Length of the UTF-8 sequence led by `lead`, or 0 when it cannot lead one.
int sequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0) return 2;
    if ((lead & 0xF0) == 0xE0) return 3;
    if ((lead & 0xF8) == 0xF0) return 4;
    return 0;
}

}  // namespace

Text textFromUtf8(std::string_view utf8) {
    Text out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const int length = sequenceLength(lead);
        if (length == 0 || i + length > utf8.size()) {
            appendUnit(out, kReplacement);
            ++i;
            continue;
        }
        char32_t cp = length == 1 ? lead : (lead & (0x7F >> length));
        bool valid = true;
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(utf8[i + k]);
            valid = valid && (next & 0xC0) == 0x80;
            cp = (cp << 6) | (next & 0x3F);
        }
        if (!valid || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = kReplacement;
        appendUnit(out, cp);
        i += valid ? length : 1;
    }
    return out;
}

std::string textToUtf8(TextView text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t cp = text[i];
        const bool high = cp >= 0xD800 && cp <= 0xDBFF;
        const bool low = cp >= 0xDC00 && cp <= 0xDFFF;
        if (high && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (high || low) {
            cp = kReplacement;
        }
        appendUtf8(out, cp);
    }
    return out;
}

char16_t asciiUpper(char16_t c) {
    return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

bool equalsNoCase(TextView a, TextView b) {
    if (a.size() != b.size()) return false;
    // Names are mostly looked up as they are spelled: one block compare settles those.
    if (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(char16_t)) == 0) return true;
    // Names that differ mostly differ at their end (Page1, Page2), so the units go from the last.
    for (std::size_t i = a.size(); i-- > 0;) {
        // Equal units need no folding.
        if (a[i] != b[i] && asciiUpper(a[i]) != asciiUpper(b[i])) return false;
    }
    return true;
}

TextView trimBlanks(TextView text) {
    const char16_t* begin = text.data();
    const char16_t* end = begin + text.size();
    while (begin != end && isBlank(*begin)) ++begin;
    while (end != begin && isBlank(end[-1])) --end;
    return TextView(begin, static_cast<std::size_t>(end - begin));
}

Text capped(TextView text, std::size_t capacity) {
    return Text(text.substr(0, capacity));
}

bool contains(TextView haystack, TextView needle) {
    return haystack.find(needle) != TextView::npos;
}

bool endsWith(TextView text, TextView suffix) {
    return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

}  // namespace quillory
