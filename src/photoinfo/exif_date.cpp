#include "photoinfo/exif_date.h"

#include <array>
#include <string_view>

namespace quillory {

namespace {

constexpr std::int64_t kMillisecondsPerDay = 86'400'000;
// Days from 1601-01-01 to 1970-01-01.
constexpr std::int64_t kDaysFrom1601To1970 = 134'774;
constexpr int kFirstYear = 1601;
constexpr int kLastYear = 30827;  // the last year a Windows calendar time may hold

// Days since 1970-01-01 of a proleptic Gregorian date (month 1-12).
std::int64_t daysFromCivil(std::int64_t year, int month, int day) {
    year -= month <= 2 ? 1 : 0;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const std::int64_t yearOfEra = year - era * 400;
    const std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

bool isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int daysInMonth(int year, int month) {
    static constexpr std::array<int, 12> kDays{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : kDays[static_cast<std::size_t>(month - 1)];
}

bool isValid(const CivilTime& t) {
    if (t.year < kFirstYear || t.year > kLastYear || t.month < 1 || t.month > 12) return false;
    if (t.day < 1 || t.day > daysInMonth(t.year, t.month)) return false;
    return t.hour >= 0 && t.hour <= 23 && t.minute >= 0 && t.minute <= 59 && t.second >= 0 && t.second <= 59 &&
           t.milliseconds >= 0 && t.milliseconds <= 999;
}

// The number that starts at `position`, read the way the C runtime's wcstol reads one.
template <typename Char>
int numberAt(std::basic_string_view<Char> text, std::size_t position) {
    std::size_t at = position;
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
    std::int64_t value = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
        // Anything this long is no calendar number; stop growing so it cannot overflow.
        if (value < 1'000'000'000) value = value * 10 + (text[at] - '0');
    }
    return static_cast<int>(negative ? -value : value);
}

template <typename Char>
CivilTime parseDate(std::basic_string_view<Char> text) {
    CivilTime time;
    time.year = numberAt(text, 0);
    time.month = numberAt(text, 5);
    time.day = numberAt(text, 8);
    time.hour = numberAt(text, 11);
    time.minute = numberAt(text, 14);
    time.second = numberAt(text, 17);
    return time;
}

}  // namespace

CivilTime parseExifDate(TextView text) { return parseDate(text); }

std::optional<std::int64_t> civilToMilliseconds(const CivilTime& time) {
    if (!isValid(time)) return std::nullopt;
    const std::int64_t days = daysFromCivil(time.year, time.month, time.day) + kDaysFrom1601To1970;
    const std::int64_t seconds = (std::int64_t{time.hour} * 60 + time.minute) * 60 + time.second;
    return days * kMillisecondsPerDay + seconds * 1000 + time.milliseconds;
}

CivilTime millisecondsToCivil(std::int64_t milliseconds) {
    const std::int64_t days1601 = milliseconds / kMillisecondsPerDay;
    std::int64_t rest = milliseconds % kMillisecondsPerDay;
    // Civil date from days since 1970-01-01 (the inverse of daysFromCivil).
    const std::int64_t z = days1601 - kDaysFrom1601To1970 + 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t dayOfEra = z - era * 146097;
    const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t monthIndex = (5 * dayOfYear + 2) / 153;
    CivilTime time;
    time.day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    time.month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    time.year = static_cast<int>(yearOfEra + era * 400 + (time.month <= 2 ? 1 : 0));
    time.milliseconds = static_cast<int>(rest % 1000);
    rest /= 1000;
    time.second = static_cast<int>(rest % 60);
    time.minute = static_cast<int>(rest / 60 % 60);
    time.hour = static_cast<int>(rest / 3600);
    time.weekday = static_cast<int>((days1601 + 1) % 7);  // 1601-01-01 was a Monday
    return time;
}

std::optional<CivilTime> normalisedCivil(const CivilTime& time) {
    const std::optional<std::int64_t> milliseconds = civilToMilliseconds(time);
    if (!milliseconds) return std::nullopt;
    return millisecondsToCivil(*milliseconds);
}

std::uint64_t shootingTimeOf(std::string_view exifDate) {
    return static_cast<std::uint64_t>(civilToMilliseconds(parseDate(exifDate)).value_or(0));
}

}  // namespace quillory
