#include "album/ini_document.h"

#include <gtest/gtest.h>

#include "album/short_text.h"
#include "album_test_support.h"

namespace quillory::testing {
namespace {

class IniDocumentTest : public ::testing::Test {
protected:
    IniDocument parse(TextView text) {
        const std::string bytes = unicodeFile(text);
        return IniDocument::parse(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), codePage);
    }
    IniDocument parseAnsi(std::string_view bytes) {
        return IniDocument::parse(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), codePage);
    }
    std::string serialised(const IniDocument& doc) {
        const auto bytes = doc.serialise(codePage);
        return std::string(bytes.begin(), bytes.end());
    }
    FakeCodePage codePage;
};

TEST_F(IniDocumentTest, ReadsNamesWithoutCaseAndTrimsBlanks) {
    const IniDocument doc = parse(u"[Main]\r\n  Width = 42 \r\nname=Ｐゴ\r\n");
    EXPECT_TRUE(doc.isUnicode());
    EXPECT_EQ(doc.readInt(u"MAIN", u"width", 0), 42);
    EXPECT_EQ(doc.readString(u"main", u"NAME", u"", 10), u"Ｐゴ");
    EXPECT_FALSE(doc.value(u"Main", u"Height"));
    EXPECT_FALSE(doc.value(u"Other", u"Width"));
}

TEST_F(IniDocumentTest, FirstOfDuplicateSectionsAndKeysWins) {
    const IniDocument doc = parse(u"[A]\r\nk=1\r\nk=2\r\n[B]\r\nx=0\r\n[a]\r\nk=3\r\nj=4\r\n");
    EXPECT_EQ(doc.readInt(u"A", u"k", 0), 1);
    EXPECT_FALSE(doc.value(u"A", u"j")) << "keys of a later duplicate section are not read";
}

// Lookups start where the last one hit and try the section found last first: in any order they
// must still find the first of each name.
TEST_F(IniDocumentTest, LookupsInAnyOrderFindTheFirstOfEachName) {
    IniDocument doc = parse(u"[A]\r\na=1\r\nk=2\r\nK=3\r\n[P1]\r\nx=4\r\n[P2]\r\nx=5\r\n[p1]\r\nx=6\r\n");
    EXPECT_EQ(doc.readInt(u"A", u"k", 0), 2);
    EXPECT_EQ(doc.readInt(u"A", u"k", 0), 2) << "the first of a duplicate key, though the search starts past it";
    EXPECT_EQ(doc.readInt(u"A", u"a", 0), 1) << "before the last hit";
    EXPECT_EQ(doc.readInt(u"P2", u"x", 0), 5);
    doc.deleteSection(u"P2");
    EXPECT_EQ(doc.readInt(u"p1", u"x", 0), 4) << "the first section of its name, whatever was found last";
    doc.write(u"P1", u"y", u"7");
    EXPECT_EQ(doc.readInt(u"P1", u"y", 0), 7);
    EXPECT_EQ(doc.readInt(u"P1", u"x", 0), 4);
}

// A section far past what the key filter tells apart: every key is found where it stands, a
// missing one is missing, and of a key standing twice the first still wins, in any reading order.
TEST_F(IniDocumentTest, LookupsInASectionOfAHundredThousandKeys) {
    constexpr int kKeys = 100000;
    Text text = u"[Big]\r\n";
    for (int i = 0; i < kKeys; ++i) text += Text(ShortText(u"k").appendNumber(i).append(u"=").appendNumber(i).append(u"\r\n"));
    IniDocument unique = parse(text + u"[Next]\r\nk5=next\r\n");
    EXPECT_EQ(unique.readInt(u"Big", u"k99998", -1), 99998);
    EXPECT_EQ(unique.readInt(u"Big", u"K12345", -1), 12345) << "behind the last hit, without case";
    EXPECT_FALSE(unique.value(u"Big", u"k100000"));
    unique.write(u"Big", u"k7", u"seven");
    unique.write(u"Big", u"added", u"1");
    EXPECT_EQ(unique.readString(u"Big", u"k7", u"", 10), u"seven");
    EXPECT_EQ(unique.readInt(u"Big", u"added", 0), 1);
    EXPECT_EQ(unique.readString(u"Next", u"k5", u"", 10), u"next") << "a later section's keys are its own";

    IniDocument twice = parse(text + u"K5=dup\r\nlast=1\r\n");
    EXPECT_EQ(twice.readInt(u"Big", u"last", 0), 1);
    EXPECT_EQ(twice.readInt(u"Big", u"k6", -1), 6);
    EXPECT_EQ(twice.readInt(u"Big", u"k5", -1), 5) << "the first of a key standing twice, though the last hit lies between them";
    twice.write(u"Big", u"k5", u"first");
    EXPECT_EQ(twice.readString(u"Big", u"k5", u"", 10), u"first");
    EXPECT_NE(serialised(twice).find(unicodeFile(u"\r\nK5=dup\r\n").substr(2)), std::string::npos) << "the second stays as it was";
}

// A written key is kept as a reader of the file would see it.
TEST_F(IniDocumentTest, WrittenKeysReadAsTheFileWouldReadThem) {
    IniDocument doc = parse(u"[A]\r\n");
    doc.write(u"A", u"a=b", u"1");
    doc.write(u"A", u"[B]", u"2");
    doc.write(u"A", u"\u3D41", u"3");
    const IniDocument reread = parse(Text(u"[A]\r\na=b=1\r\n[B]=2\r\n\u3D41=3\r\n"));
    EXPECT_EQ(doc.readString(u"A", u"a", u"", 9), reread.readString(u"A", u"a", u"", 9));
    EXPECT_EQ(doc.readString(u"A", u"a=b", u"-", 9), u"-");
    EXPECT_FALSE(doc.value(u"A", u"[B]")) << "a header to a reader, never a key";
    EXPECT_EQ(doc.readInt(u"A", u"\u3D41", 0), 3);
}

TEST_F(IniDocumentTest, IgnoresLinesWithoutEqualsKeysBeforeSectionsAndComments) {
    const IniDocument doc = parse(u"early=1\r\n[S]\r\njust words\r\n;note=5\r\n=7\r\nlate=2\r\n");
    EXPECT_FALSE(doc.value(u"", u"early"));
    EXPECT_FALSE(doc.value(u"S", u"just words"));
    EXPECT_FALSE(doc.value(u"S", u";note"));
    EXPECT_EQ(doc.readInt(u"S", u"late", 0), 2);
}

TEST_F(IniDocumentTest, IntegersReadLikeThePlatform) {
    const IniDocument doc = parse(
        u"[S]\r\nneg=-1\r\nlead=12abc\r\nword=abc\r\nempty=\r\nbig=4294967295\r\nplus=+7\r\n");
    EXPECT_EQ(doc.readInt(u"S", u"neg", 5), -1);
    EXPECT_EQ(doc.readInt(u"S", u"lead", 5), 12);
    EXPECT_EQ(doc.readInt(u"S", u"word", 5), 0);
    EXPECT_EQ(doc.readInt(u"S", u"empty", 5), 5);
    EXPECT_EQ(doc.readInt(u"S", u"missing", 5), 5);
    EXPECT_EQ(doc.readInt(u"S", u"big", 5), -1) << "values with bit 31 set come back as written";
    EXPECT_EQ(doc.readInt(u"S", u"plus", 5), 7);
}

TEST_F(IniDocumentTest, StringsAreCutToCapacityIncludingTheFallback) {
    const IniDocument doc = parse(u"[S]\r\nlong=abcdefgh\r\n");
    EXPECT_EQ(doc.readString(u"S", u"long", u"", 3), u"abc");
    EXPECT_EQ(doc.readString(u"S", u"none", u"fallback", 4), u"fall");
}

TEST_F(IniDocumentTest, UntouchedFileRoundTripsByteForByte) {
    const Text text = u";top\r\n\r\n[A]\r\n; comment\r\nk = v \r\nodd line\r\n\r\n[B]\r\nx=1";
    EXPECT_EQ(serialised(parse(text)), unicodeFile(text));
}

TEST_F(IniDocumentTest, LoneLineFeedsAndCarriageReturnsBecomeCrLf) {
    EXPECT_EQ(serialised(parse(u"[A]\nk=1\rj=2\n")), unicodeFile(u"[A]\r\nk=1\r\nj=2\r\n"));
}

TEST_F(IniDocumentTest, WritingReplacesInPlaceAppendsToSectionAndAddsSections) {
    IniDocument doc = parse(u"[A]\r\nK = old\r\nz=9\r\n\r\n[B]\r\ny=1\r\n");
    doc.write(u"a", u"k", u"new");
    doc.write(u"A", u"added", u"1");
    doc.write(u"C", u"c", u"");
    EXPECT_EQ(serialised(doc), unicodeFile(u"[A]\r\nK=new\r\nz=9\r\nadded=1\r\n\r\n[B]\r\ny=1\r\n[C]\r\nc=\r\n"));
}

TEST_F(IniDocumentTest, AppendingToAFileWithoutFinalLineEndEndsTheLastLineFirst) {
    IniDocument lastSection = parse(u"[A]\r\nk=1");
    lastSection.write(u"A", u"j", u"2");
    EXPECT_EQ(serialised(lastSection), unicodeFile(u"[A]\r\nk=1\r\nj=2\r\n"));

    IniDocument markOnly = parse(u";Quillory");
    markOnly.write(u"Quillory", u"xPosi", u"180");
    EXPECT_EQ(serialised(markOnly), unicodeFile(u";Quillory\r\n[Quillory]\r\nxPosi=180\r\n"));
}

TEST_F(IniDocumentTest, ValuesCannotBreakIntoNewLines) {
    IniDocument doc = parse(u"[A]\r\n");
    doc.write(u"A", u"k", u"one\r\n[Evil]\nx=1");
    EXPECT_FALSE(doc.hasSection(u"Evil"));
    EXPECT_EQ(doc.readString(u"A", u"k", u"", 100), u"one  [Evil] x=1");
    const IniDocument reread = parse(Text(u"[A]\r\n") + u"k=" + doc.readString(u"A", u"k", u"", 100));
    EXPECT_FALSE(reread.hasSection(u"Evil"));
}

TEST_F(IniDocumentTest, DeletesKeysAndWholeSections) {
    IniDocument doc = parse(u"[A]\r\nk=1\r\nj=2\r\n[B]\r\nx=1\r\n; kept with B\r\n[C]\r\ny=3\r\n");
    doc.deleteKey(u"A", u"K");
    doc.deleteKey(u"A", u"missing");
    doc.deleteSection(u"b");
    EXPECT_EQ(serialised(doc), unicodeFile(u"[A]\r\nj=2\r\n[C]\r\ny=3\r\n"));
    EXPECT_EQ(doc.readInt(u"C", u"y", 0), 3) << "sections after a deleted one are still found";
    doc.write(u"C", u"z", u"4");
    EXPECT_EQ(doc.readInt(u"C", u"z", 0), 4);
}

TEST_F(IniDocumentTest, SeparatesSectionsOnceWithBlankLines) {
    IniDocument doc = parse(u";Quillory\r\n[A]\r\nk=1\r\n[B]\r\n\r\n[C]\r\n  [D]\r\n");
    EXPECT_TRUE(doc.separateSections());
    const std::string expected = unicodeFile(u";Quillory\r\n\r\n[A]\r\nk=1\r\n\r\n[B]\r\n\r\n[C]\r\n  [D]\r\n");
    EXPECT_EQ(serialised(doc), expected);
    EXPECT_FALSE(doc.separateSections());
    EXPECT_EQ(serialised(doc), expected);
    // Each section still holds its own lines: a new key goes before its section's blank line.
    doc.write(u"A", u"j", u"2");
    doc.write(u"C", u"m", u"3");
    EXPECT_EQ(doc.readInt(u"A", u"k", 0), 1);
    EXPECT_EQ(serialised(doc), unicodeFile(u";Quillory\r\n\r\n[A]\r\nk=1\r\nj=2\r\n\r\n[B]\r\n\r\n[C]\r\nm=3\r\n  [D]\r\n"));
}

TEST_F(IniDocumentTest, OddLengthAndTruncatedUnicodeFilesDropTheTrailingByte) {
    std::string bytes = unicodeFile(u"[A]\r\nk=12");
    bytes.push_back('\x33');
    const IniDocument doc = parseAnsi(bytes);
    EXPECT_TRUE(doc.isUnicode());
    EXPECT_EQ(doc.readInt(u"A", u"k", 0), 12);
    EXPECT_FALSE(parseAnsi("\xFF\xFE\x5B").hasSection(u"A"));
    EXPECT_FALSE(parseAnsi("\xFF").isUnicode());
    EXPECT_TRUE(parseAnsi("").value(u"", u"") == std::nullopt);
}

TEST_F(IniDocumentTest, UnicodeInEveryFormIsReadAsItselfAndWrittenInTheAlbumFormat) {
    const Text text = u";Quillory\r\n[Page1]\r\nLabel=家族の写真 📷\r\nLabelHex=0061\r\n";
    for (const UnicodeForm form : kOtherUnicodeForms) {
        IniDocument doc = parseAnsi(inForm(text, form));
        EXPECT_TRUE(doc.isUnicode()) << nameOf(form);
        EXPECT_EQ(doc.readString(u"Page1", u"Label", u"", 31), u"家族の写真 📷") << nameOf(form);
        EXPECT_EQ(serialised(doc), unicodeFile(text)) << nameOf(form);
    }
}

TEST_F(IniDocumentTest, LegacyFilesAreDecodedAndWrittenThroughTheCodePage) {
    IniDocument doc = parseAnsi("[A]\r\nname=caf\xE9\r\n");
    EXPECT_FALSE(doc.isUnicode());
    EXPECT_EQ(doc.readString(u"A", u"name", u"", 10), u"café");
    doc.write(u"A", u"more", u"\u00FC");
    EXPECT_EQ(serialised(doc), "[A]\r\nname=caf\xE9\r\nmore=\xFC\r\n");
}

TEST_F(IniDocumentTest, ResetStartsAFreshUnicodeFile) {
    IniDocument doc = parseAnsi("[A]\r\nk=1\r\n");
    doc.resetTo(u";Quillory", true);
    EXPECT_FALSE(doc.hasSection(u"A"));
    EXPECT_EQ(serialised(doc), unicodeFile(u";Quillory"));
}

}  // namespace
}  // namespace quillory::testing
