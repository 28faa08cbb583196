#pragma once
// The one formatter for the program's own format strings ("%s%03d", "%0.64s - %s",
// "%d年%d月%d日(%s) %s%d時%02d分" …). Supports exactly what those strings use:
// %d %i %u %x %X %s %c and %% (an "l" length modifier is accepted), with the flags '-' and '0', a width and a precision.
// A missing or mismatched argument formats as nothing rather than failing.
#include <cstdint>
#include <initializer_list>
#include <variant>

#include "base/text.h"

namespace quillory {

class FormatArg {
public:
    FormatArg(int value) : value_(static_cast<std::int64_t>(value)) {}
    FormatArg(long value) : value_(static_cast<std::int64_t>(value)) {}
    FormatArg(long long value) : value_(static_cast<std::int64_t>(value)) {}
    FormatArg(unsigned value) : value_(static_cast<std::uint64_t>(value)) {}
    FormatArg(unsigned long value) : value_(static_cast<std::uint64_t>(value)) {}
    FormatArg(unsigned long long value) : value_(static_cast<std::uint64_t>(value)) {}
    FormatArg(TextView value) : value_(value) {}
    FormatArg(const Text& value) : value_(TextView(value)) {}
    FormatArg(const char16_t* value) : value_(TextView(value)) {}

    const std::variant<std::int64_t, std::uint64_t, TextView>& value() const { return value_; }

private:
    std::variant<std::int64_t, std::uint64_t, TextView> value_;
};

Text formatText(TextView format, std::initializer_list<FormatArg> args);

}  // namespace quillory
