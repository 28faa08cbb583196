#include "photoinfo/tag_value.h"

#include <gtest/gtest.h>

#include "photoinfo/photo_items.h"
#include "support/fake_platform.h"

namespace quillory {
namespace {

using namespace quillory::testing;

TEST(TagValue, RationalsFillOnlyThePairsTheItemHolds) {
    const TagValue one = decodeTagValue(rationalItem(0x0006, {352, 10}));
    EXPECT_EQ(one.number, 352u);
    EXPECT_EQ(one.den1, 10u);
    EXPECT_EQ(one.num2, 0u);
    EXPECT_EQ(one.den3, 0u);
    const TagValue three = decodeTagValue(rationalItem(0x0002, {35, 1, 39, 1, 2917, 100}));
    EXPECT_EQ(three.num2, 39u);
    EXPECT_EQ(three.den2, 1u);
    EXPECT_EQ(three.num3, 2917u);
    EXPECT_EQ(three.den3, 100u);
    const TagValue signedPair = decodeTagValue(sRationalItem(0x9204, -1, 3));
    EXPECT_EQ(static_cast<std::int32_t>(signedPair.number), -1);
}

TEST(TagValue, ShortsLongsAndCharacters) {
    const TagValue iso = decodeTagValue(shortItem(0x8827, {65535, 12800}));
    EXPECT_EQ(iso.firstShort, 65535);
    EXPECT_EQ(iso.number, 12800u);
    EXPECT_EQ(decodeTagValue(shortItem(0x8827, {200})).number, 0u);  // no further value
    EXPECT_EQ(decodeTagValue(longItem(0x8827, {123456})).number, 123456u);
    EXPECT_EQ(decodeTagValue(longItem(0x8827, {123456})).firstShort, 0);
    EXPECT_EQ(decodeTagValue(asciiItem(0x0001, "N")).firstChar, 'N');
    EXPECT_EQ(decodeTagValue(numbersItem(0x0001, PropertyTypeByte, {'E'}, 1)).firstChar, 'E');
    const TagValue undefined = decodeTagValue(numbersItem(0x9000, PropertyTypeUndefined, {1, 2, 3, 4, 5, 6, 7, 8}, 1));
    EXPECT_EQ(undefined.firstChar, 0);
    EXPECT_EQ(undefined.number, 0u);
}

TEST(TagValue, ShortValuesNeverReadPastTheirLength) {
    // A record that claims more than its buffer holds reads only what is there.
    PropertyItem lying = rationalItem(0x0002, {35, 1});
    lying.length = 24;
    const TagValue v = decodeTagValue(lying);
    EXPECT_EQ(v.number, 35u);
    EXPECT_EQ(v.num2, 0u);
    PropertyItem empty{0x829A, PropertyTypeRational, 0, {}};
    EXPECT_EQ(decodeTagValue(empty).den1, 0u);
}

TEST(PropertyText, AbsentNonAsciiAndLongValues) {
    FakeCodePage codePage;
    const std::vector<PropertyItem> items{asciiItem(0x010F, "Caf\xE9"), shortItem(0x0110, {5}), asciiItem(0x0131, std::string(300, 'x')),
                                          asciiItem(0x010F, "second make")};
    EXPECT_EQ(readPropertyText(items, 0x010F, codePage), u"Café");  // the first item of a tag
    EXPECT_EQ(readPropertyText(items, 0x0110, codePage), u"");      // present, not ASCII
    EXPECT_EQ(readPropertyText(items, 0x0132, codePage), std::nullopt);
    EXPECT_EQ(readPropertyText(items, 0x0131, codePage)->size(), 255u);
    const std::vector<PropertyItem> embeddedZero{asciiItem(0x013B, std::string_view("ab\0cd", 5))};
    EXPECT_EQ(readPropertyText(embeddedZero, 0x013B, codePage), u"ab");
    const std::vector<PropertyItem> zeroLength{PropertyItem{0x013B, PropertyTypeAscii, 0, {}}};
    EXPECT_EQ(readPropertyText(zeroLength, 0x013B, codePage), u"");
}

}  // namespace
}  // namespace quillory
