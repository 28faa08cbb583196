#include "photoinfo/exif_date.h"

#include <gtest/gtest.h>

namespace quillory {
namespace {

CivilTime civil(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
    CivilTime t;
    t.year = year;
    t.month = month;
    t.day = day;
    t.hour = hour;
    t.minute = minute;
    t.second = second;
    return t;
}

TEST(ExifDate, ReadsTheSixFieldsAtTheirPositions) {
    const CivilTime t = parseExifDate(u"2023:05:07 14:03:09");
    EXPECT_EQ(t.year, 2023);
    EXPECT_EQ(t.month, 5);
    EXPECT_EQ(t.day, 7);
    EXPECT_EQ(t.hour, 14);
    EXPECT_EQ(t.minute, 3);
    EXPECT_EQ(t.second, 9);
}

TEST(ExifDate, FieldsReadLikeTheRuntimeNumberParser) {
    // Blanks before a number are skipped, a sign is taken, letters read as 0, and a short text
    // leaves the later fields 0.
    const CivilTime t = parseExifDate(u"2023: 5:-7 ab:03");
    EXPECT_EQ(t.month, 5);
    EXPECT_EQ(t.day, -7);
    EXPECT_EQ(t.hour, 0);
    EXPECT_EQ(t.minute, 3);
    EXPECT_EQ(t.second, 0);
    // A run of digits too long for any calendar stays a large positive number.
    EXPECT_GE(parseExifDate(u"99999999999999999999").year, 1'000'000'000);
}

TEST(ExifDate, MillisecondsCountFrom1601AndKnowTheWeekday) {
    EXPECT_EQ(civilToMilliseconds(civil(1601, 1, 1)), 0);
    // 1970-01-01 is 11644473600 seconds after 1601-01-01.
    EXPECT_EQ(civilToMilliseconds(civil(1970, 1, 1)), 11'644'473'600'000LL);
    EXPECT_EQ(civilToMilliseconds(civil(1601, 1, 1, 0, 0, 1)), 1000);
    EXPECT_EQ(millisecondsToCivil(0).weekday, 1);  // a Monday
    const CivilTime sunday = *normalisedCivil(civil(2023, 5, 7, 14, 3, 9));
    EXPECT_EQ(sunday.weekday, 0);
    EXPECT_EQ(sunday.hour, 14);
    EXPECT_EQ(normalisedCivil(civil(2024, 2, 29))->weekday, 4);  // a Thursday
    EXPECT_EQ(normalisedCivil(civil(2000, 1, 1))->weekday, 6);
}

TEST(ExifDate, RoundTripsEveryDayOfSeveralCenturies) {
    std::int64_t previous = -1;
    for (int year : {1601, 1700, 1900, 2000, 2023, 2100, 30827}) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= 31; ++day) {
                const std::optional<std::int64_t> ms = civilToMilliseconds(civil(year, month, day, 23, 59, 59));
                if (!ms) continue;
                const CivilTime back = millisecondsToCivil(*ms);
                ASSERT_EQ(back.year, year);
                ASSERT_EQ(back.month, month);
                ASSERT_EQ(back.day, day);
                ASSERT_EQ(back.second, 59);
                ASSERT_GT(*ms, previous);
                previous = *ms;
            }
        }
    }
}

TEST(ExifDate, InvalidCalendarTimesAreRejected) {
    EXPECT_FALSE(civilToMilliseconds(civil(0, 0, 0)));
    EXPECT_FALSE(civilToMilliseconds(civil(1600, 12, 31)));
    EXPECT_FALSE(civilToMilliseconds(civil(30828, 1, 1)));
    EXPECT_FALSE(civilToMilliseconds(civil(2023, 13, 1)));
    EXPECT_FALSE(civilToMilliseconds(civil(2023, 2, 29)));
    EXPECT_FALSE(civilToMilliseconds(civil(1900, 2, 29)));
    EXPECT_TRUE(civilToMilliseconds(civil(2000, 2, 29)));
    EXPECT_FALSE(civilToMilliseconds(civil(2023, 4, 31)));
    EXPECT_FALSE(civilToMilliseconds(civil(2023, 4, 30, 24)));
    EXPECT_FALSE(civilToMilliseconds(civil(2023, 4, 30, 0, 60)));
    EXPECT_FALSE(civilToMilliseconds(civil(2023, 4, 30, 0, 0, 60)));
    EXPECT_FALSE(civilToMilliseconds(civil(2023, -4, 30)));
}

TEST(ExifDate, ShootingTimeIsZeroForMissingOrInvalidDates) {
    EXPECT_EQ(shootingTimeOf("0000:00:00 00:00:00"), 0u);
    EXPECT_EQ(shootingTimeOf("    :  :     :  :  "), 0u);
    EXPECT_EQ(shootingTimeOf(""), 0u);
    EXPECT_EQ(shootingTimeOf("2023:02:29 10:00:00"), 0u);
    EXPECT_GT(shootingTimeOf("1601:01:01 00:00:01"), 0u);
}

TEST(ExifDate, ShootingTimesOrderDatesAnyDistanceApart) {
    const std::uint64_t a = shootingTimeOf("2020:01:01 00:00:00");
    const std::uint64_t b = shootingTimeOf("2023:06:30 00:00:00");
    const std::uint64_t c = shootingTimeOf("2020:01:01 00:00:01");
    const std::uint64_t d = shootingTimeOf("2020:02:01 00:00:00");
    const std::uint64_t e = shootingTimeOf("9999:12:31 23:59:59");
    EXPECT_LT(a, c);
    EXPECT_LT(c, d);
    EXPECT_LT(d, b);
    EXPECT_LT(b, e);
    EXPECT_EQ(c - a, 1000u);
}

}  // namespace
}  // namespace quillory
