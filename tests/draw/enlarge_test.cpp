#include "draw/enlarge.h"

#include <gtest/gtest.h>

namespace quillory {
namespace {

// Two pixels, black and a colour with every channel distinct, doubled across: the ends keep
// their colours and the middle pixels sit a quarter and three quarters of the way between.
TEST(Enlarge, KeepsTheEndsAndBlendsBetweenThem) {
    const PixelImage picture{{2, 1}, {0xFF000000, 0xFF8040C8}};
    const std::optional<PixelImage> wide = enlargePicture(picture, {4, 2});
    ASSERT_TRUE(wide);
    const std::vector<std::uint32_t> row{0xFF000000, 0xFF201032, 0xFF603096, 0xFF8040C8};
    EXPECT_EQ(std::vector<std::uint32_t>(wide->pixels.begin(), wide->pixels.begin() + 4), row);
    EXPECT_EQ(std::vector<std::uint32_t>(wide->pixels.begin() + 4, wide->pixels.end()), row);
}

TEST(Enlarge, RefusesToShrinkOrToStartFromNothing) {
    const PixelImage picture{{2, 2}, std::vector<std::uint32_t>(4, 0xFFFFFFFF)};
    EXPECT_FALSE(enlargePicture(picture, {1, 4}));
    EXPECT_FALSE(enlargePicture(PixelImage{}, {4, 4}));
    const std::optional<PixelImage> same = enlargePicture(picture, {2, 2});
    ASSERT_TRUE(same);
    EXPECT_EQ(same->pixels, picture.pixels);
}

}  // namespace
}  // namespace quillory
