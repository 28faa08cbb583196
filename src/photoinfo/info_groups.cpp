// The InfoGroups: texts of the numeric tags, appended in the order the picture stores them.
#include <cstdlib>
#include <span>

#include "base/format.h"
#include "photoinfo/photo_format.h"
#include "photoinfo/tag_value.h"

namespace quillory {

namespace {

constexpr TextView kSeparator = u"、";

enum GroupTag : std::uint32_t {
    TagGpsLatitudeRef = 0x0001,
    TagGpsLatitude = 0x0002,
    TagGpsLongitudeRef = 0x0003,
    TagGpsLongitude = 0x0004,
    TagGpsAltitude = 0x0006,
    TagGpsImgDirection = 0x0011,
    TagExposureTime = 0x829A,
    TagFNumber = 0x829D,
    TagExposureProgram = 0x8822,
    TagIsoSpeedRatings = 0x8827,
    TagExposureBiasValue = 0x9204,
    TagMeteringMode = 0x9207,
    TagLightSource = 0x9208,
    TagFocalLength = 0x920A,
    TagColorSpace = 0xA001,
    TagFocalLengthIn35mmFilm = 0xA405,
};

// One appended text; `separated` texts get "、" when something precedes them.
struct Piece {
    Text text;
    bool separated = true;
};

// Every quotient below uses 64-bit numbers, so large numerators do not wrap.
using Wide = std::uint64_t;

Text exposureTimeText(const TagValue& v) {
    if (v.number == 0 || v.den1 == 0) return formatText(u"1/%ld秒", {v.den1});
    if (Wide{10} * v.den1 / v.number > 10) return formatText(u"%ld/%ld秒", {1, v.den1 / v.number});
    const Wide tenths = Wide{10} * v.number / v.den1;
    if (tenths < 20) return formatText(u"%ld.%ld秒", {v.number / v.den1, tenths % 10});
    return formatText(u"%ld秒", {v.number / v.den1});
}

Text isoText(const TagValue& v) {
    if (v.firstShort == 65535) return formatText(u"ISO-%ld", {v.number});
    return formatText(u"ISO-%d", {static_cast<int>(v.firstShort)});
}

// A zero denominator shows the numerator in brackets, as the other rational tags do.
Text fNumberText(const TagValue& v) {
    if (v.den1 == 0) return formatText(u"(f/%ld)", {v.number});
    const Wide f = Wide{10} * v.number / v.den1;
    if (f < 100) return formatText(u"f/%d.%d", {f / 10, f % 10});
    return formatText(u"f/%d", {f / 10});
}

Text focalLengthText(const TagValue& v) {
    if (v.den1 == 0) return formatText(u"焦点距離 (%dmm)", {v.number});
    return formatText(u"焦点距離 %dmm", {(Wide{v.number} + v.den1 / 2) / v.den1});
}

Text exposureBiasText(const TagValue& v) {
    const auto numerator = static_cast<std::int32_t>(v.number);
    const auto denominator = static_cast<std::int32_t>(v.den1);
    std::int64_t e = std::int64_t{100} * numerator;
    if (denominator != 0) e /= denominator;
    if (e == 0) return u"0EV";
    const std::int64_t r = (std::llabs(e) + 5) / 10;
    return formatText(u"%s%d.%dEV", {e > 0 ? u"+" : u"-", r / 10, r % 10});
}

struct NamedValue {
    int value;
    TextView name;
};

constexpr NamedValue kProgramNames[] = {{0, u"不明"}, {1, u"手動"}, {2, u"標準"}, {3, u"絞り優先"}, {4, u"シャツター優先"}};
constexpr NamedValue kLightNames[] = {{0, u"不明"}, {1, u"日光"}, {2, u"蛍光灯"}, {3, u"電球"}};
constexpr NamedValue kColourSpaceNames[] = {{0, u"不明"}, {1, u"sRGB"}, {2, u"未補正"}, {65535, u"未補正"}};
constexpr NamedValue kMeteringNames[] = {{0, u"不明"}, {1, u"平均"},     {2, u"中央重心"}, {3, u"スポット"},
                                         {4, u"多点"}, {5, u"パターン"}, {6, u"部分測光"}};

struct ModeTable {
    std::uint32_t tag;
    TextView label;
    std::span<const NamedValue> names;
};

constexpr ModeTable kModeTables[] = {
    {TagExposureProgram, u"MODE:", kProgramNames},
    {TagLightSource, u"WB:", kLightNames},
    {TagColorSpace, u"色:", kColourSpaceNames},
    {TagMeteringMode, u"測光:", kMeteringNames},
};

// The label and the value's name, or the number in brackets for a value without one.
Text modeText(const ModeTable& table, std::uint16_t value) {
    for (const NamedValue& named : table.names) {
        if (named.value == value) return Text(table.label) + Text(named.name);
    }
    return Text(table.label) + formatText(u"(%d)", {static_cast<int>(value)});
}

Text hemisphereText(bool first, bool shortForm, TextView longFirst, TextView shortFirst, TextView longOther, TextView shortOther) {
    if (first) return Text(shortForm ? shortFirst : longFirst);
    return Text(shortForm ? shortOther : longOther);
}

// Degrees, minutes and hundredths of a second. Many cameras store minutes as 22278/1000 (some
// store fractional degrees); cutting each part to a whole number would lose up to a minute of
// arc, so the fractions are carried into the smaller units. Whole parts come out as stored.
struct Coordinate {
    Wide degrees, minutes, hundredths;
};

Coordinate coordinateOf(const TagValue& v) {
    constexpr Wide kHundredthsPerMinute = 6000;
    const Wide carried = Wide{v.number % v.den1} * 60 * kHundredthsPerMinute / v.den1 + Wide{v.num2 % v.den2} * kHundredthsPerMinute / v.den2;
    return {v.number / v.den1, v.num2 / v.den2 + carried / kHundredthsPerMinute, Wide{100} * v.num3 / v.den3 + carried % kHundredthsPerMinute};
}

Text coordinateText(const TagValue& v, bool shortForm) {
    if (v.den1 == 0 || v.den2 == 0 || v.den3 == 0) return formatText(u"(%ld,%ld,%ld)", {v.number, v.num2, v.num3});
    const TextView format = shortForm ? u"%ld゜%ld' %ld.%02ld\"" : u"%ld度%ld分%ld.%02ld秒";
    const Coordinate c = coordinateOf(v);
    return formatText(format, {c.degrees, c.minutes, c.hundredths / 100, c.hundredths % 100});
}

Text altitudeText(const TagValue& v, bool shortForm) {
    const TextView prefix = shortForm ? u"Alt " : u"高度 ";
    if (v.den1 == 0) return formatText(u"(%s%ldm)", {prefix, v.number});
    return formatText(u"%s%ld.%ldm", {prefix, v.number / v.den1, Wide{10} * v.number / v.den1 % 10});
}

constexpr std::array<TextView, 16> kCompassPoints{u"北", u"北北東", u"北東", u"東北東", u"東", u"東南東", u"南東", u"南南東",
                                                  u"南", u"南南西", u"南西", u"西南西", u"西", u"西北西", u"北西", u"北北西"};

Text directionText(const TagValue& v, bool detail) {
    constexpr TextView kLabel = u"方位: ";
    if (v.den1 == 0) return formatText(u"(%s%ld)", {kLabel, v.number});
    const Wide w = Wide{100} * v.number / v.den1;
    const std::size_t point = static_cast<std::size_t>((w + 1125) % 36000 * 16 / 36000);
    Text text = Text(kLabel) + Text(kCompassPoints[point]);
    if (detail) text += formatText(u"(%ld.%02ld)", {v.number / v.den1, w % 100});
    return text;
}

std::optional<Piece> exposurePiece(std::uint32_t tag, const TagValue& v) {
    switch (tag) {
    case TagExposureTime: return Piece{exposureTimeText(v)};
    case TagIsoSpeedRatings: return Piece{isoText(v)};
    case TagFNumber: return Piece{fNumberText(v)};
    case TagFocalLength: return Piece{focalLengthText(v)};
    case TagExposureBiasValue: return Piece{exposureBiasText(v)};
    default: return std::nullopt;
    }
}

std::optional<Piece> modesPiece(std::uint32_t tag, const TagValue& v) {
    for (const ModeTable& table : kModeTables) {
        if (table.tag == tag) return Piece{modeText(table, v.firstShort)};
    }
    return std::nullopt;
}

std::optional<Piece> positionPiece(std::uint32_t tag, const TagValue& v, bool shortForm) {
    switch (tag) {
    case TagGpsLatitudeRef: return Piece{hemisphereText(v.firstChar == 'N', shortForm, u"北緯 ", u"N:", u"南緯 ", u"S:")};
    case TagGpsLongitudeRef: return Piece{hemisphereText(v.firstChar == 'E', shortForm, u"東経 ", u"E:", u"西経 ", u"W:")};
    case TagGpsLatitude:
    case TagGpsLongitude: return Piece{coordinateText(v, shortForm), false};
    case TagGpsAltitude: return Piece{altitudeText(v, shortForm)};
    default: return std::nullopt;
    }
}

std::optional<Piece> groupPiece(int group, std::uint32_t tag, const TagValue& v, bool option) {
    switch (group) {
    case 0: return exposurePiece(tag, v);
    case 1:
        if (tag != TagFocalLengthIn35mmFilm) return std::nullopt;
        return Piece{formatText(u"焦点距離(35mm換算) %dmm", {static_cast<int>(v.firstShort)})};
    case 2: return modesPiece(tag, v);
    case 4: return positionPiece(tag, v, option);
    case 5: return tag == TagGpsImgDirection ? std::optional(Piece{directionText(v, option)}) : std::nullopt;
    default: return std::nullopt;  // group 3 has no tags
    }
}

}  // namespace

std::optional<Text> formatInfoGroup(const PhotoInfo& info, int group, bool option) {
    std::optional<Text> text;
    for (const PropertyItem& item : info.items) {
        const std::optional<Piece> piece = groupPiece(group, item.id, decodeTagValue(item), option);
        if (!piece) continue;
        if (!text) {
            text = piece->text;
            continue;
        }
        if (piece->separated) *text += kSeparator;
        *text += piece->text;
    }
    if (text) *text = capped(*text, 255);
    return text;
}

}  // namespace quillory
