#include "photoinfo/photo_format.h"

#include <algorithm>

#include "base/format.h"
#include "photoinfo/exif_date.h"
#include "photoinfo/tag_value.h"

namespace quillory {

namespace {

constexpr std::size_t kTextCapacity = 255;
constexpr std::size_t kLocationCapacity = 261;  // also the status bar text
constexpr TextView kSeparator = u"、";

enum TextTag : std::uint32_t {
    TagMake = 0x010F,
    TagModel = 0x0110,
    TagSoftware = 0x0131,
    TagDateTime = 0x0132,
    TagLensExtra = 0x0136,
    TagArtist = 0x013B,
    TagCopyright = 0x8298,
    TagLensModel = 0xA434,
};

constexpr std::array<TextView, 7> kWeekdays{u"日", u"月", u"火", u"水", u"木", u"金", u"土"};

TextView weekdayName(int weekday) { return kWeekdays[static_cast<std::size_t>(weekday % 7)]; }
TextView dayHalf(int hour) { return hour < 12 ? u"午前" : u"午後"; }
int hour12(int hour) { return hour % 12 == 0 ? 12 : hour % 12; }

Text formatCivil(const CivilTime& t, bool shortForm) {
    if (shortForm) {
        return formatText(u"%d年%d月%d日(%s) %s%d時%02d分",
                          {t.year, t.month, t.day, weekdayName(t.weekday), dayHalf(t.hour), hour12(t.hour), t.minute});
    }
    return formatText(u"%d年%d月%d日 %s曜日 %s%d時%02d分%02d秒",
                      {t.year, t.month, t.day, weekdayName(t.weekday), dayHalf(t.hour), hour12(t.hour), t.minute, t.second});
}

std::size_t nameStart(TextView path) {
    const std::size_t separator = path.find_last_of(u"\\/");
    return separator == TextView::npos ? 0 : separator + 1;
}

Text displayed(const PathDisplay& pathDisplay, TextView path) { return pathDisplay ? pathDisplay(path) : Text(path); }

bool hasNonBlank(const std::optional<Text>& text) {
    return text && std::any_of(text->begin(), text->end(), [](char16_t c) { return c != u' '; });
}

// Cameras pad Make, Model and the author texts with blanks; shown texts end at the last
// character. The item itself stays as stored, so a blank Copyright is still present.
std::optional<Text> shownText(const PhotoInfo& info, std::uint32_t tag) {
    std::optional<Text> text = propertyText(info, tag);
    if (text) text->erase(text->find_last_not_of(u' ') + 1);
    return text;
}

Text unknownIfAbsent(const std::optional<Text>& text) { return text ? *text : Text(kUnknownText); }

InfoRowText dateRow(const PhotoInfo& info, std::uint32_t tag) {
    const std::optional<Text> date = propertyText(info, tag);
    return {date.has_value(), date ? formatExifDate(*date, false) : Text(kUnknownText)};
}

InfoRowText groupRow(const PhotoInfo& info, int group, bool option) {
    const std::optional<Text> text = formatInfoGroup(info, group, option);
    return {text.has_value(), unknownIfAbsent(text)};
}

InfoRowText cameraRow(const PhotoInfo& info) {
    const std::optional<Text> make = shownText(info, TagMake);
    const std::optional<Text> model = shownText(info, TagModel);
    if (!make) return {false, Text(kUnknownText)};
    Text text = formatText(u"%s、%s、", {*make, model.value_or(Text())});
    for (const std::uint32_t tag : {TagLensModel, TagLensExtra}) {
        if (const std::optional<Text> extra = shownText(info, tag)) text += *extra + Text(kSeparator);
    }
    return {model.has_value(), capped(text, kTextCapacity)};
}

}  // namespace

const std::array<TextView, kInfoRowCount> kInfoRowLabels{
    u"ファイル更新日", u"画像更新日", u"撮影日", u"画像加工ソフト", u"場所", u"ファイル名", u"画像サイズ",
    u"カメラのモデル", u"撮影条件", u" ", u" ", u"作成者", u"位置情報", u"撮影方向",
};

int bitsPerPixelOfFormat(std::uint32_t pixelFormat) {
    switch (pixelFormat) {
    case 0x30101: return 1;
    case 0x30402: return 4;
    case 0x30803: return 8;
    case 0x21005: case 0x21006: case 0x61007: case 0x101004: return 16;
    case 0x21808: return 24;
    case 0x22009: case 0xE200B: case 0x26200A: return 32;
    case 0x10300C: return 48;
    case 0x1C400E: case 0x34400D: return 64;
    default: return 0;
    }
}

Text formatExifDate(TextView exifDate, bool shortForm) {
    // A value that is no calendar date would otherwise show as 1601-01-01.
    const std::optional<CivilTime> time = normalisedCivil(parseExifDate(exifDate));
    return time ? formatCivil(*time, shortForm) : Text(kUnknownText);
}

Text formatLongTime(const CivilTime& time) { return formatCivil(time, false); }

std::optional<Text> formatFileTime(const PhotoInfo& info) {
    if (!info.fileWriteTime) return std::nullopt;
    return formatLongTime(*info.fileWriteTime);
}

Text locationText(TextView pageFile, const PathDisplay& pathDisplay) {
    if (pageFile.empty()) return Text();
    return capped(displayed(pathDisplay, pageFile.substr(0, nameStart(pageFile))), kLocationCapacity);
}

std::optional<CivilTime> readFileWriteTime(FileSystem& files, Clock& clock, const Text& path) {
    // Only a file that opens for reading has a write time here; a folder named like a picture
    // does not.
    if (!files.openForReading(path)) return std::nullopt;
    const std::optional<std::uint64_t> written = files.lastWriteTime(path);
    if (!written) return std::nullopt;
    return clock.toLocalTime(*written);
}

Text formatPictureSize(const PictureMetrics& picture) {
    switch (picture.source) {
    case PictureMetrics::Source::Decoder:
        if (picture.width == 0 || picture.height == 0) return Text(kUnknownText);
        return formatText(u"サイズ %u×%udots、解像度 %d×%ddpi、色 %dbpp、",
                          {picture.width, picture.height, picture.dpiX, picture.dpiY, picture.bitsPerPixel});
    case PictureMetrics::Source::Bitmap:
        return formatText(u"サイズ %ld×%lddots、色 %ubpp、", {picture.width, picture.height, static_cast<unsigned>(picture.bitsPerPixel)});
    case PictureMetrics::Source::None:
        break;
    }
    return Text(kUnknownText);
}

Text fileNameText(TextView fullPath, const PathDisplay& pathDisplay) {
    if (fullPath.empty()) return Text();
    const TextView name = fullPath.substr(nameStart(fullPath));
    if (name.empty()) return capped(displayed(pathDisplay, fullPath), kTextCapacity);
    const std::size_t dot = name.rfind(u'.');
    if (dot == TextView::npos) return capped(name, kTextCapacity);
    return capped(Text(name.substr(0, dot)) + u" (" + Text(name.substr(dot + 1)) + u")", kTextCapacity);
}

std::optional<Text> propertyText(const PhotoInfo& info, std::uint32_t tag) {
    if (info.codePage == nullptr) return std::nullopt;
    return readPropertyText(info.items, tag, *info.codePage);
}

std::optional<Text> shootingDateText(const PhotoInfo& info, bool shortForm) {
    const std::optional<Text> date = propertyText(info, kTagDateTimeOriginal);
    if (!date) return std::nullopt;
    return formatExifDate(*date, shortForm);
}

std::optional<Text> cameraText(const PhotoInfo& info) {
    const std::optional<Text> make = shownText(info, TagMake);
    if (!make) return std::nullopt;
    Text text = *make + Text(kSeparator) + shownText(info, TagModel).value_or(Text());
    for (const std::uint32_t tag : {TagLensModel, TagLensExtra}) {
        if (const std::optional<Text> extra = shownText(info, tag)) text += Text(kSeparator) + *extra;
    }
    return capped(text, kTextCapacity);
}

std::optional<Text> authorText(const PhotoInfo& info) {
    const std::optional<Text> copyright = shownText(info, TagCopyright);
    const std::optional<Text> artist = shownText(info, TagArtist);
    if (!hasNonBlank(copyright) && !hasNonBlank(artist)) return std::nullopt;
    Text text = copyright.value_or(Text());
    if (copyright && artist) text += kSeparator;
    text += artist.value_or(Text());
    return capped(text, kTextCapacity);
}

InfoRowText infoRow(const PhotoInfo& info, int row) {
    switch (row) {
    case 0: {
        const std::optional<Text> written = formatFileTime(info);
        return {written.has_value(), unknownIfAbsent(written)};
    }
    case 1: return dateRow(info, TagDateTime);
    case 2: return dateRow(info, kTagDateTimeOriginal);
    case 3: {
        const std::optional<Text> software = shownText(info, TagSoftware);
        return {software.has_value(), unknownIfAbsent(software)};
    }
    case 4: return {true, locationText(info.pageFile, info.pathDisplay)};
    case 5: return {true, fileNameText(info.pictureFile, info.pathDisplay)};
    case 6: return {true, formatPictureSize(info.picture)};
    case 7: return cameraRow(info);
    case 8: return groupRow(info, 0, false);
    case 9: return groupRow(info, 1, false);
    case 10: return groupRow(info, 2, false);
    case 11: return {propertyText(info, TagCopyright).has_value(), authorText(info).value_or(Text())};
    case 12: return groupRow(info, 4, true);
    case 13: return groupRow(info, 5, false);
    default: return {};
    }
}

}  // namespace quillory
