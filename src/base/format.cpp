#include "base/format.h"

#include <iterator>
#include <string>

namespace quillory {

namespace {

struct Directive {
    bool leftAlign = false;
    bool zeroPad = false;
    std::size_t width = 0;
    int precision = -1;
    char16_t conversion = 0;
};

std::size_t readNumber(TextView format, std::size_t& pos) {
    std::size_t value = 0;
    while (pos < format.size() && format[pos] >= u'0' && format[pos] <= u'9') {
        value = value * 10 + (format[pos] - u'0');
        if (value > 4096) value = 4096;  // no format of ours pads further; keeps output bounded
        ++pos;
    }
    return value;
}

// Parses the conversion starting after '%'; returns false for an unknown one.
bool readDirective(TextView format, std::size_t& pos, Directive& directive) {
    for (; pos < format.size(); ++pos) {
        if (format[pos] == u'-') directive.leftAlign = true;
        else if (format[pos] == u'0') directive.zeroPad = true;
        else break;
    }
    directive.width = readNumber(format, pos);
    if (pos < format.size() && format[pos] == u'.') {
        ++pos;
        directive.precision = static_cast<int>(readNumber(format, pos));
    }
    // The length modifier of "%ld" changes nothing here: every argument is already 64-bit.
    while (pos < format.size() && format[pos] == u'l') ++pos;
    if (pos >= format.size()) return false;
    directive.conversion = format[pos++];
    return true;
}

Text digits(std::uint64_t value, unsigned base, bool upper) {
    const char* set = upper ? "0123456789ABCDEF" : "0123456789abcdef";
    char16_t buffer[64];
    std::size_t start = std::size(buffer);
    do {
        buffer[--start] = static_cast<char16_t>(set[value % base]);
        value /= base;
    } while (value != 0);
    return Text(buffer + start, buffer + std::size(buffer));
}

std::uint64_t asUnsigned(const FormatArg& arg) {
    if (const auto* s = std::get_if<std::int64_t>(&arg.value())) return static_cast<std::uint32_t>(*s);
    if (const auto* u = std::get_if<std::uint64_t>(&arg.value())) return *u;
    return 0;
}

std::int64_t asSigned(const FormatArg& arg) {
    if (const auto* s = std::get_if<std::int64_t>(&arg.value())) return *s;
    if (const auto* u = std::get_if<std::uint64_t>(&arg.value())) return static_cast<std::int64_t>(*u);
    return 0;
}

Text convert(const Directive& directive, const FormatArg* arg, bool& numeric) {
    numeric = true;
    if (arg == nullptr) return Text();
    switch (directive.conversion) {
        case u'd':
        case u'i': {
            const std::int64_t value = asSigned(*arg);
            const std::uint64_t magnitude = value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
            return (value < 0 ? Text(u"-") : Text()) + digits(magnitude, 10, false);
        }
        case u'u': return digits(asUnsigned(*arg), 10, false);
        case u'x': return digits(asUnsigned(*arg), 16, false);
        case u'X': return digits(asUnsigned(*arg), 16, true);
        case u'c': numeric = false; return Text(1, static_cast<char16_t>(asUnsigned(*arg)));
        case u's': {
            numeric = false;
            const auto* text = std::get_if<TextView>(&arg->value());
            if (text == nullptr) return Text();
            return directive.precision >= 0 ? capped(*text, static_cast<std::size_t>(directive.precision)) : Text(*text);
        }
        default: return Text();
    }
}

void pad(Text& out, Text piece, const Directive& directive, bool numeric) {
    if (piece.size() >= directive.width) {
        out += piece;
        return;
    }
    const std::size_t fill = directive.width - piece.size();
    if (directive.leftAlign) {
        out += piece;
        out.append(fill, u' ');
    } else if (directive.zeroPad && numeric) {
        const bool negative = !piece.empty() && piece[0] == u'-';
        if (negative) out += u'-';
        out.append(fill, u'0');
        out += TextView(piece).substr(negative ? 1 : 0);
    } else {
        out.append(fill, u' ');
        out += piece;
    }
}

}  // namespace

Text formatText(TextView format, std::initializer_list<FormatArg> args) {
    Text out;
    auto next = args.begin();
    std::size_t pos = 0;
    while (pos < format.size()) {
        const char16_t c = format[pos++];
        if (c != u'%') {
            out += c;
            continue;
        }
        if (pos < format.size() && format[pos] == u'%') {
            out += u'%';
            ++pos;
            continue;
        }
        Directive directive;
        if (!readDirective(format, pos, directive)) break;
        const FormatArg* arg = next != args.end() ? &*next++ : nullptr;
        bool numeric = true;
        Text piece = convert(directive, arg, numeric);
        pad(out, std::move(piece), directive, numeric);
    }
    return out;
}

}  // namespace quillory
