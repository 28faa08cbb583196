#include "album/album_encoding.h"

#include <gtest/gtest.h>

#include <string_view>

namespace quillory {
namespace {

std::span<const std::uint8_t> bytesOf(std::string_view text) {
    return std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
}

AlbumEncoding detect(std::string_view text) {
    return detectAlbumEncoding(bytesOf(text));
}

// ASCII text as UTF-16 units, the zero byte after (little end) or before (big end) each character.
std::string utf16(std::string_view ascii, bool bigEndian) {
    std::string bytes;
    for (const char c : ascii) {
        bytes += bigEndian ? '\0' : c;
        bytes += bigEndian ? c : '\0';
    }
    return bytes;
}

TEST(AlbumEncoding, AMarkDecidesAlone) {
    EXPECT_EQ(detect("\xFF\xFE[\0"), AlbumEncoding::Utf16LeMarked);
    EXPECT_EQ(detect("\xFE\xFFxyz"), AlbumEncoding::Utf16Be);
    EXPECT_EQ(detect("\xEF\xBB\xBFx=caf\xE9"), AlbumEncoding::Utf8) << "even with bytes that are no UTF-8";
    EXPECT_EQ(markSize(bytesOf("\xFF\xFE")), 2u);
    EXPECT_EQ(markSize(bytesOf("\xFE\xFF;")), 2u);
    EXPECT_EQ(markSize(bytesOf("\xEF\xBB\xBF")), 3u);
    EXPECT_EQ(markSize(bytesOf("\xEF\xBB")), 0u);
    EXPECT_EQ(markSize(bytesOf("[Quillory]")), 0u);
}

TEST(AlbumEncoding, UnmarkedUtf16ShowsByZeroBytesUpToTheAlbumsStart) {
    EXPECT_EQ(detect(utf16(";Quillory\r\n[Quillory]", false)), AlbumEncoding::Utf16Le);
    EXPECT_EQ(detect(utf16("[Quillory]\r\n", true)), AlbumEncoding::Utf16Be);
    EXPECT_EQ(detect(utf16("\r\n \t[Page1]", false)), AlbumEncoding::Utf16Le) << "blank lines and blanks first";
    // After the first "[" anything may follow, Japanese section names included.
    EXPECT_EQ(detect(utf16("[", false) + "\xDA\x30"), AlbumEncoding::Utf16Le);

    EXPECT_EQ(detect(utf16("x=1", false)), AlbumEncoding::Ansi) << "not how an album starts";
    EXPECT_EQ(detect(std::string("\r\0\0[", 4)), AlbumEncoding::Ansi) << "both byte orders at once";
    EXPECT_EQ(detect(std::string("\0\0[\0", 4)), AlbumEncoding::Ansi);
    EXPECT_EQ(detect(std::string("[\0", 1)), AlbumEncoding::Ansi) << "half a unit";
    EXPECT_EQ(detect(utf16("  ", false)), AlbumEncoding::Ansi) << "only blanks";
}

TEST(AlbumEncoding, UnmarkedUtf8NeedsTheAlbumsStartOrItsMainHeaderBeyondAscii) {
    EXPECT_EQ(detect(";Quillory\r\n[Quillory]\r\nPageCount=2\r\n"), AlbumEncoding::Utf8) << "as the program writes albums";
    EXPECT_EQ(detect("[Quillory]\r\nPageCount=1\r\n[Page1]\r\nLabel=\xE6\x97\xA5\xE6\x9C\xAC\r\n"), AlbumEncoding::Utf8);
    EXPECT_EQ(detect("[Page1]\r\nLabel=\xF0\x9F\x93\xB7\r\n  [ quillory ]  \r\n"), AlbumEncoding::Utf8);

    // What older versions wrote stays legacy, Hex twins and all.
    EXPECT_EQ(detect("[Quillory]\r\nPageCount=1\r\n[Page1]\r\nLabelHex=00610062\r\n"), AlbumEncoding::Ansi);
    EXPECT_EQ(detect("[Quillory]\r\n[Page1]\r\nLabel=caf\xE9\r\n"), AlbumEncoding::Ansi) << "Latin-1";
    EXPECT_EQ(detect("[Quillory]\r\n[Page1]\r\nLabel=\x93\xFA\x96\x7B\r\n"), AlbumEncoding::Ansi) << "Shift-JIS";
    EXPECT_EQ(detect("[Page1]\r\nLabel=\xE6\x97\xA5\r\n"), AlbumEncoding::Ansi) << "no main section";
    EXPECT_EQ(detect("[Page1]\r\nQuillory=\xE6\x97\xA5\r\nx=[Quillory]\r\n"), AlbumEncoding::Ansi) << "not a header";

    // Only well-formed UTF-8 counts.
    for (const std::string_view bad : {"\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xF5\x80\x80\x80",
                                       "\x80", "\xE6\x97"}) {
        EXPECT_EQ(detect(";Quillory\r\nLabel=" + std::string(bad)), AlbumEncoding::Ansi) << testing::PrintToString(bad);
    }
}

}  // namespace
}  // namespace quillory
