#include "photoinfo/picture_header.h"

#include <gtest/gtest.h>

#include "base/memory_source.h"
#include "photoinfo/exif_builder.h"
#include "photoinfo/picture_bytes.h"

namespace quillory {
namespace {

using namespace testing;

PictureHeader headerOf(std::vector<std::uint8_t> bytes) {
    MemorySource source(std::move(bytes));
    return readPictureHeader(source);
}

::testing::AssertionResult claims(const PictureHeader& header, std::uint32_t width, std::uint32_t height) {
    if (header.reading == HeaderReading::Sized && header.width == width && header.height == height) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "reading " << static_cast<int>(header.reading) << ", " << header.width << " x " << header.height;
}

std::vector<std::uint8_t> tiffOf(bool bigEndian, BuiltEntry width, BuiltEntry height) {
    TiffBuilder b;
    b.bigEndian = bigEndian;
    b.first = {shortEntry(0x0103, {1}), std::move(width), std::move(height), asciiEntry(0x010F, "Maker")};
    return b.build();
}

// A BigTIFF with one directory of ImageWidth and ImageLength as LONG8, little-endian.
std::vector<std::uint8_t> bigTiffOf(std::uint64_t width, std::uint64_t height) {
    std::vector<std::uint8_t> out{'I', 'I', 43, 0, 8, 0, 0, 0};
    const auto put64 = [&](std::uint64_t n) { for (int i = 0; i < 8; ++i) out.push_back(static_cast<std::uint8_t>(n >> (8 * i))); };
    put64(16);
    put64(2);
    for (const auto& [tag, value] : {std::pair{256, width}, std::pair{257, height}}) {
        appendLittleEndian(out, static_cast<std::uint32_t>(tag), 2);
        appendLittleEndian(out, 16, 2);
        put64(1);
        put64(value);
    }
    put64(0);
    return out;
}

TEST(PictureHeader, EachFormatGivesTheSizeItsHeaderClaims) {
    EXPECT_TRUE(claims(headerOf(jpegOf({jfifSegment(), jpegFrame(0xC0, 640, 480)})), 640, 480));
    EXPECT_TRUE(claims(headerOf(jpegOf({jpegFrame(0xC2, 300, 200)})), 300, 200)) << "progressive";
    EXPECT_TRUE(claims(headerOf(pngOfBlankRows(40, 30)), 40, 30));
    EXPECT_TRUE(claims(headerOf(gifOf(320, 240, {{0, 0, 320, 240}})), 320, 240));
    EXPECT_TRUE(claims(headerOf(bmpOf(40, 123, 45)), 123, 45));
    EXPECT_TRUE(claims(headerOf(bmpOf(40, 123, -45)), 123, 45)) << "top-down";
    EXPECT_TRUE(claims(headerOf(bmpOf(124, 7, 8)), 7, 8));
    EXPECT_TRUE(claims(headerOf(bmpOf(12, 65535, 2)), 65535, 2)) << "core header, unsigned sides";
    EXPECT_TRUE(claims(headerOf(bmpOf(40, -5, 10)), 0, 10)) << "a negative width claims no pixels";
    EXPECT_TRUE(claims(headerOf(bmpOf(40, 10, INT32_MIN)), 10, 0x80000000u));
    for (const bool bigEndian : {false, true}) {
        SCOPED_TRACE(bigEndian ? "MM" : "II");
        EXPECT_TRUE(claims(headerOf(tiffOf(bigEndian, shortEntry(256, {1200}), shortEntry(257, {900}))), 1200, 900));
        EXPECT_TRUE(claims(headerOf(tiffOf(bigEndian, longEntry(256, {70000}), longEntry(257, {3}))), 70000, 3));
        EXPECT_TRUE(claims(headerOf(tiffOf(bigEndian, shortEntry(256, {5}), longEntry(257, {0x10000}))), 5, 0x10000));
    }
    EXPECT_TRUE(claims(headerOf(bigTiffOf(6000, 4000)), 6000, 4000));
    EXPECT_TRUE(claims(headerOf(bigTiffOf(std::uint64_t{1} << 40, 1)), 0xFFFFFFFFu, 1)) << "held at the most a side can say";
}

TEST(PictureHeader, AJpegIsWalkedToItsFirstFrameHeaderAsDecodersWalkIt) {
    // Tables whose markers lie in the frame headers' range, with bytes that would read as a size.
    const std::vector<std::uint8_t> tables{8, 0x7F, 0x7F, 0x7F, 0x7F, 1};
    EXPECT_TRUE(claims(headerOf(jpegOf({jpegSegment(0xC4, tables), jpegSegment(0xCC, tables), jpegSegment(0xC8, tables), jpegFrame(0xC1, 64, 48)})), 64, 48));
    // Stray bytes, fill bytes and a stuffed zero before a marker are passed over.
    std::vector<std::uint8_t> stray = jfifSegment();
    stray.insert(stray.end(), {0x00, 0x12, 0xFF, 0x00, 0xFF, 0xFF, 0xFF});
    const std::vector<std::uint8_t> frame = jpegFrame(0xC0, 65500, 65500);
    stray.insert(stray.end(), frame.begin() + 1, frame.end());
    EXPECT_TRUE(claims(headerOf(jpegOf({stray})), 65500, 65500));
    EXPECT_TRUE(claims(headerOf(jpegOf({jpegFrame(0xC0, 10, 10), jpegFrame(0xC0, 65500, 65500)})), 10, 10)) << "the first frame counts";
    EXPECT_EQ(headerOf(jpegOf({jfifSegment()})).reading, HeaderReading::Corrupt) << "image data before any frame header";
}

TEST(PictureHeader, AGifPictureBeyondItsScreenWidensTheSize) {
    EXPECT_TRUE(claims(headerOf(gifOf(100, 100, {{0, 0, 10, 10}, {60000, 5, 4000, 50}})), 64000, 100));
    EXPECT_TRUE(claims(headerOf(gifOf(100, 100, {{65535, 65535, 65535, 65535}})), 131070, 131070));
    std::vector<std::uint8_t> cut = gifOf(100, 80, {{0, 0, 100, 80}, {0, 0, 9000, 9000}});
    cut.resize(cut.size() - 25);  // into the second picture's block
    EXPECT_TRUE(claims(headerOf(cut), 100, 80)) << "a file cut short keeps what was read";
}

// Every cut of a header before its size bytes are whole is corrupt, never a size read from
// beyond the data (the sanitizers watch every read).
TEST(PictureHeader, AHeaderCutShortIsCorrupt) {
    const struct {
        const char* name;
        std::vector<std::uint8_t> bytes;
        std::size_t signatureEnds;  // shorter, the file is not known as a picture at all
        std::size_t sizeEnds;       // one past the last byte of the header the size needs
    } pictures[] = {
        {"jpeg", jpegOf({jfifSegment(), jpegFrame(0xC0, 640, 480)}), 2, 20 + 9},
        {"png", pngOfBlankRows(40, 30), 8, 24},
        {"gif", gifOf(320, 240, {}), 6, 13},
        {"bmp core", bmpOf(12, 4, 4), 2, 22},
        {"bmp info", bmpOf(40, 4, 4), 2, 26},
        {"tiff", tiffOf(false, shortEntry(256, {4}), shortEntry(257, {4})), 4, 8 + 2 + 3 * 12},
        {"bigtiff", bigTiffOf(4, 4), 4, 16 + 8 + 2 * 20},
    };
    for (const auto& picture : pictures) {
        SCOPED_TRACE(picture.name);
        for (std::size_t length = 0; length < picture.sizeEnds; ++length) {
            std::vector<std::uint8_t> cut(picture.bytes.begin(), picture.bytes.begin() + static_cast<std::ptrdiff_t>(length));
            EXPECT_EQ(headerOf(cut).reading, length < picture.signatureEnds ? HeaderReading::UnknownFormat : HeaderReading::Corrupt) << length;
        }
        EXPECT_EQ(headerOf(std::vector<std::uint8_t>(picture.bytes.begin(), picture.bytes.begin() + static_cast<std::ptrdiff_t>(picture.sizeEnds))).reading,
                  HeaderReading::Sized);
    }
}

TEST(PictureHeader, ABrokenStructureIsCorrupt) {
    std::vector<std::uint8_t> png = pngOfBlankRows(4, 4);
    png[12] = 'X';  // the first chunk is not the header
    EXPECT_EQ(headerOf(png).reading, HeaderReading::Corrupt);
    std::vector<std::uint8_t> tiff = tiffOf(true, shortEntry(256, {4}), shortEntry(257, {4}));
    tiff[7] = 0xF0;  // the first directory lies past the end
    EXPECT_EQ(headerOf(tiff).reading, HeaderReading::Corrupt);
    TiffBuilder noLength;
    noLength.first = {shortEntry(256, {4})};
    EXPECT_EQ(headerOf(noLength.build()).reading, HeaderReading::Corrupt);
    EXPECT_EQ(headerOf(tiffOf(false, rationalEntry(256, {{4, 1}}), shortEntry(257, {4}))).reading, HeaderReading::Corrupt);
    EXPECT_EQ(headerOf(bmpOf(14, 4, 4)).reading, HeaderReading::Corrupt) << "no bitmap header has 14 bytes";
    EXPECT_EQ(headerOf({0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x01}).reading, HeaderReading::Corrupt) << "a length below its own two bytes";
}

TEST(PictureHeader, WhatItDoesNotKnowIsLeftToTheDecoder) {
    const std::vector<std::vector<std::uint8_t>> others{
        {},
        {'B'},
        {0xD7, 0xCD, 0xC6, 0x9A, 0, 0, 0, 0},  // a placeable metafile
        {1, 0, 0, 0, 0x6C, 0, 0, 0, 0, 0},      // an enhanced metafile's first record
        {'G', 'I', 'F', '8', '8', 'a', 1, 0},
        {'I', 'I', 42, 1},
        {'h', 'e', 'l', 'l', 'o'},
    };
    for (const auto& bytes : others) {
        const PictureHeader header = headerOf(bytes);
        EXPECT_EQ(header.reading, HeaderReading::UnknownFormat) << bytes.size();
        EXPECT_TRUE(mayDecode(header));
    }
}

TEST(PictureHeader, OnlyAPictureWithinThePixelBudgetMayBeDecoded) {
    EXPECT_FALSE(mayDecode(headerOf(jpegOf({jfifSegment(), jpegFrame(0xC0, 65500, 65500)}))));
    EXPECT_FALSE(mayDecode(headerOf(pngHeaderOnly(40000, 40000))));
    EXPECT_TRUE(mayDecode({HeaderReading::Sized, 20000, 10000})) << "exactly the budget";
    EXPECT_FALSE(mayDecode({HeaderReading::Sized, 20000, 10001}));
    EXPECT_TRUE(mayDecode({HeaderReading::Sized, 6000, 4000}));
    EXPECT_FALSE(mayDecode({HeaderReading::Sized, 0xFFFFFFFFu, 0xFFFFFFFFu})) << "no overflow of the product";
    EXPECT_FALSE(mayDecode({HeaderReading::Sized, 0, 0}));
    EXPECT_FALSE(mayDecode({HeaderReading::Sized, 0, 100}));
    EXPECT_FALSE(mayDecode({HeaderReading::Sized, 100, 0}));
    EXPECT_FALSE(mayDecode({HeaderReading::Corrupt, 0, 0}));
}

}  // namespace
}  // namespace quillory
