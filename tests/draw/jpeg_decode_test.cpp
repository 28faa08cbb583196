#include "draw/jpeg_decode.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace quillory {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Made by scripts/make_jpeg_fixtures.sh: quadrants red, green / blue, yellow.
Bytes fixture(const char* name) {
    std::ifstream file(std::string(QUILLORY_SOURCE_DIR) + "/tests/fixtures/jpeg/" + name, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), {});
}

constexpr std::uint32_t kRed = 0xD02020, kGreen = 0x20A040, kBlue = 0x2040D0, kYellow = 0xF0E060;

// Within JPEG's loss of the expected colour, and opaque.
::testing::AssertionResult near(std::uint32_t pixel, std::uint32_t rgb) {
    if (pixel >> 24 != 0xFF) return ::testing::AssertionFailure() << std::hex << pixel << " is not opaque";
    for (int shift : {0, 8, 16}) {
        const int got = (pixel >> shift) & 0xFF, want = (rgb >> shift) & 0xFF;
        if (std::abs(got - want) > 16) {
            return ::testing::AssertionFailure() << std::hex << pixel << " is not near " << rgb;
        }
    }
    return ::testing::AssertionSuccess();
}

void expectQuadrants(const PixelImage& picture) {
    const int left = picture.size.dx / 4, right = picture.size.dx * 3 / 4;
    const int top = picture.size.dy / 4, bottom = picture.size.dy * 3 / 4;
    EXPECT_TRUE(near(picture.at(left, top), kRed));
    EXPECT_TRUE(near(picture.at(right, top), kGreen));
    EXPECT_TRUE(near(picture.at(left, bottom), kBlue));
    EXPECT_TRUE(near(picture.at(right, bottom), kYellow));
}

// The header's stored size replaced: the first frame marker (SOF0 to SOF2) holds height then width.
Bytes withStoredSize(Bytes file, int width, int height) {
    for (std::size_t i = 0; i + 9 < file.size(); ++i) {
        if (file[i] == 0xFF && file[i + 1] >= 0xC0 && file[i + 1] <= 0xC2) {
            file[i + 5] = static_cast<std::uint8_t>(height >> 8);
            file[i + 6] = static_cast<std::uint8_t>(height);
            file[i + 7] = static_cast<std::uint8_t>(width >> 8);
            file[i + 8] = static_cast<std::uint8_t>(width);
            return file;
        }
    }
    ADD_FAILURE() << "no frame marker";
    return file;
}

TEST(JpegScale, TheSmallestReductionThatStillCoversTheRequest) {
    const Size camera{6000, 4000};
    EXPECT_EQ(jpegScaleDenominator(camera, {1000, 700}), 4);   // 750 x 500 would be too small
    EXPECT_EQ(jpegScaleDenominator(camera, {750, 500}), 8);    // exactly an eighth
    EXPECT_EQ(jpegScaleDenominator(camera, {751, 300}), 4);    // one side decides
    EXPECT_EQ(jpegScaleDenominator(camera, {300, 1001}), 2);
    EXPECT_EQ(jpegScaleDenominator(camera, {3001, 10}), 1);
    EXPECT_EQ(jpegScaleDenominator(camera, {8000, 8000}), 1);  // never enlarged, whole at most
    EXPECT_EQ(jpegScaleDenominator(camera, {}), 8);
    EXPECT_EQ(jpegScaleDenominator({125, 93}, {16, 12}), 8);   // sides round up
    EXPECT_EQ(jpegScaleDenominator({125, 93}, {17, 12}), 4);
}

TEST(JpegDecode, EachScaleGivesItsSizeAndTheQuadrantsColours) {
    for (const char* name : {"quadrants.jpg", "quadrants_progressive.jpg"}) {
        const Bytes file = fixture(name);
        const Size stored = *readJpegSize(file);
        for (int denominator : {1, 2, 4, 8}) {
            SCOPED_TRACE(std::string(name) + " at 1/" + std::to_string(denominator));
            const Size scaled{(stored.dx + denominator - 1) / denominator, (stored.dy + denominator - 1) / denominator};
            const DecodedJpeg decoded = decodeJpeg(file, scaled);
            ASSERT_EQ(decoded.status, JpegStatus::Decoded);
            EXPECT_EQ(decoded.storedSize, stored);
            EXPECT_EQ(decoded.scaleDenominator, denominator);
            ASSERT_EQ(decoded.picture.size, scaled);
            ASSERT_EQ(decoded.picture.pixels.size(), std::size_t(scaled.dx) * scaled.dy);
            expectQuadrants(decoded.picture);
        }
    }
    EXPECT_EQ(*readJpegSize(fixture("quadrants.jpg")), (Size{128, 96}));
    EXPECT_EQ(*readJpegSize(fixture("quadrants_progressive.jpg")), (Size{125, 93}));
}

TEST(JpegDecode, AFileCutShortIsTruncatedButAMissingEndMarkerIsNot) {
    for (const char* name : {"quadrants.jpg", "quadrants_progressive.jpg"}) {
        SCOPED_TRACE(name);
        const Bytes file = fixture(name);
        const Bytes withoutEnd(file.begin(), file.end() - 2);
        EXPECT_EQ(decodeJpeg(withoutEnd, {128, 96}).status, JpegStatus::Decoded);
        const Bytes cut(file.begin(), file.end() - 40);
        const DecodedJpeg decoded = decodeJpeg(cut, {128, 96});
        EXPECT_EQ(decoded.status, JpegStatus::Truncated);
        EXPECT_TRUE(decoded.picture.pixels.empty());
    }
}

TEST(JpegDecode, BrokenHeadersAreCorrupt) {
    const Bytes good = fixture("quadrants.jpg");
    Bytes noStartMarker = good;
    noStartMarker[1] = 0x00;
    const Bytes headerOnly(good.begin(), good.begin() + 20);
    const Bytes text{'n', 'o', 't', ' ', 'a', ' ', 'j', 'p', 'e', 'g'};
    for (const Bytes& file : {noStartMarker, headerOnly, text, Bytes{}, withStoredSize(good, 0, 96)}) {
        EXPECT_EQ(decodeJpeg(file, {10, 10}).status, JpegStatus::Corrupt);
        EXPECT_FALSE(readJpegSize(file));
    }
}

TEST(JpegDecode, AnAbsurdSizeIsRefusedFromTheHeader) {
    const Bytes huge = withStoredSize(fixture("quadrants.jpg"), 65000, 65000);
    EXPECT_EQ(readJpegSize(huge), (Size{65000, 65000}));
    const DecodedJpeg decoded = decodeJpeg(huge, {10, 10});
    EXPECT_EQ(decoded.status, JpegStatus::TooLarge);
    EXPECT_EQ(decoded.storedSize, (Size{65000, 65000}));
    EXPECT_FALSE(withinJpegPixelBudget({65000, 65000}));
    EXPECT_TRUE(withinJpegPixelBudget({12000, 8000}));  // a 96-megapixel camera
    EXPECT_FALSE(withinJpegPixelBudget({0, 8000}));
}

TEST(JpegDecode, GreyComesOutAsEqualChannels) {
    const DecodedJpeg decoded = decodeJpeg(fixture("quadrants_gray.jpg"), {32, 24});
    ASSERT_EQ(decoded.status, JpegStatus::Decoded);
    const std::uint32_t pixel = decoded.picture.at(8, 6);
    EXPECT_EQ(pixel >> 24, 0xFFu);
    EXPECT_EQ(pixel & 0xFF, (pixel >> 8) & 0xFF);
    EXPECT_EQ(pixel & 0xFF, (pixel >> 16) & 0xFF);
    EXPECT_NE(pixel, decoded.picture.at(24, 6));  // the quadrants differ in grey too
}

TEST(JpegDecode, CmykIsLeftToAnotherDecoder) {
    const DecodedJpeg decoded = decodeJpeg(fixture("quadrants_cmyk.jpg"), {32, 24});
    EXPECT_EQ(decoded.status, JpegStatus::Unsupported);
    EXPECT_EQ(decoded.storedSize, (Size{32, 24}));
}

// Closing the program must not wait for a picture nobody will see.
TEST(JpegDecode, ADecodeAskedToStopEndsWithoutAPicture) {
    std::atomic<bool> stop{true};
    for (const char* name : {"quadrants.jpg", "quadrants_progressive.jpg"}) {
        const DecodedJpeg stopped = decodeJpeg(fixture(name), {128, 96}, &stop);
        EXPECT_EQ(stopped.status, JpegStatus::Stopped) << name;
        EXPECT_TRUE(stopped.picture.pixels.empty()) << name;
    }
    stop = false;
    EXPECT_EQ(decodeJpeg(fixture("quadrants.jpg"), {128, 96}, &stop).status, JpegStatus::Decoded);
}

}  // namespace
}  // namespace quillory
