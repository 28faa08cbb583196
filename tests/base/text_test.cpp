#include "base/text.h"

#include <gtest/gtest.h>

namespace quillory {
namespace {

TEST(Utf8, RoundTripsJapaneseAndSurrogatePairs) {
    const Text text = u"ＭＳ Ｐゴシック \U0001F600";
    EXPECT_EQ(textFromUtf8(textToUtf8(text)), text);
    EXPECT_EQ(textToUtf8(u"写真"), "\xE5\x86\x99\xE7\x9C\x9F");
}

TEST(Utf8, BrokenInputBecomesReplacementCharacters) {
    EXPECT_EQ(textFromUtf8("a\xFF" "b"), u"a\uFFFDb");
    EXPECT_EQ(textFromUtf8("\xE5\x86"), u"\uFFFD\uFFFD");
    const Text lonelySurrogate{u'a', static_cast<char16_t>(0xD800)};
    EXPECT_EQ(textToUtf8(lonelySurrogate), "a\xEF\xBF\xBD");
}

TEST(EqualsNoCase, FoldsAsciiLettersOnly) {
    EXPECT_TRUE(equalsNoCase(u"PageCount", u"pagecount"));
    EXPECT_FALSE(equalsNoCase(u"Page1", u"Page10"));
    EXPECT_FALSE(equalsNoCase(u"ａ", u"Ａ"));
}

}  // namespace
}  // namespace quillory
