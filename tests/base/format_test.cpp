#include "base/format.h"

#include <gtest/gtest.h>

namespace quillory {
namespace {

TEST(FormatText, FillsTheProgramsOwnFormats) {
    EXPECT_EQ(formatText(u"%s%d", {u"Page", 3}), u"Page3");
    EXPECT_EQ(formatText(u"%s%03d", {u"Comment", 4}), u"Comment004");
    EXPECT_EQ(formatText(u"%s%02d", {u"HistoryFileName", 8}), u"HistoryFileName08");
    EXPECT_EQ(formatText(u"%s-Default", {u"Page"}), u"Page-Default");
    EXPECT_EQ(formatText(u"%d年%d月%d日(%s) %s%d時%02d分", {2024, 5, 6, u"月", u"午後", 3, 7}),
              u"2024年5月6日(月) 午後3時07分");
}

TEST(FormatText, PrecisionCutsTextAndWidthPadsNumbers) {
    const Text longName(70, u'n');
    EXPECT_EQ(formatText(u"%0.64s - %s", {longName, u"Quillory"}), Text(64, u'n') + u" - Quillory");
    EXPECT_EQ(formatText(u"%05d|%-4d|%4d", {-42, 7, 7}), u"-0042|7   |   7");
    EXPECT_EQ(formatText(u"%u %x %X", {4294967295u, 255, 255}), u"4294967295 ff FF");
    EXPECT_EQ(formatText(u"%d", {static_cast<int>(0x80000000u)}), u"-2147483648");
}

TEST(FormatText, MissingArgumentsAndOddFormatsDoNotFail) {
    EXPECT_EQ(formatText(u"%s and %d", {u"one"}), u"one and ");
    EXPECT_EQ(formatText(u"100%%", {}), u"100%");
    EXPECT_EQ(formatText(u"ends with %", {}), u"ends with ");
    EXPECT_EQ(formatText(u"%s", {42}), u"");
}

}  // namespace
}  // namespace quillory
