#include "draw/shrink.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <random>

namespace quillory {
namespace {

PixelImage noise(Size size, unsigned seed) {
    std::mt19937 random(seed);
    PixelImage picture{size, std::vector<std::uint32_t>(static_cast<std::size_t>(size.dx) * size.dy)};
    for (auto& pixel : picture.pixels) pixel = static_cast<std::uint32_t>(random());
    return picture;
}

// The average over the new pixel's rectangle in the picture, straight from the definition: every
// source pixel weighted by the area it shares with that rectangle.
double referenceChannel(const PixelImage& picture, Size target, int x, int y, int c) {
    const double scaleX = double(picture.size.dx) / target.dx, scaleY = double(picture.size.dy) / target.dy;
    const double left = x * scaleX, right = (x + 1) * scaleX, top = y * scaleY, bottom = (y + 1) * scaleY;
    double sum = 0;
    for (int sy = 0; sy < picture.size.dy; ++sy) {
        const double height = std::min(bottom, sy + 1.0) - std::max(top, double(sy));
        if (height <= 0) continue;
        for (int sx = 0; sx < picture.size.dx; ++sx) {
            const double width = std::min(right, sx + 1.0) - std::max(left, double(sx));
            if (width > 0) sum += width * height * ((picture.at(sx, sy) >> (8 * c)) & 0xFF);
        }
    }
    return sum / (scaleX * scaleY);
}

// Largest difference, in levels, between the shrunk picture and the rounded reference.
int largestError(const PixelImage& picture, Size target) {
    const std::optional<PixelImage> shrunk = shrinkPicture(picture, target);
    if (!shrunk || shrunk->size != target) return 1000;
    int largest = 0;
    for (int y = 0; y < target.dy; ++y) {
        for (int x = 0; x < target.dx; ++x) {
            for (int c = 0; c < 4; ++c) {
                const int want = static_cast<int>(std::floor(referenceChannel(picture, target, x, y, c) + 0.5));
                const int got = static_cast<int>((shrunk->at(x, y) >> (8 * c)) & 0xFF);
                largest = std::max(largest, std::abs(got - want));
            }
        }
    }
    return largest;
}

TEST(Shrink, MatchesTheAreaAverageAtAnyRatio) {
    const PixelImage odd = noise({37, 23}, 1);
    for (Size target : {Size{10, 7}, Size{36, 22}, Size{19, 23}, Size{37, 5}, Size{1, 1}, Size{1, 23}, Size{37, 1}}) {
        SCOPED_TRACE(::testing::Message() << target.dx << "x" << target.dy);
        EXPECT_LE(largestError(odd, target), 1);
    }
    EXPECT_LE(largestError(noise({1, 1}, 2), {1, 1}), 0);
    EXPECT_LE(largestError(noise({1000, 3}, 3), {7, 2}), 1);
}

TEST(Shrink, WholeBlocksAtIntegerRatiosAndCopiesAtTheSameSize) {
    const PixelImage picture = noise({48, 32}, 4);
    for (Size target : {Size{24, 16}, Size{12, 8}, Size{6, 4}, Size{48, 16}, Size{48, 32}}) {
        SCOPED_TRACE(::testing::Message() << target.dx << "x" << target.dy);
        EXPECT_EQ(largestError(picture, target), 0);
    }
    EXPECT_EQ(shrinkPicture(picture, {48, 32})->pixels, picture.pixels);
}

TEST(Shrink, FineStripesBecomeAnEvenGrey) {
    // Black and white columns one pixel wide, each pair two pixels: sampling every sixth pixel
    // gives all black or all white; averaging gives the grey they make together.
    PixelImage stripes{{600, 60}, {}};
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 600; ++x) stripes.pixels.push_back(x % 2 ? 0xFFFFFFFF : 0xFF000000);
    const PixelImage shrunk = *shrinkPicture(stripes, {100, 10});
    const auto [darkest, lightest] = std::minmax_element(shrunk.pixels.begin(), shrunk.pixels.end(),
        [](std::uint32_t a, std::uint32_t b) { return (a & 0xFF) < (b & 0xFF); });
    EXPECT_LT(int(*lightest & 0xFF) - int(*darkest & 0xFF), 40);
    EXPECT_NEAR(int(*darkest & 0xFF), 128, 1);
    EXPECT_EQ(*darkest >> 24, 0xFFu);
}

TEST(Shrink, RefusesEmptyOrLargerTargets) {
    const PixelImage picture = noise({8, 6}, 5);
    for (Size target : {Size{0, 3}, Size{4, 0}, Size{9, 6}, Size{8, 7}, Size{-1, 2}}) {
        EXPECT_FALSE(shrinkPicture(picture, target));
    }
    EXPECT_FALSE(shrinkPicture(PixelImage{}, {1, 1}));
}

}  // namespace
}  // namespace quillory
