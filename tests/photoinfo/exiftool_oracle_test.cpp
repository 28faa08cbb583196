// ExifTool, an independent reader, as the oracle for what the fixtures hold: every tag the
// program reads must come out of our reader with the value ExifTool reports with -n.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <sstream>

#include "base/std_platform.h"
#include "photoinfo/photo_source.h"
#include "photoinfo/tag_value.h"

namespace quillory {
namespace {

const std::string kFixtures = std::string(QUILLORY_SOURCE_DIR) + "/tests/fixtures/photoinfo/";

enum class Kind { Text, Short, Rational, SignedRational, Degrees };

struct OracleTag {
    std::uint32_t id;
    const char* exiftoolName;
    Kind kind;
};

constexpr OracleTag kTags[] = {
    {0x010F, "EXIF:Make", Kind::Text},
    {0x0110, "EXIF:Model", Kind::Text},
    {0x0131, "EXIF:Software", Kind::Text},
    {0x0132, "EXIF:ModifyDate", Kind::Text},
    {0x0136, "EXIF:LensExtra", Kind::Text},
    {0x013B, "EXIF:Artist", Kind::Text},
    {0x8298, "EXIF:Copyright", Kind::Text},
    {0x829A, "EXIF:ExposureTime", Kind::Rational},
    {0x829D, "EXIF:FNumber", Kind::Rational},
    {0x8822, "EXIF:ExposureProgram", Kind::Short},
    {0x8827, "EXIF:ISO", Kind::Short},
    {0x9003, "EXIF:DateTimeOriginal", Kind::Text},
    {0x9204, "EXIF:ExposureCompensation", Kind::SignedRational},
    {0x9207, "EXIF:MeteringMode", Kind::Short},
    {0x9208, "EXIF:LightSource", Kind::Short},
    {0x920A, "EXIF:FocalLength", Kind::Rational},
    {0xA001, "EXIF:ColorSpace", Kind::Short},
    {0xA405, "EXIF:FocalLengthIn35mmFormat", Kind::Short},
    {0xA434, "EXIF:LensModel", Kind::Text},
    {0x0001, "GPS:GPSLatitudeRef", Kind::Text},
    {0x0002, "GPS:GPSLatitude", Kind::Degrees},
    {0x0003, "GPS:GPSLongitudeRef", Kind::Text},
    {0x0004, "GPS:GPSLongitude", Kind::Degrees},
    {0x0006, "GPS:GPSAltitude", Kind::Rational},
    {0x0011, "GPS:GPSImgDirection", Kind::Rational},
};

bool haveExiftool() { return std::system("exiftool -ver >/dev/null 2>&1") == 0; }

// One line of ExifTool's table output: the values in the order asked, "-" when absent.
std::vector<std::string> exiftoolValues(const std::string& file) {
    std::string command = "exiftool -config " + kFixtures + "lens_extra.config -n -T";
    for (const OracleTag& tag : kTags) command += std::string(" -") + tag.exiftoolName;
    command += " " + file;
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) output += buffer;
        pclose(pipe);
    }
    if (!output.empty() && output.back() == '\n') output.pop_back();
    std::vector<std::string> values;
    std::stringstream fields(output);
    for (std::string field; std::getline(fields, field, '\t');) values.push_back(field);
    return values;
}

double ratio(std::uint32_t numerator, std::uint32_t denominator, bool isSigned) {
    if (isSigned) return static_cast<double>(static_cast<std::int32_t>(numerator)) / static_cast<std::int32_t>(denominator);
    return static_cast<double>(numerator) / denominator;
}

// Our reading of one item in ExifTool's -n terms.
std::optional<double> numberOf(const PropertyItem& item, Kind kind) {
    const TagValue v = decodeTagValue(item);
    switch (kind) {
    case Kind::Short: return item.type == PropertyTypeShort ? std::optional<double>(v.firstShort) : std::nullopt;
    case Kind::Rational: return ratio(v.number, v.den1, false);
    case Kind::SignedRational: return ratio(v.number, v.den1, true);
    case Kind::Degrees: return ratio(v.number, v.den1, false) + ratio(v.num2, v.den2, false) / 60 + ratio(v.num3, v.den3, false) / 3600;
    case Kind::Text: break;
    }
    return std::nullopt;
}

void expectAgreement(const std::string& name) {
    const std::string file = kFixtures + name;
    const std::vector<std::string> expected = exiftoolValues(file);
    ASSERT_EQ(expected.size(), std::size(kTags)) << "ExifTool gave no table for " << file;
    StdFileSystem files;
    Latin1CodePage codePage;
    const std::vector<PropertyItem> items = readAllProperties(files, textFromUtf8(file));
    for (std::size_t i = 0; i < std::size(kTags); ++i) {
        const OracleTag& tag = kTags[i];
        const PropertyItem* item = findProperty(items, tag.id);
        SCOPED_TRACE(std::string(name) + " " + tag.exiftoolName);
        if (expected[i] == "-") {
            EXPECT_EQ(item, nullptr);
            continue;
        }
        ASSERT_NE(item, nullptr);
        if (tag.kind == Kind::Text) {
            EXPECT_EQ(textToUtf8(readPropertyText(items, tag.id, codePage).value_or(u"")), expected[i]);
            continue;
        }
        const std::optional<double> ours = numberOf(*item, tag.kind);
        ASSERT_TRUE(ours.has_value());
        const double theirs = std::stod(expected[i]);
        EXPECT_NEAR(*ours, theirs, 1e-6 * std::max(1.0, std::fabs(theirs)));
    }
}

class ExiftoolOracle : public ::testing::TestWithParam<const char*> {};

TEST_P(ExiftoolOracle, EveryReadTagAgrees) {
    if (!haveExiftool()) GTEST_SKIP() << "exiftool is not installed";
    expectAgreement(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Fixtures, ExiftoolOracle, ::testing::Values("full_le.jpg", "full_be.tif", "full.png", "full.webp", "full.heic", "no_exif.jpg",
                                                             "no_exif.png"));

// The rows the information list shows for the committed pictures, independent of ExifTool.
std::vector<Text> rowsOf(const std::string& name) {
    StdFileSystem files;
    UtcClock clock;
    Latin1CodePage codePage;
    const Text path = textFromUtf8(kFixtures + name);
    const PhotoInfo info = gatherPhotoInfo(PhotoServices{files, clock, codePage}, {path, path, true, {}});
    std::vector<Text> rows;
    for (int row = 0; row < kInfoRowCount; ++row) rows.push_back(infoRow(info, row).text);
    return rows;
}

TEST(FixtureRows, BigEndianTiffWithSouthAndWest) {
    const std::vector<Text> rows = rowsOf("full_be.tif");
    EXPECT_EQ(rows[1], u"2024年2月29日 木曜日 午前8時15分00秒");
    EXPECT_EQ(rows[2], u"2023年5月7日 日曜日 午後2時03分09秒");
    EXPECT_EQ(rows[3], u"Darkroom 3.1");
    EXPECT_EQ(rows[5], u"full_be (tif)");
    EXPECT_EQ(rows[7], u"Quillory Optics、QX-1 Mark II、QX 35mm F2.8、Adapter B、");
    EXPECT_EQ(rows[8], u"1/250秒、f/2.8、ISO-400、-0.3EV、焦点距離 35mm");
    EXPECT_EQ(rows[9], u"焦点距離(35mm換算) 50mm");
    EXPECT_EQ(rows[10], u"MODE:絞り優先、測光:パターン、WB:日光、色:sRGB");
    EXPECT_EQ(rows[11], u"(c) 2023 Aoi Sato、Aoi Sato");
    EXPECT_EQ(rows[12], u"S:35゜39' 29.17\"、W:139゜44' 30.12\"、Alt 35.2m");
    EXPECT_EQ(rows[13], u"方位: 北北東");
}

TEST(FixtureRows, TheThreeContainersReadAlike) {
    const std::vector<Text> jpeg = rowsOf("full_le.jpg");
    const std::vector<Text> png = rowsOf("full.png");
    for (int row : {1, 2, 3, 7, 8, 9, 10, 11, 13}) EXPECT_EQ(jpeg[static_cast<std::size_t>(row)], png[static_cast<std::size_t>(row)]) << "row " << row;
    EXPECT_EQ(jpeg[12], u"N:35゜39' 29.17\"、E:139゜44' 30.12\"、Alt 35.2m");
    EXPECT_EQ(png[12], u"N:35゜39' 29.17\"、W:139゜44' 30.12\"、Alt 35.2m");
}

}  // namespace
}  // namespace quillory
