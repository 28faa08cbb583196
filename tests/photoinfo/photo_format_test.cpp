#include "photoinfo/photo_format.h"

#include <gtest/gtest.h>

#include "photoinfo/photo_items.h"
#include "photoinfo/tag_value.h"
#include "support/fake_platform.h"

namespace quillory {
namespace {

using namespace quillory::testing;

class PhotoFormat : public ::testing::Test {
protected:
    PhotoInfo info(std::vector<PropertyItem> items) {
        PhotoInfo result;
        result.items = std::move(items);
        result.codePage = &codePage_;
        return result;
    }
    std::optional<Text> group(std::vector<PropertyItem> items, int number, bool option = false) {
        return formatInfoGroup(info(std::move(items)), number, option);
    }
    Text one(PropertyItem item, int number, bool option = false) { return group({std::move(item)}, number, option).value_or(u"(none)"); }

private:
    FakeCodePage codePage_;
};

TEST_F(PhotoFormat, ExifDatesInBothForms) {
    EXPECT_EQ(formatExifDate(u"2023:05:07 14:03:09", true), u"2023年5月7日(日) 午後2時03分");
    EXPECT_EQ(formatExifDate(u"2023:05:07 14:03:09", false), u"2023年5月7日 日曜日 午後2時03分09秒");
    EXPECT_EQ(formatExifDate(u"2024:01:01 00:05:00", true), u"2024年1月1日(月) 午前12時05分");
    EXPECT_EQ(formatExifDate(u"2024:01:06 12:00:00", true), u"2024年1月6日(土) 午後12時00分");
    EXPECT_EQ(formatExifDate(u"2024:01:02 11:59:59", false), u"2024年1月2日 火曜日 午前11時59分59秒");
}

TEST_F(PhotoFormat, InvalidDatesShowUnknownRatherThan1601) {
    EXPECT_EQ(formatExifDate(u"0000:00:00 00:00:00", true), kUnknownText);
    EXPECT_EQ(formatExifDate(u"    :  :     :  :  ", false), kUnknownText);
    EXPECT_EQ(formatExifDate(u"2023:02:30 10:00:00", false), kUnknownText);
    EXPECT_EQ(formatExifDate(u"", true), kUnknownText);
}

TEST_F(PhotoFormat, ExposureTimes) {
    EXPECT_EQ(one(rationalItem(0x829A, {1, 250}), 0), u"1/250秒");
    EXPECT_EQ(one(rationalItem(0x829A, {8, 10}), 0), u"1/1秒");
    EXPECT_EQ(one(rationalItem(0x829A, {10, 10}), 0), u"1.0秒");
    EXPECT_EQ(one(rationalItem(0x829A, {13, 10}), 0), u"1.3秒");
    EXPECT_EQ(one(rationalItem(0x829A, {25, 10}), 0), u"2秒");
    EXPECT_EQ(one(rationalItem(0x829A, {0, 1}), 0), u"1/1秒");
    EXPECT_EQ(one(rationalItem(0x829A, {5, 0}), 0), u"1/0秒");
    // 10 × 4e9 does not fit 32 bits; the quotient is still right.
    EXPECT_EQ(one(rationalItem(0x829A, {1, 4'000'000'000u}), 0), u"1/4000000000秒");
}

TEST_F(PhotoFormat, FNumbersFocalLengthsAndIso) {
    EXPECT_EQ(one(rationalItem(0x829D, {10, 1}), 0), u"f/10");
    EXPECT_EQ(one(rationalItem(0x829D, {95, 10}), 0), u"f/9.5");
    EXPECT_EQ(one(rationalItem(0x829D, {28, 10}), 0), u"f/2.8");
    EXPECT_EQ(one(rationalItem(0x829D, {28, 0}), 0), u"(f/28)");  // no division by zero
    EXPECT_EQ(one(rationalItem(0x920A, {245, 10}), 0), u"焦点距離 25mm");
    EXPECT_EQ(one(rationalItem(0x920A, {244, 10}), 0), u"焦点距離 24mm");
    EXPECT_EQ(one(rationalItem(0x920A, {50, 0}), 0), u"焦点距離 (50mm)");
    EXPECT_EQ(one(shortItem(0x8827, {400}), 0), u"ISO-400");
    EXPECT_EQ(one(shortItem(0x8827, {65535, 51200}), 0), u"ISO-51200");
    EXPECT_EQ(one(shortItem(0x8827, {65535}), 0), u"ISO-0");
}

TEST_F(PhotoFormat, ExposureBias) {
    EXPECT_EQ(one(sRationalItem(0x9204, -1, 3), 0), u"-0.3EV");
    EXPECT_EQ(one(sRationalItem(0x9204, 0, 1), 0), u"0EV");
    EXPECT_EQ(one(sRationalItem(0x9204, 2, 3), 0), u"+0.7EV");
    EXPECT_EQ(one(sRationalItem(0x9204, -1, 1), 0), u"-1.0EV");
    EXPECT_EQ(one(sRationalItem(0x9204, 3, 100), 0), u"+0.0EV");
    EXPECT_EQ(one(sRationalItem(0x9204, 1, 0), 0), u"+1.0EV");  // the numerator taken as hundredths
    EXPECT_EQ(one(sRationalItem(0x9204, -2'000'000'000, 1'000'000'000), 0), u"-2.0EV");
}

TEST_F(PhotoFormat, ExposureGroupFollowsTheStoredOrder) {
    EXPECT_EQ(group({rationalItem(0x829D, {4, 1}), asciiItem(0x010F, "Make"), rationalItem(0x829A, {1, 60})}, 0), u"f/4.0、1/60秒");
    EXPECT_EQ(group({rationalItem(0x829A, {1, 60}), rationalItem(0x829D, {4, 1})}, 0), u"1/60秒、f/4.0");
    EXPECT_EQ(group({asciiItem(0x010F, "Make")}, 0), std::nullopt);
    EXPECT_EQ(group({}, 0), std::nullopt);
}

TEST_F(PhotoFormat, FocalLength35mmAndModes) {
    EXPECT_EQ(one(shortItem(0xA405, {28}), 1), u"焦点距離(35mm換算) 28mm");
    EXPECT_EQ(group({shortItem(0x8822, {3}), shortItem(0x9208, {1}), shortItem(0xA001, {65535}), shortItem(0x9207, {5})}, 2),
              u"MODE:絞り優先、WB:日光、色:未補正、測光:パターン");
    EXPECT_EQ(one(shortItem(0x8822, {4}), 2), u"MODE:シャツター優先");
    EXPECT_EQ(one(shortItem(0x9208, {17}), 2), u"WB:(17)");
    EXPECT_EQ(one(shortItem(0x9207, {255}), 2), u"測光:(255)");
    EXPECT_EQ(one(shortItem(0xA001, {1}), 2), u"色:sRGB");
    EXPECT_EQ(group({shortItem(0x8822, {1})}, 3), std::nullopt);
}

TEST_F(PhotoFormat, PositionInBothForms) {
    const std::vector<PropertyItem> gps{asciiItem(0x0001, "N"), rationalItem(0x0002, {35, 1, 39, 1, 2917, 100}), asciiItem(0x0003, "E"),
                                        rationalItem(0x0004, {139, 1, 44, 1, 3012, 100}), rationalItem(0x0006, {352, 10})};
    EXPECT_EQ(group(gps, 4, false), u"北緯 35度39分29.17秒、東経 139度44分30.12秒、高度 35.2m");
    EXPECT_EQ(group(gps, 4, true), u"N:35゜39' 29.17\"、E:139゜44' 30.12\"、Alt 35.2m");
    EXPECT_EQ(group({asciiItem(0x0001, "S"), asciiItem(0x0003, "W")}, 4, true), u"S:、W:");
    EXPECT_EQ(group({asciiItem(0x0001, "N"), asciiItem(0x0003, "E")}, 4), u"北緯 、東経 ");
    EXPECT_EQ(group({asciiItem(0x0001, "x"), asciiItem(0x0003, "")}, 4), u"南緯 、西経 ");
    EXPECT_EQ(one(rationalItem(0x0002, {35, 1, 39, 1, 0, 0}), 4), u"(35,39,0)");
    EXPECT_EQ(one(rationalItem(0x0002, {35, 1}), 4), u"(35,0,0)");  // one pair only
    EXPECT_EQ(one(rationalItem(0x0006, {12, 0}), 4), u"(高度 12m)");
    EXPECT_EQ(one(rationalItem(0x0006, {12, 0}), 4, true), u"(Alt 12m)");
}

TEST_F(PhotoFormat, FractionsOfDegreesAndMinutesCarryIntoSeconds) {
    EXPECT_EQ(one(rationalItem(0x0002, {0, 1, 22278, 1000, 0, 1}), 4, true), u"0゜22' 16.68\"");
    EXPECT_EQ(one(rationalItem(0x0004, {139, 1, 445, 10, 1234, 100}), 4), u"139度44分42.34秒");
    EXPECT_EQ(one(rationalItem(0x0002, {356581, 10000, 0, 1, 0, 1}), 4), u"35度39分29.16秒");  // decimal degrees
    EXPECT_EQ(one(rationalItem(0x0002, {4'294'967'293u, 4'294'967'294u, 0, 1, 0, 1}), 4), u"0度59分59.99秒");
    EXPECT_EQ(one(rationalItem(0x0002, {35, 1, 75, 1, 6100, 100}), 4), u"35度75分61.00秒");  // whole parts as stored
}

TEST_F(PhotoFormat, DirectionAndItsCompassBoundaries) {
    EXPECT_EQ(one(rationalItem(0x0011, {0, 1}), 5), u"方位: 北");
    EXPECT_EQ(one(rationalItem(0x0011, {35999, 100}), 5), u"方位: 北");
    EXPECT_EQ(one(rationalItem(0x0011, {1125, 100}), 5), u"方位: 北北東");
    EXPECT_EQ(one(rationalItem(0x0011, {1124, 100}), 5), u"方位: 北");
    EXPECT_EQ(one(rationalItem(0x0011, {180, 1}), 5), u"方位: 南");
    EXPECT_EQ(one(rationalItem(0x0011, {33749, 100}), 5), u"方位: 北北西");
    EXPECT_EQ(one(rationalItem(0x0011, {2250, 100}), 5, true), u"方位: 北北東(22.50)");
    EXPECT_EQ(one(rationalItem(0x0011, {90, 0}), 5), u"(方位: 90)");
}

TEST_F(PhotoFormat, PictureSizeTexts) {
    PictureMetrics decoded{PictureMetrics::Source::Decoder, 640, 480, 72, 96, bitsPerPixelOfFormat(0x21808)};
    EXPECT_EQ(formatPictureSize(decoded), u"サイズ 640×480dots、解像度 72×96dpi、色 24bpp、");
    decoded.height = 0;
    EXPECT_EQ(formatPictureSize(decoded), kUnknownText);
    EXPECT_EQ(formatPictureSize({PictureMetrics::Source::Bitmap, 32, 16, 0, 0, 8}), u"サイズ 32×16dots、色 8bpp、");
    EXPECT_EQ(formatPictureSize({}), kUnknownText);
    EXPECT_EQ(bitsPerPixelOfFormat(0x26200A), 32);
    EXPECT_EQ(bitsPerPixelOfFormat(0x34400D), 64);
    EXPECT_EQ(bitsPerPixelOfFormat(0x101004), 16);
    EXPECT_EQ(bitsPerPixelOfFormat(0x12345), 0);
}

TEST_F(PhotoFormat, FileNameTexts) {
    const PathDisplay breadcrumb = [](TextView path) { return u"[" + Text(path) + u"]"; };
    EXPECT_EQ(fileNameText(u"C:\\pics\\IMG_0001.JPG", breadcrumb), u"IMG_0001 (JPG)");
    EXPECT_EQ(fileNameText(u"C:\\pics\\a.b.c.png", breadcrumb), u"a.b.c (png)");
    EXPECT_EQ(fileNameText(u"C:\\pics\\README", breadcrumb), u"README");
    EXPECT_EQ(fileNameText(u"C:\\pics.d\\", breadcrumb), u"[C:\\pics.d\\]");
    EXPECT_EQ(fileNameText(u"C:\\pics\\.hidden", breadcrumb), u" (hidden)");
    EXPECT_EQ(fileNameText(u"", breadcrumb), u"");
    EXPECT_EQ(fileNameText(u"C:\\" + Text(254, u'n') + u".jpeg", breadcrumb), Text(254, u'n') + u" ");  // cut at 255
}

TEST_F(PhotoFormat, LocationTexts) {
    const PathDisplay arrows = [](TextView path) { return u"<" + Text(path) + u">"; };
    EXPECT_EQ(locationText(u"C:\\pics\\a.jpg", arrows), u"<C:\\pics\\>");
    EXPECT_EQ(locationText(u"C:\\pics\\", arrows), u"<C:\\pics\\>");
    EXPECT_EQ(locationText(u"", arrows), u"");
    EXPECT_EQ(locationText(u"C:\\" + Text(400, u'd') + u"\\a.jpg", {}).size(), 261u);
}

TEST_F(PhotoFormat, AuthorText) {
    EXPECT_EQ(authorText(info({asciiItem(0x8298, "(c) Ko"), asciiItem(0x013B, "Ko")})), u"(c) Ko、Ko");
    EXPECT_EQ(authorText(info({asciiItem(0x013B, "Ko")})), u"Ko");
    EXPECT_EQ(authorText(info({asciiItem(0x8298, " "), asciiItem(0x013B, "Ko")})), u"、Ko");
    EXPECT_EQ(authorText(info({asciiItem(0x8298, "   "), asciiItem(0x013B, "")})), std::nullopt);
    EXPECT_EQ(authorText(info({asciiItem(0x8298, "(c)")})), u"(c)");
    EXPECT_EQ(authorText(info({})), std::nullopt);
}

TEST_F(PhotoFormat, CameraTextForTheOverlay) {
    EXPECT_EQ(cameraText(info({asciiItem(0x010F, "Canon"), asciiItem(0x0110, "EOS"), asciiItem(0xA434, "50mm"), asciiItem(0x0136, "x")})),
              u"Canon、EOS、50mm、x");
    EXPECT_EQ(cameraText(info({asciiItem(0x010F, "Canon")})), u"Canon、");
    EXPECT_EQ(cameraText(info({asciiItem(0x0110, "EOS")})), std::nullopt);
    EXPECT_EQ(cameraText(info({asciiItem(0x010F, std::string(400, 'c'))}))->size(), 255u);
}

TEST_F(PhotoFormat, TrailingBlanksOfTextItemsAreNotShown) {
    const PhotoInfo padded = info({asciiItem(0x010F, "KONICA MINOLTA "), asciiItem(0x0110, "DiMAGE Z3  "), asciiItem(0xA434, "Lens "),
                                   asciiItem(0x8298, "    "), asciiItem(0x013B, " Ko  ")});
    EXPECT_EQ(cameraText(padded), u"KONICA MINOLTA、DiMAGE Z3、Lens");
    EXPECT_EQ(infoRow(padded, 7).text, u"KONICA MINOLTA、DiMAGE Z3、Lens、");
    EXPECT_EQ(authorText(padded), u"、 Ko");
    EXPECT_TRUE(infoRow(padded, 11).hasValue);  // a blank Copyright is still present
    EXPECT_EQ(infoRow(padded, 11).text, u"、 Ko");
    EXPECT_EQ(readPropertyText(padded.items, 0x010F, *padded.codePage), u"KONICA MINOLTA ");  // the item as stored
}

TEST_F(PhotoFormat, InformationRowsOfAPictureWithoutExif) {
    PhotoInfo bare = info({});
    bare.fileWriteTime = CivilTime{2024, 3, 9, 18, 30, 5, 0, 6};
    bare.picture = {PictureMetrics::Source::Decoder, 10, 20, 96, 96, 32};
    bare.pictureFile = u"C:\\pics\\a.png";
    bare.pageFile = u"C:\\pics\\a.png";
    for (int row = 0; row < kInfoRowCount; ++row) {
        const bool expected = row == 0 || row == 4 || row == 5 || row == 6;
        EXPECT_EQ(infoRow(bare, row).hasValue, expected) << "row " << row;
    }
    EXPECT_EQ(infoRow(bare, 0).text, u"2024年3月9日 土曜日 午後6時30分05秒");
    EXPECT_EQ(infoRow(bare, 1).text, kUnknownText);
    EXPECT_EQ(infoRow(bare, 4).text, u"C:\\pics\\");
    EXPECT_EQ(infoRow(bare, 5).text, u"a (png)");
    EXPECT_EQ(infoRow(bare, 8).text, kUnknownText);
    EXPECT_EQ(infoRow(bare, 11).text, u"");
    bare.fileWriteTime.reset();
    EXPECT_FALSE(infoRow(bare, 0).hasValue);
    EXPECT_EQ(infoRow(bare, 0).text, kUnknownText);
}

TEST_F(PhotoFormat, InformationRowsOfAFullPicture) {
    PhotoInfo full = info({asciiItem(0x010F, "Maker"), asciiItem(0x0110, "M1"), asciiItem(0x0131, "Editor 2"), asciiItem(0x0132, "2024:02:29 08:00:00"),
                           asciiItem(0x8298, "(c)"), asciiItem(0xA434, "Lens"), rationalItem(0x829A, {1, 100}), asciiItem(0x9003, "2023:05:07 14:03:09"),
                           shortItem(0xA405, {50}), shortItem(0x9207, {2}), asciiItem(0x0001, "N"), rationalItem(0x0011, {90, 1})});
    full.pathDisplay = [](TextView path) { return u"<" + Text(path) + u">"; };
    full.pageFile = u"C:\\pics\\";
    full.pictureFile = u"C:\\pics\\b.jpg";
    EXPECT_EQ(infoRow(full, 1).text, u"2024年2月29日 木曜日 午前8時00分00秒");
    EXPECT_EQ(infoRow(full, 2).text, u"2023年5月7日 日曜日 午後2時03分09秒");
    EXPECT_EQ(infoRow(full, 3).text, u"Editor 2");
    EXPECT_EQ(infoRow(full, 4).text, u"<C:\\pics\\>");
    EXPECT_EQ(infoRow(full, 5).text, u"b (jpg)");
    EXPECT_EQ(infoRow(full, 7).text, u"Maker、M1、Lens、");
    EXPECT_EQ(infoRow(full, 8).text, u"1/100秒");
    EXPECT_EQ(infoRow(full, 9).text, u"焦点距離(35mm換算) 50mm");
    EXPECT_EQ(infoRow(full, 10).text, u"測光:中央重心");
    EXPECT_EQ(infoRow(full, 11).text, u"(c)");
    EXPECT_EQ(infoRow(full, 12).text, u"N:");
    EXPECT_EQ(infoRow(full, 13).text, u"方位: 東");
    for (int row = 1; row < kInfoRowCount; ++row) EXPECT_TRUE(infoRow(full, row).hasValue) << "row " << row;
    EXPECT_EQ(shootingDateText(full, true), u"2023年5月7日(日) 午後2時03分");
}

TEST_F(PhotoFormat, CameraRowNeedsMakeAndModelForAValue) {
    const InfoRowText makeOnly = infoRow(info({asciiItem(0x010F, "Maker"), asciiItem(0x0136, "X")}), 7);
    EXPECT_FALSE(makeOnly.hasValue);
    EXPECT_EQ(makeOnly.text, u"Maker、、X、");
    const InfoRowText none = infoRow(info({asciiItem(0x0110, "M1")}), 7);
    EXPECT_FALSE(none.hasValue);
    EXPECT_EQ(none.text, kUnknownText);
}

}  // namespace
}  // namespace quillory
