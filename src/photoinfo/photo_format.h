#pragma once
// The Japanese display texts of a picture's information: dates, size, file name, the six
// InfoGroups, the author and camera texts, and the 14 InfoRows of the information list.
//
// The shell gathers a PhotoInfo once per paint or per list fill (items, file time, picture size,
// paths); every text below is then a pure function of it.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "base/platform.h"
#include "base/text.h"
#include "photoinfo/property_reader.h"

namespace quillory {

inline constexpr char16_t kUnknownText[] = u"<不明>";

// Picture-size numbers from the shell: the decoder's image, or the plain bitmap without it.
struct PictureMetrics {
    enum class Source { None, Decoder, Bitmap };
    Source source = Source::None;
    std::uint32_t width = 0, height = 0;
    int dpiX = 0, dpiY = 0;       // decoder only, already truncated toward zero
    int bitsPerPixel = 0;         // decoder: bitsPerPixelOfFormat; bitmap: its own count
};

// GDI+ pixel format number to bits per pixel; 0 for formats without a fixed count.
int bitsPerPixelOfFormat(std::uint32_t pixelFormat);

// The path display form of the album (special-folder names, " > " between folders).
using PathDisplay = std::function<Text(TextView path)>;

struct PhotoInfo {
    std::vector<PropertyItem> items;         // stored order; empty without the decoder
    std::optional<CivilTime> fileWriteTime;  // local last-write time; nothing when unreadable
    PictureMetrics picture;
    Text pictureFile;  // full path of the picture shown (CurrentPictureFile)
    Text pageFile;     // full path of the Page's File (a folder Page's ends in a separator)
    CodePage* codePage = nullptr;  // ANSI decoding of ASCII items; required
    PathDisplay pathDisplay;       // identity when empty
};

// FormatExifDate: "2023年5月7日(日) 午後2時03分" (short) or "2023年5月7日 日曜日 午後2時03分09秒".
// A value that is no valid calendar date gives UnknownText.
Text formatExifDate(TextView exifDate, bool shortForm);
// The long form of a calendar time whose weekday is known (the file time).
Text formatLongTime(const CivilTime& time);

// ReadFileWriteTime: the file's last-write time as local calendar time, weekday included.
std::optional<CivilTime> readFileWriteTime(FileSystem& files, Clock& clock, const Text& path);

// FormatFileTime: the picture file's last-write time in the long form; nothing when the file
// could not be opened.
std::optional<Text> formatFileTime(const PhotoInfo& info);

// InfoRow 4 and the status bar: the Page's File (a full path) without its final name part, in
// the path display form, at most 261 characters; empty for an empty path.
Text locationText(TextView pageFile, const PathDisplay& pathDisplay);

// FormatPictureSize.
Text formatPictureSize(const PictureMetrics& picture);

// "IMG_0001 (JPG)" for …\IMG_0001.JPG; a name without "." unchanged; a folder path (ending in a
// separator) in the path display form.
Text fileNameText(TextView fullPath, const PathDisplay& pathDisplay);

// An ASCII item's text (ReadPropertyText): nothing when absent.
std::optional<Text> propertyText(const PhotoInfo& info, std::uint32_t tag);

// Shooting date for the overlay: nothing without DateTimeOriginal.
std::optional<Text> shootingDateText(const PhotoInfo& info, bool shortForm);

// Camera for the overlay: Make, "、", Model, then "、" + LensModel and "、" + tag 0x0136 when
// present; nothing without Make.
std::optional<Text> cameraText(const PhotoInfo& info);

// Author: copyright, "、", artist; nothing unless one of them has a non-blank character.
std::optional<Text> authorText(const PhotoInfo& info);

// FormatInfoGroup: 0 exposure, 1 35mm focal length, 2 modes, 3 (none), 4 position (option: short
// form), 5 direction (option: detail). Nothing when the group has no item.
std::optional<Text> formatInfoGroup(const PhotoInfo& info, int group, bool option);

// InfoRow 0 to 13 of the information list.
struct InfoRowText {
    bool hasValue = false;
    Text text;
};
inline constexpr int kInfoRowCount = 14;
extern const std::array<TextView, kInfoRowCount> kInfoRowLabels;
InfoRowText infoRow(const PhotoInfo& info, int row);

}  // namespace quillory
