// Loading a picture on Windows: the decoder's image turned upright by the file's Orientation,
// and kept while its file is unchanged.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

#include "base/wide_win.h"
#include "draw/fitted_picture_win.h"
#include "draw/gdiplus_win.h"
#include "draw/wic_pixels_win.h"
#include "draw/kept_size.h"
#include "photoinfo/exif_builder.h"
#include "photoinfo/picture_bytes.h"
#include "support/camera_jpeg.h"
#include "support/scratch_folder_win.h"
#include "view/picture_load_win.h"

namespace quillory {
namespace {

constexpr FitMode kFit = FitMode::ShorterSide;

// 40 x 20 pixels, left half red and right half blue, stored with Orientation 6 (to be turned a
// quarter clockwise). Made with
//   convert -size 20x20 xc:red xc:blue +append -quality 95 o6.jpg
//   exiftool -Orientation#=6 o6.jpg
const std::vector<std::uint8_t> kSidewaysJpeg{
    0xff, 0xd8, 0xff, 0xe0, 0x00, 0x10, 0x4a, 0x46, 0x49, 0x46, 0x00, 0x01,
    0x01, 0x00, 0x00, 0x01, 0x00, 0x01, 0x00, 0x00, 0xff, 0xe1, 0x00, 0x62,
    0x45, 0x78, 0x69, 0x66, 0x00, 0x00, 0x4d, 0x4d, 0x00, 0x2a, 0x00, 0x00,
    0x00, 0x08, 0x00, 0x05, 0x01, 0x12, 0x00, 0x03, 0x00, 0x00, 0x00, 0x01,
    0x00, 0x06, 0x00, 0x00, 0x01, 0x1a, 0x00, 0x05, 0x00, 0x00, 0x00, 0x01,
    0x00, 0x00, 0x00, 0x4a, 0x01, 0x1b, 0x00, 0x05, 0x00, 0x00, 0x00, 0x01,
    0x00, 0x00, 0x00, 0x52, 0x01, 0x28, 0x00, 0x03, 0x00, 0x00, 0x00, 0x01,
    0x00, 0x01, 0x00, 0x00, 0x02, 0x13, 0x00, 0x03, 0x00, 0x00, 0x00, 0x01,
    0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01,
    0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01,
    0xff, 0xdb, 0x00, 0x43, 0x00, 0x02, 0x01, 0x01, 0x01, 0x01, 0x01, 0x02,
    0x01, 0x01, 0x01, 0x02, 0x02, 0x02, 0x02, 0x02, 0x04, 0x03, 0x02, 0x02,
    0x02, 0x02, 0x05, 0x04, 0x04, 0x03, 0x04, 0x06, 0x05, 0x06, 0x06, 0x06,
    0x05, 0x06, 0x06, 0x06, 0x07, 0x09, 0x08, 0x06, 0x07, 0x09, 0x07, 0x06,
    0x06, 0x08, 0x0b, 0x08, 0x09, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x06, 0x08,
    0x0b, 0x0c, 0x0b, 0x0a, 0x0c, 0x09, 0x0a, 0x0a, 0x0a, 0xff, 0xdb, 0x00,
    0x43, 0x01, 0x02, 0x02, 0x02, 0x02, 0x02, 0x02, 0x05, 0x03, 0x03, 0x05,
    0x0a, 0x07, 0x06, 0x07, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a,
    0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a,
    0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a,
    0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a,
    0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0x0a, 0xff, 0xc0, 0x00, 0x11, 0x08, 0x00,
    0x14, 0x00, 0x28, 0x03, 0x01, 0x11, 0x00, 0x02, 0x11, 0x01, 0x03, 0x11,
    0x01, 0xff, 0xc4, 0x00, 0x16, 0x00, 0x01, 0x01, 0x01, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x07,
    0x08, 0xff, 0xc4, 0x00, 0x18, 0x10, 0x01, 0x00, 0x03, 0x01, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x08,
    0x45, 0x84, 0xc3, 0xff, 0xc4, 0x00, 0x17, 0x01, 0x01, 0x01, 0x01, 0x01,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x09, 0x00, 0x0a, 0x08, 0xff, 0xc4, 0x00, 0x18, 0x11, 0x01, 0x00, 0x03,
    0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x09, 0x46, 0x84, 0xc4, 0xff, 0xda, 0x00, 0x0c, 0x03, 0x01,
    0x00, 0x02, 0x11, 0x03, 0x11, 0x00, 0x3f, 0x00, 0xc5, 0xee, 0x53, 0x3f,
    0x82, 0x49, 0x0c, 0xaa, 0xa1, 0xd5, 0xc4, 0xaa, 0x46, 0x5d, 0xaf, 0x0f,
    0x60, 0xd7, 0x90, 0xca, 0xce, 0xde, 0x44, 0x84, 0xaa, 0x0d, 0x71, 0x26,
    0xbc, 0x65, 0x5d, 0xa5, 0x01, 0x24, 0x86, 0x55, 0x50, 0xea, 0xe2, 0x55,
    0x23, 0x2e, 0xd7, 0x87, 0xb0, 0x6b, 0xc8, 0x65, 0x67, 0x6f, 0x22, 0x42,
    0x55, 0x06, 0xb8, 0x93, 0x5e, 0x32, 0xae, 0xd2, 0x80, 0x92, 0x43, 0x2a,
    0xa8, 0x75, 0x71, 0x2a, 0x91, 0x97, 0x6b, 0xc3, 0xd8, 0x35, 0xe4, 0x32,
    0xb3, 0xb7, 0x91, 0x21, 0x2a, 0x83, 0x5c, 0x49, 0xff, 0xd9
};

class PictureLoad : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(gdiplus_.started());
        path_ = folder_.write(u"sideways.jpg", kSidewaysJpeg);
    }
    void TearDown() override { forgetKeptPictures(); }

    GdiplusSession gdiplus_;
    testing::ScratchFolder folder_{u"quillory_load"};
    Text path_;
};

// 0x00BBGGRR of one pixel of a decoded bitmap.
std::uint32_t pixelAt(gp::GpImage* image, int x, int y) {
    gp::ARGB argb = 0;
    gpflat::GdipBitmapGetPixel(static_cast<gp::GpBitmap*>(image), x, y, &argb);
    return (argb & 0xFF) << 16 | (argb & 0xFF00) | (argb >> 16 & 0xFF);
}

bool reddish(std::uint32_t c) { return (c & 0xFF) > 200 && (c >> 16 & 0xFF) < 60; }
bool bluish(std::uint32_t c) { return (c & 0xFF) < 60 && (c >> 16 & 0xFF) > 200; }

Size sizeOf(gp::GpImage* image) {
    UINT width = 0, height = 0;
    gpflat::GdipGetImageWidth(image, &width);
    gpflat::GdipGetImageHeight(image, &height);
    return {static_cast<int>(width), static_cast<int>(height)};
}

TEST_F(PictureLoad, ASidewaysPictureIsDecodedUpright) {
    const ImageOwner image = decodeUpright(path_, kFit).image;
    ASSERT_TRUE(image);
    EXPECT_EQ(sizeOf(image.get()), (Size{20, 40}));
    // Turned clockwise, the stored left (red) half becomes the top.
    EXPECT_TRUE(reddish(pixelAt(image.get(), 10, 5))) << std::hex << pixelAt(image.get(), 10, 5);
    EXPECT_TRUE(bluish(pixelAt(image.get(), 10, 34))) << std::hex << pixelAt(image.get(), 10, 34);
}

// On a screen of 10 x 10 the upright 20 x 40 picture is kept at 5 x 10, still red above blue,
// while its numbers stay those of the file's picture; actual size keeps every pixel.
TEST_F(PictureLoad, APictureIsKeptAtTheSizeTheScreenShowsUpright) {
    const UprightTurn turn = uprightTurn(6);
    const FittedPicture fitted = decodeFitted(kSidewaysJpeg, turn, FitMode::ShorterSide, {10, 10});
    ASSERT_TRUE(fitted.image);
    EXPECT_EQ(sizeOf(fitted.image.get()), (Size{5, 10}));
    EXPECT_TRUE(reddish(pixelAt(fitted.image.get(), 2, 1))) << std::hex << pixelAt(fitted.image.get(), 2, 1);
    EXPECT_TRUE(bluish(pixelAt(fitted.image.get(), 2, 8))) << std::hex << pixelAt(fitted.image.get(), 2, 8);
    EXPECT_EQ(fitted.metrics.width, 20u);
    EXPECT_EQ(fitted.metrics.height, 40u);
    EXPECT_EQ(fitted.metrics.bitsPerPixel, 24);
    EXPECT_FALSE(fitted.whole);
    const FittedPicture actual = decodeFitted(kSidewaysJpeg, turn, FitMode::ActualSize, {10, 10});
    ASSERT_TRUE(actual.image);
    EXPECT_EQ(sizeOf(actual.image.get()), (Size{20, 40}));
    EXPECT_TRUE(actual.whole);
}

// The thumbnail takes the picture's place at the size and turn the picture will be kept at,
// without entering the kept pictures; a JPEG without one has no stand-in.
TEST_F(PictureLoad, AnExifThumbnailStandsInForThePictureAtItsKeptSize) {
    for (const std::uint16_t orientation : {1, 6}) {
        const Text path = folder_.write(u"camera.jpg", testing::cameraJpegHead(testing::tiffWithThumbnail(testing::kBlueThumbnail, {.orientation = orientation})));
        const SharedPicture standIn = standInPicture(path, kFit);
        ASSERT_NE(standIn->picture.image(), nullptr) << orientation;
        const Size upright = orientation == 6 ? Size{3000, 4000} : Size{4000, 3000};
        const std::optional<Size> kept = keptPictureSize(upright, kFit, PagePainter::virtualScreenSize());
        ASSERT_TRUE(kept);
        gp::GpImage* image = standIn->picture.image();
        EXPECT_EQ(sizeOf(image), *kept) << orientation;
        EXPECT_TRUE(bluish(pixelAt(image, kept->dx / 2, kept->dy / 2))) << std::hex << pixelAt(image, kept->dx / 2, kept->dy / 2);
        EXPECT_EQ(standIn->metrics.width, static_cast<std::uint32_t>(upright.dx));
        EXPECT_EQ(keptPictureCount(), 0u);
    }
    EXPECT_EQ(standInPicture(path_, kFit)->picture.image(), nullptr);
}

TEST_F(PictureLoad, AKeptPictureServesUntilItsFileChanges) {
    const SharedPicture first = loadPictureFile(path_, /*gdiplusActive=*/true, kFit);
    ASSERT_NE(first->picture.image(), nullptr);
    EXPECT_EQ(loadPictureFile(path_, true, kFit), first);
    EXPECT_TRUE(DeleteFileW(wide(path_)));  // the decoded picture holds no lock on its file
    std::vector<std::uint8_t> rewritten = kSidewaysJpeg;
    rewritten.push_back(0);  // another size, whatever the clock's resolution
    folder_.write(u"sideways.jpg", rewritten);
    const SharedPicture second = loadPictureFile(path_, true, kFit);
    EXPECT_NE(second, first);
    EXPECT_NE(second->picture.image(), nullptr);
    EXPECT_EQ(keptPictureCount(), 1u);
}

// The picture above with its frame header claiming 65500 x 65500 pixels.
std::vector<std::uint8_t> giantJpeg() {
    std::vector<std::uint8_t> bytes = kSidewaysJpeg;
    const std::vector<std::uint8_t> frame{0xFF, 0xC0, 0x00, 0x11, 0x08};
    const auto at = std::search(bytes.begin(), bytes.end(), frame.begin(), frame.end()) + static_cast<std::ptrdiff_t>(frame.size());
    std::fill_n(at, 4, 0xFF);
    at[1] = at[3] = 0xDC;
    return bytes;
}

// The first picture lies one row over the budget and the decoder would read it in a few
// seconds, so a check that lets it through fails here rather than by a crash; each of the
// others would take the decoder gigabytes or crash it.
TEST_F(PictureLoad, APictureClaimingTooManyPixelsNeverReachesTheDecoder) {
    const Text overBudget = folder_.write(u"over.png", testing::pngOfBlankRows(20000, 10001));
    const Text jpeg = folder_.write(u"giant.jpg", giantJpeg());
    const Text png = folder_.write(u"giant.png", testing::pngOfBlankRows(40000, 40000));
    EXPECT_FALSE(decodeUpright(overBudget, kFit).image);
    EXPECT_FALSE(decodeUpright(jpeg, kFit).image);
    EXPECT_FALSE(decodeUpright(png, kFit).image);
    const SharedPicture shown = loadPictureFile(jpeg, /*gdiplusActive=*/true, kFit);
    EXPECT_EQ(shown->picture.image(), nullptr) << "shown like a broken picture";
    EXPECT_EQ(keptPictureCount(), 0u);
    EXPECT_TRUE(decodeUpright(path_, kFit).image) << "a picture within the budget is decoded as ever";
}

// 20 x 10 pixels, the left half opaque red, the right half half see-through blue. Made with
//   convert -size 10x10 xc:'rgba(255,0,0,1)' xc:'rgba(0,0,255,0.5)' +append -strip -define png:color-type=6 a.png
const std::vector<std::uint8_t> kSeeThroughPng{
    0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a, 0x00, 0x00, 0x00, 0x0d,
    0x49, 0x48, 0x44, 0x52, 0x00, 0x00, 0x00, 0x14, 0x00, 0x00, 0x00, 0x0a,
    0x08, 0x06, 0x00, 0x00, 0x00, 0xb4, 0x55, 0x7e, 0xe6, 0x00, 0x00, 0x00,
    0x23, 0x49, 0x44, 0x41, 0x54, 0x28, 0xcf, 0x63, 0xfc, 0xcf, 0xc0, 0xf0,
    0x9f, 0x81, 0x08, 0xc0, 0xc8, 0xf0, 0xbf, 0x81, 0x18, 0x75, 0x4c, 0xc4,
    0x28, 0x22, 0x05, 0x8c, 0x1a, 0x38, 0x6a, 0xe0, 0x60, 0x30, 0x10, 0x00,
    0xea, 0x17, 0x03, 0x92, 0xd4, 0xb7, 0x35, 0x1c, 0x00, 0x00, 0x00, 0x00,
    0x49, 0x45, 0x4e, 0x44, 0xae, 0x42, 0x60, 0x82
};

// 20 x 10 pixels of a two-colour palette, the left half green, the right half blue. Made with
//   convert -size 10x10 xc:lime xc:blue +append -strip g.gif
const std::vector<std::uint8_t> kTwoColourGif{
    0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x14, 0x00, 0x0a, 0x00, 0xf0, 0x00,
    0x00, 0x00, 0xff, 0x00, 0x00, 0x00, 0xff, 0x21, 0xf9, 0x04, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x2c, 0x00, 0x00, 0x00, 0x00, 0x14, 0x00, 0x0a, 0x00,
    0x00, 0x02, 0x19, 0x84, 0x8f, 0xa1, 0xcb, 0xe8, 0xc0, 0x62, 0x78, 0x49,
    0x2e, 0x7a, 0xec, 0xc5, 0x50, 0x4f, 0xee, 0x7d, 0x58, 0xc8, 0x75, 0x5a,
    0x49, 0x82, 0x5e, 0x01, 0x00, 0x3b
};

// The start of a lossless WebP of 20 x 10 pixels, cut short after its header.
const std::vector<std::uint8_t> kCutWebp{
    'R', 'I', 'F', 'F', 0x1a, 0x00, 0x00, 0x00, 'W', 'E', 'B', 'P', 'V', 'P', '8', 'L',
    0x0d, 0x00, 0x00, 0x00, 0x2f, 0x13, 0x40, 0x02, 0x00, 0x07, 0x10, 0x11, 0x88, 0x88, 0x00, 0x00
};

// The file-type box a HEIC or AVIF file starts with, and nothing after it.
std::vector<std::uint8_t> cutHeif(const char* brand) {
    std::vector<std::uint8_t> bytes{0x00, 0x00, 0x00, 0x18, 'f', 't', 'y', 'p'};
    bytes.insert(bytes.end(), brand, brand + 4);
    bytes.insert(bytes.end(), {0x00, 0x00, 0x00, 0x00, 'm', 'i', 'f', '1'});
    bytes.insert(bytes.end(), brand, brand + 4);
    return bytes;
}

gp::ARGB argbAt(gp::GpImage* image, int x, int y) {
    gp::ARGB argb = 0;
    gpflat::GdipBitmapGetPixel(static_cast<gp::GpBitmap*>(image), x, y, &argb);
    return argb;
}

gp::PixelFormat formatOf(gp::GpImage* image) {
    gp::PixelFormat format = 0;
    gpflat::GdipGetImagePixelFormat(image, &format);
    return format;
}

// The imaging component decodes on a thread that never joined COM (the decode-ahead worker's
// kind), keeps alpha, premultiplied so that the filter weighs a colour by how much it covers,
// and its pixels are shrunk to the kept size by our filter; a WebP, HEIC or AVIF that no codec
// here reads shows like a broken picture.
TEST_F(PictureLoad, OtherFormatsAreDecodedThroughTheImagingComponent) {
    std::optional<WicPicture> png;
    std::thread([&png] { png = decodeWithWic(kSeeThroughPng); }).join();
    ASSERT_TRUE(png);
    EXPECT_EQ(png->pixels.size, (Size{20, 10}));
    EXPECT_TRUE(png->seeThrough);
    EXPECT_EQ(png->pixels.at(2, 2), 0xFFFF0000u);
    EXPECT_NEAR(static_cast<int>(png->pixels.at(17, 2) >> 24), 128, 1);
    EXPECT_NEAR(static_cast<int>(png->pixels.at(17, 2) & 0xFF), 128, 1);
    EXPECT_EQ(png->pixels.at(17, 2) & 0xFFFF00, 0u);
    EXPECT_EQ(png->metrics.bitsPerPixel, 32);

    const FittedPicture shrunk = decodeFitted(kSeeThroughPng, {}, kFit, {10, 10});
    ASSERT_TRUE(shrunk.image);
    EXPECT_EQ(sizeOf(shrunk.image.get()), (Size{10, 5}));
    EXPECT_FALSE(shrunk.whole);
    EXPECT_EQ(formatOf(shrunk.image.get()), static_cast<gp::PixelFormat>(PixelFormat32bppPARGB));
    EXPECT_EQ(argbAt(shrunk.image.get(), 1, 2), 0xFFFF0000u);
    EXPECT_NEAR(static_cast<int>(argbAt(shrunk.image.get(), 8, 2) >> 24), 128, 1);
    EXPECT_NEAR(static_cast<int>(argbAt(shrunk.image.get(), 8, 2) & 0xFF), 255, 2) << "blue, back from premultiplied";
    EXPECT_EQ(argbAt(shrunk.image.get(), 8, 2) & 0xFFFF00, 0u);
    // Three pixels across: the middle one is a third red (opaque) and a third blue (half
    // see-through), so red weighs twice as much as blue.
    const FittedPicture straddling = decodeFitted(kSeeThroughPng, {}, kFit, {3, 3});
    ASSERT_TRUE(straddling.image);
    ASSERT_EQ(sizeOf(straddling.image.get()).dx, 3);
    const gp::ARGB middle = argbAt(straddling.image.get(), 1, 0);
    EXPECT_NEAR(static_cast<int>(middle >> 16 & 0xFF), 2 * static_cast<int>(middle & 0xFF), 6) << std::hex << middle;

    const FittedPicture gif = decodeFitted(kTwoColourGif, {}, kFit, {10, 10});
    ASSERT_TRUE(gif.image);
    EXPECT_EQ(sizeOf(gif.image.get()), (Size{10, 5}));
    EXPECT_EQ(formatOf(gif.image.get()), static_cast<gp::PixelFormat>(PixelFormat32bppRGB)) << "opaque, drawn without blending";
    EXPECT_EQ(argbAt(gif.image.get(), 1, 2), 0xFF00FF00u);
    EXPECT_EQ(argbAt(gif.image.get(), 8, 2), 0xFF0000FFu);
    EXPECT_EQ(gif.metrics.width, 20u);
    EXPECT_EQ(gif.metrics.bitsPerPixel, 8);

    EXPECT_FALSE(decodeWithWic(kCutWebp));
    EXPECT_FALSE(decodeFitted(kCutWebp, {}, kFit, {10, 10}).image);
    const Text webp = folder_.write(u"cut.webp", kCutWebp);
    EXPECT_EQ(loadPictureFile(webp, /*gdiplusActive=*/true, kFit)->picture.image(), nullptr);
    for (const auto& [name, brand] : {std::pair{u"cut.heic", "heic"}, std::pair{u"cut.avif", "avif"}}) {
        const Text path = folder_.write(name, cutHeif(brand));
        EXPECT_EQ(loadPictureFile(path, /*gdiplusActive=*/true, kFit)->picture.image(), nullptr) << brand;
    }
}

// A decode the worker is told to stop gives nothing, and no other decoder takes the picture up.
TEST_F(PictureLoad, TheImagingComponentStopsWhenTold) {
    const std::atomic<bool> stop{true};
    EXPECT_FALSE(decodeWithWic(kSeeThroughPng, &stop));
    EXPECT_FALSE(decodeFitted(kSeeThroughPng, {}, kFit, {10, 10}, &stop).image);
    const std::atomic<bool> go{false};
    EXPECT_TRUE(decodeWithWic(kSeeThroughPng, &go));
}

}  // namespace
}  // namespace quillory
