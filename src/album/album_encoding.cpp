#include "album/album_encoding.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace quillory {

namespace {

constexpr std::array<std::uint8_t, 2> kUtf16LeMark{0xFF, 0xFE};
constexpr std::array<std::uint8_t, 2> kUtf16BeMark{0xFE, 0xFF};
constexpr std::array<std::uint8_t, 3> kUtf8Mark{0xEF, 0xBB, 0xBF};

template <std::size_t N>
bool startsWith(std::span<const std::uint8_t> bytes, const std::array<std::uint8_t, N>& mark) {
    return bytes.size() >= N && std::equal(mark.begin(), mark.end(), bytes.begin());
}

bool isBlankOrLineEnd(std::uint8_t c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Each unit one ASCII byte and one zero byte, the zero on the side of the byte order, up to the
// first unit that is no blank: "[" or ";" as an album starts. Ansi when the bytes are not so.
AlbumEncoding unmarkedUtf16(std::span<const std::uint8_t> bytes) {
    AlbumEncoding order = AlbumEncoding::Ansi;
    for (std::size_t at = 0; at + 1 < bytes.size(); at += 2) {
        const std::uint8_t first = bytes[at];
        const std::uint8_t second = bytes[at + 1];
        if ((first == 0) == (second == 0)) return AlbumEncoding::Ansi;
        const AlbumEncoding unitOrder = second == 0 ? AlbumEncoding::Utf16Le : AlbumEncoding::Utf16Be;
        const std::uint8_t ascii = second == 0 ? first : second;
        if (ascii >= 0x80 || (order != AlbumEncoding::Ansi && order != unitOrder)) return AlbumEncoding::Ansi;
        order = unitOrder;
        if (!isBlankOrLineEnd(ascii)) return ascii == '[' || ascii == ';' ? order : AlbumEncoding::Ansi;
    }
    return AlbumEncoding::Ansi;
}

// Well-formed UTF-8: no stray continuation byte, no overlong form, no surrogate, nothing beyond
// U+10FFFF, no sequence cut off at the end.
bool isUtf8(std::span<const std::uint8_t> bytes) {
    std::size_t at = 0;
    while (at < bytes.size()) {
        const std::uint8_t lead = bytes[at];
        if (lead < 0x80) {
            ++at;
            continue;
        }
        // The second byte's range is narrower after the leads that start overlong forms,
        // surrogates or code points past U+10FFFF.
        std::size_t length = 0;
        std::uint8_t low = 0x80;
        std::uint8_t high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            if (lead == 0xE0) low = 0xA0;
            if (lead == 0xED) high = 0x9F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            if (lead == 0xF0) low = 0x90;
            if (lead == 0xF4) high = 0x8F;
        } else {
            return false;
        }
        if (bytes.size() - at < length || bytes[at + 1] < low || bytes[at + 1] > high) return false;
        for (std::size_t k = 2; k < length; ++k) {
            if ((bytes[at + k] & 0xC0) != 0x80) return false;
        }
        at += length;
    }
    return true;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

// A header line naming the main section as the album document reads headers: blanks around
// the brackets and the name, letters in any case.
bool isMainHeader(std::string_view line) {
    line = trimmed(line);
    if (line.empty() || line.front() != '[') return false;
    line.remove_prefix(1);
    const std::string_view name = trimmed(line.substr(0, line.find(']')));
    constexpr std::string_view kMain = "quillory";
    return name.size() == kMain.size() && std::equal(name.begin(), name.end(), kMain.begin(), [](char a, char b) {
               return (a >= 'A' && a <= 'Z' ? static_cast<char>(a - 'A' + 'a') : a) == b;
           });
}

bool holdsMainHeader(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find_first_of("\r\n", start), text.size());
        if (isMainHeader(text.substr(start, end - start))) return true;
        start = end + 1;
    }
    return false;
}

}  // namespace

AlbumEncoding detectAlbumEncoding(std::span<const std::uint8_t> bytes) {
    if (startsWith(bytes, kUtf16LeMark)) return AlbumEncoding::Utf16LeMarked;
    if (startsWith(bytes, kUtf16BeMark)) return AlbumEncoding::Utf16Be;
    if (startsWith(bytes, kUtf8Mark)) return AlbumEncoding::Utf8;
    if (const AlbumEncoding utf16 = unmarkedUtf16(bytes); utf16 != AlbumEncoding::Ansi) return utf16;
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    const bool albumStart = text.starts_with(";Quillory");
    const bool beyondAscii = std::any_of(bytes.begin(), bytes.end(), [](std::uint8_t b) { return b >= 0x80; });
    if (!albumStart && !(beyondAscii && holdsMainHeader(text))) return AlbumEncoding::Ansi;
    return isUtf8(bytes) ? AlbumEncoding::Utf8 : AlbumEncoding::Ansi;
}

std::size_t markSize(std::span<const std::uint8_t> bytes) {
    if (startsWith(bytes, kUtf16LeMark) || startsWith(bytes, kUtf16BeMark)) return 2;
    return startsWith(bytes, kUtf8Mark) ? 3 : 0;
}

}  // namespace quillory
