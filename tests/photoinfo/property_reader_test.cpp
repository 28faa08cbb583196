#include "photoinfo/property_reader.h"

#include <gtest/gtest.h>

#include "photoinfo/exif_builder.h"

namespace quillory {
namespace {

using testing::RecordingSource;
using testing::TiffBuilder;

std::vector<PropertyItem> itemsOf(std::vector<std::uint8_t> bytes) {
    RecordingSource source(std::move(bytes));
    return readPropertyItems(source);
}

std::vector<std::uint8_t> littleEndianBytes(std::initializer_list<std::uint32_t> words, int size) {
    std::vector<std::uint8_t> out;
    for (const std::uint32_t w : words) {
        for (int i = 0; i < size; ++i) out.push_back(static_cast<std::uint8_t>(w >> (8 * i)));
    }
    return out;
}

const PropertyItem* find(const std::vector<PropertyItem>& items, std::uint32_t id) {
    for (const PropertyItem& item : items) {
        if (item.id == id) return &item;
    }
    return nullptr;
}

TiffBuilder everyValueKind(bool bigEndian) {
    TiffBuilder b;
    b.bigEndian = bigEndian;
    b.first = {testing::asciiEntry(0x010F, "Maker"), testing::asciiEntry(0x0110, "M1")};
    b.exif = {
        testing::shortEntry(0x8827, {400}),                          // inline SHORT
        testing::shortEntry(0x9999, {1, 2, 3}),                      // SHORT by offset
        testing::longEntry(0x9998, {0x01020304}),                    // inline LONG
        testing::longEntry(0x9997, {7, 0xA0B0C0D0}),                 // LONG by offset
        testing::rationalEntry(0x829D, {{28, 10}}),                  // RATIONAL (always by offset)
        testing::rationalEntry(0x9204, {{-1, 3}}, PropertyTypeSRational),
        testing::asciiEntry(0x9003, "2023:05:07 14:03:09"),
        testing::asciiEntry(0x9996, "ab"),                           // ASCII inline
    };
    b.gps = {testing::asciiEntry(0x0001, "N"), testing::rationalEntry(0x0002, {{35, 1}, {39, 1}, {2917, 100}})};
    return b;
}

class BothByteOrders : public ::testing::TestWithParam<bool> {};

TEST_P(BothByteOrders, ValuesComeOutLittleEndianWhetherInlineOrByOffset) {
    const auto items = itemsOf(everyValueKind(GetParam()).build());
    ASSERT_NE(find(items, 0x8827), nullptr);
    EXPECT_EQ(find(items, 0x8827)->value, littleEndianBytes({400}, 2));
    EXPECT_EQ(find(items, 0x9999)->value, littleEndianBytes({1, 2, 3}, 2));
    EXPECT_EQ(find(items, 0x9998)->value, littleEndianBytes({0x01020304}, 4));
    EXPECT_EQ(find(items, 0x9997)->value, littleEndianBytes({7, 0xA0B0C0D0}, 4));
    EXPECT_EQ(find(items, 0x829D)->value, littleEndianBytes({28, 10}, 4));
    EXPECT_EQ(find(items, 0x9204)->value, littleEndianBytes({0xFFFFFFFF, 3}, 4));
    EXPECT_EQ(find(items, 0x0002)->value, littleEndianBytes({35, 1, 39, 1, 2917, 100}, 4));
    const PropertyItem* date = find(items, 0x9003);
    ASSERT_NE(date, nullptr);
    EXPECT_EQ(date->type, PropertyTypeAscii);
    EXPECT_EQ(date->length, 20u);  // the terminating zero is part of the value
    EXPECT_EQ(std::string(date->value.begin(), date->value.end() - 1), "2023:05:07 14:03:09");
    EXPECT_EQ(std::string(find(items, 0x9996)->value.begin(), find(items, 0x9996)->value.end()), std::string("ab\0", 3));
}

TEST_P(BothByteOrders, LengthIsCountTimesTypeSize) {
    const auto items = itemsOf(everyValueKind(GetParam()).build());
    EXPECT_EQ(find(items, 0x9999)->length, 6u);
    EXPECT_EQ(find(items, 0x9997)->length, 8u);
    EXPECT_EQ(find(items, 0x0002)->length, 24u);
    EXPECT_EQ(find(items, 0x0002)->type, PropertyTypeRational);
    EXPECT_EQ(find(items, 0x9204)->type, PropertyTypeSRational);
}

INSTANTIATE_TEST_SUITE_P(PropertyReader, BothByteOrders, ::testing::Values(false, true));

TEST(PropertyReader, ItemsFollowTheFileFirstDirectoryThenExifThenGps) {
    TiffBuilder b;
    b.first = {testing::asciiEntry(0x0110, "Model"), testing::asciiEntry(0x010F, "Make")};
    b.exif = {testing::rationalEntry(0x829D, {{4, 1}}), testing::rationalEntry(0x829A, {{1, 250}})};
    b.gps = {testing::rationalEntry(0x0011, {{90, 1}})};
    std::vector<std::uint32_t> ids;
    for (const PropertyItem& item : itemsOf(b.build())) ids.push_back(item.id);
    // The pointers to the Exif and GPS directories are items of the first directory, as the
    // system decoder reports them.
    EXPECT_EQ(ids, (std::vector<std::uint32_t>{0x0110, 0x010F, 0x8769, 0x8825, 0x829D, 0x829A, 0x0011}));
}

TEST(PropertyReader, JpegPngAndTiffContainersGiveTheSameItems) {
    const auto tiff = everyValueKind(false).build();
    const auto plain = itemsOf(tiff);
    ASSERT_EQ(plain.size(), 14u);
    for (const auto& wrapped : {testing::jpegWithExif(tiff), testing::pngWithExif(tiff)}) {
        const auto items = itemsOf(wrapped);
        ASSERT_EQ(items.size(), plain.size());
        for (std::size_t i = 0; i < items.size(); ++i) {
            EXPECT_EQ(items[i].id, plain[i].id);
            EXPECT_EQ(items[i].value, plain[i].value);
        }
    }
}

TEST(PropertyReader, PngExifChunkWithExifPrefixIsAccepted) {
    auto tiff = everyValueKind(true).build();
    tiff.insert(tiff.begin(), {'E', 'x', 'i', 'f', 0, 0});
    EXPECT_EQ(itemsOf(testing::pngWithExif(tiff)).size(), 14u);
}

TEST(PropertyReader, JpegReadingStopsAtTheImageData) {
    TiffBuilder b;
    b.exif = {testing::asciiEntry(0x9003, "2020:01:01 00:00:00")};
    auto jpeg = testing::jpegWithExif(b.build());
    const std::size_t headerEnd = jpeg.size() - 8;  // the SOS marker starts here
    jpeg.insert(jpeg.end() - 2, 100000, 0x77);       // a large body of "pixels"
    // A few kilobytes of the head are read in one go; the pixels after them never are.
    ASSERT_LT(headerEnd, 8192u);
    RecordingSource source(jpeg);
    EXPECT_EQ(readDateTimeOriginal(source), "2020:01:01 00:00:00");
    EXPECT_LE(source.furthest, 8192u);
    RecordingSource again(jpeg);
    EXPECT_FALSE(readPropertyItems(again).empty());
    EXPECT_LE(again.furthest, 8192u);
}

TEST(PropertyReader, ValuesBeyondAndAcrossTheFirstKilobytesAreRead) {
    TiffBuilder b;
    std::vector<std::uint32_t> pattern(8130);  // stored from byte 50 (after the directory) to 8180
    for (std::size_t i = 0; i < pattern.size(); ++i) pattern[i] = static_cast<std::uint32_t>(i * 7 % 251);
    // The first value ends just short of 8 KB, the second straddles it, the third lies past it.
    b.first = {testing::bytesEntry(0x9286, 7, pattern), testing::asciiEntry(0x010F, "straddling text"), testing::asciiEntry(0x0110, "far model")};
    const auto items = itemsOf(b.build());
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].value, std::vector<std::uint8_t>(pattern.begin(), pattern.end()));
    EXPECT_EQ(std::string(items[1].value.begin(), items[1].value.end() - 1), "straddling text");
    EXPECT_EQ(std::string(items[2].value.begin(), items[2].value.end() - 1), "far model");
}

// The date ordering and the shown shooting date must mean the same item: the first readable
// DateTimeOriginal in stored order, wherever it is stored.
std::optional<std::string> shownDate(const std::vector<std::uint8_t>& bytes) {
    const auto items = itemsOf(bytes);
    const PropertyItem* date = find(items, 0x9003);
    if (date == nullptr || date->type != PropertyTypeAscii) return std::nullopt;
    return std::string(date->value.begin(), std::find(date->value.begin(), date->value.end(), std::uint8_t{0}));
}

std::optional<std::string> orderingDate(const std::vector<std::uint8_t>& bytes) {
    RecordingSource source(bytes);
    return readDateTimeOriginal(source);
}

TEST(PropertyReader, DateOnlyReadTakesTheItemTheTextsShow) {
    TiffBuilder both;
    both.bigEndian = true;
    both.first = {testing::asciiEntry(0x9003, "1999:09:09 09:09:09")};
    both.exif = {testing::asciiEntry(0x9003, "2021:02:03 04:05:06")};
    TiffBuilder firstOnly;  // a TIFF written with the tag in its first directory
    firstOnly.first = {testing::asciiEntry(0x010F, "Make"), testing::asciiEntry(0x9003, "2019:01:02 03:04:05")};
    // The first item's value points outside the file: neither reader can have it, both go on.
    auto unreadableFirst = both.build();
    unreadableFirst[8 + 2 + 8] = 0xFF;
    TiffBuilder wrongType;
    wrongType.exif = {testing::longEntry(0x9003, {20210203}), testing::asciiEntry(0x9003, "2021:02:03 04:05:06")};
    TiffBuilder undated;
    undated.first = {testing::asciiEntry(0x010F, "Make")};

    const std::vector<std::pair<std::vector<std::uint8_t>, std::optional<std::string>>> cases{
        {both.build(), "1999:09:09 09:09:09"},
        {firstOnly.build(), "2019:01:02 03:04:05"},
        {unreadableFirst, "2021:02:03 04:05:06"},
        {wrongType.build(), std::nullopt},
        {undated.build(), std::nullopt},
        {testing::jpegWithExif(firstOnly.build()), "2019:01:02 03:04:05"},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        EXPECT_EQ(orderingDate(cases[i].first), cases[i].second) << "case " << i;
        EXPECT_EQ(shownDate(cases[i].first), orderingDate(cases[i].first)) << "case " << i;
    }
}

TEST(PropertyReader, DateReaderReadsTheFirstKilobyteAndMoreOnlyWhenTheDateLiesFurther) {
    TiffBuilder near;
    near.exif = {testing::asciiEntry(0x9003, "2020:01:01 00:00:00")};
    auto nearJpeg = testing::jpegWithExif(near.build());
    nearJpeg.insert(nearJpeg.end() - 2, 100000, 0x77);
    TiffBuilder far;  // a long maker value stored before the date pushes it past 5 KB
    far.exif = {testing::bytesEntry(0x927C, 7, std::vector<std::uint32_t>(5000, 0x11)), testing::asciiEntry(0x9003, "2022:02:02 02:02:02")};
    const auto farJpeg = testing::jpegWithExif(far.build());

    DateTimeOriginalReader reader;
    RecordingSource nearSource(nearJpeg);
    EXPECT_EQ(reader.read(nearSource), "2020:01:01 00:00:00");
    EXPECT_LE(nearSource.furthest, 1024u);
    RecordingSource farSource(farJpeg);
    EXPECT_EQ(reader.read(farSource), "2022:02:02 02:02:02");
    // The same reader on a copy cut before the date must not find the bytes it held before.
    RecordingSource cut(std::vector<std::uint8_t>(farJpeg.begin(), farJpeg.end() - 20));
    EXPECT_EQ(reader.read(cut), std::nullopt);
}

// Hostile files: each must end without a crash, a hang or a read outside the data (the
// sanitizers and RecordingSource's bounds check the last).
TEST(PropertyReaderHostile, EveryTruncationOfAPictureIsSafe) {
    const auto jpeg = testing::jpegWithExif(everyValueKind(true).build());
    for (std::size_t size = 0; size < jpeg.size(); ++size) {
        RecordingSource source(std::vector<std::uint8_t>(jpeg.begin(), jpeg.begin() + static_cast<std::ptrdiff_t>(size)));
        const auto items = readPropertyItems(source);
        EXPECT_LE(items.size(), 14u);
        RecordingSource again(std::vector<std::uint8_t>(jpeg.begin(), jpeg.begin() + static_cast<std::ptrdiff_t>(size)));
        (void)readDateTimeOriginal(again);
    }
}

TEST(PropertyReaderHostile, OffsetsAndCountsPastTheEndDropOnlyThoseItems) {
    TiffBuilder b;
    b.first = {testing::asciiEntry(0x010F, "Make"), testing::asciiEntry(0x0110, "A longer model name")};
    auto bytes = b.build();
    // The Model's value offset sits in the second entry: 8 + 2 + 12 + 8.
    const std::size_t modelOffset = 8 + 2 + 12 + 8;
    bytes[modelOffset] = 0xF0;
    bytes[modelOffset + 3] = 0x7F;
    auto items = itemsOf(bytes);
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].id, 0x010Fu);

    // A count so large that count times size overflows 32 bits.
    bytes = b.build();
    const std::size_t modelCount = 8 + 2 + 12 + 4;
    for (int i = 0; i < 4; ++i) bytes[modelCount + static_cast<std::size_t>(i)] = 0xFF;
    items = itemsOf(bytes);
    ASSERT_EQ(items.size(), 1u);
}

TEST(PropertyReaderHostile, HugeEntryCountTakesOnlyTheEntriesInTheFile) {
    TiffBuilder b;
    b.first = {testing::asciiEntry(0x010F, "Make"), testing::asciiEntry(0x0110, "Mo")};
    auto bytes = b.build();
    bytes[8] = 0xFF;
    bytes[9] = 0xFF;  // 65535 entries claimed
    const auto items = itemsOf(bytes);
    EXPECT_LE(items.size(), bytes.size() / 12);
    ASSERT_GE(items.size(), 2u);
    EXPECT_EQ(items[0].id, 0x010Fu);
}

TEST(PropertyReaderHostile, DirectoryPointersThatLoopAreReadOnce) {
    TiffBuilder b;
    b.first = {testing::asciiEntry(0x010F, "Make")};
    b.exif = {testing::asciiEntry(0x9003, "2020:01:01 00:00:00")};
    b.gps = {testing::asciiEntry(0x0001, "N")};
    auto bytes = b.build();
    // Point the Exif and GPS directories back at the first one (offset 8).
    for (const std::size_t entry : {1u, 2u}) {
        const std::size_t field = 8 + 2 + 12 * entry + 8;
        bytes[field] = 8;
        bytes[field + 1] = bytes[field + 2] = bytes[field + 3] = 0;
    }
    const auto items = itemsOf(bytes);
    EXPECT_EQ(items.size(), 3u);  // the first directory's three entries, once
}

TEST(PropertyReaderHostile, ZeroLengthStringsAndUnknownTypes) {
    TiffBuilder b;
    b.first = {testing::bytesEntry(0x0131, 2, {}), testing::bytesEntry(0x0132, 99, {1, 2, 3, 4})};
    const auto items = itemsOf(b.build());
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].length, 0u);
    EXPECT_TRUE(items[0].value.empty());
}

TEST(PropertyReaderHostile, PicturesWithoutMetadataGiveNothing) {
    const std::vector<std::uint8_t> bareJpeg{0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x04, 0, 0, 0xFF, 0xDA, 0x00, 0x02, 0xFF, 0xD9};
    EXPECT_TRUE(itemsOf(bareJpeg).empty());
    std::vector<std::uint8_t> png{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    testing::appendPngChunk(png, "IHDR", std::vector<std::uint8_t>(13, 0));
    testing::appendPngChunk(png, "IEND", {});
    EXPECT_TRUE(itemsOf(png).empty());
    EXPECT_TRUE(itemsOf({}).empty());
    EXPECT_TRUE(itemsOf({'B', 'M', 0, 0, 0, 0}).empty());
    EXPECT_TRUE(itemsOf({'I', 'I', 43, 0, 8, 0, 0, 0}).empty());  // BigTIFF is not read
}

TEST(PropertyReaderHostile, JpegSegmentLengthsThatLieEndTheWalk) {
    std::vector<std::uint8_t> zeroLength{0xFF, 0xD8, 0xFF, 0xE1, 0x00, 0x00, 'E', 'x', 'i', 'f', 0, 0};
    EXPECT_TRUE(itemsOf(zeroLength).empty());
    std::vector<std::uint8_t> pastEnd{0xFF, 0xD8, 0xFF, 0xE1, 0xFF, 0xFF, 'E', 'x', 'i', 'f', 0, 0, 'I', 'I', 42, 0, 8, 0, 0, 0};
    EXPECT_TRUE(itemsOf(pastEnd).empty());
    std::vector<std::uint8_t> fill(50000, 0xFF);  // nothing but fill bytes
    fill[1] = 0xD8;
    EXPECT_TRUE(itemsOf(fill).empty());
}

}  // namespace
}  // namespace quillory
