#pragma once
// The calendar behind shooting dates: reading "YYYY:MM:DD HH:MM:SS" and converting calendar
// times to and from milliseconds since 1601-01-01 00:00, the epoch of Windows file times.
#include <cstdint>
#include <optional>
#include <string_view>

#include "base/platform.h"
#include "base/text.h"

namespace quillory {

// The six numbers at positions 0, 5, 8, 11, 14 and 17; each skips blanks, takes an optional sign
// and the digits after it, and is 0 where there are none. No validation.
CivilTime parseExifDate(TextView text);

// Milliseconds since 1601-01-01 for a valid time (years 1601 to 30827, real month lengths and
// leap years, hours 0-23, minutes and seconds 0-59); nothing for any other. The weekday is ignored.
std::optional<std::int64_t> civilToMilliseconds(const CivilTime& time);

// The calendar time of a millisecond count, weekday included.
CivilTime millisecondsToCivil(std::int64_t milliseconds);

// The validated time with its weekday filled in, as a round trip through a file time gives it.
std::optional<CivilTime> normalisedCivil(const CivilTime& time);

// The folder ordering's shooting time of a DateTimeOriginal's bytes as stored (ASCII digits and
// colons, read like parseExifDate): 0 for a missing or invalid date.
std::uint64_t shootingTimeOf(std::string_view exifDate);

}  // namespace quillory
