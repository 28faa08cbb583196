#include "draw/orientation.h"

#include <gtest/gtest.h>

#include <vector>

#include "base/memory_source.h"
#include "photoinfo/exif_builder.h"
#include "photoinfo/property_reader.h"

namespace quillory {
namespace {

// A picture as rows of distinct pixel numbers.
using Grid = std::vector<std::vector<int>>;

Grid uprightSample() { return {{1, 2, 3}, {4, 5, 6}}; }  // 3 wide, 2 high

// How a camera stores the upright picture under each Orientation, straight from the tag's
// definition: where the stored row 0 and column 0 lie in the upright picture.
Grid storedAs(int orientation, const Grid& upright) {
    const int h = static_cast<int>(upright.size());
    const int w = static_cast<int>(upright[0].size());
    const bool sideways = orientation >= 5;
    const int rows = sideways ? w : h;
    const int columns = sideways ? h : w;
    Grid stored(rows, std::vector<int>(columns));
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            int y = r, x = c;
            switch (orientation) {
                case 2: x = w - 1 - c; break;                  // row 0 top, column 0 right
                case 3: y = h - 1 - r; x = w - 1 - c; break;   // bottom, right
                case 4: y = h - 1 - r; break;                  // bottom, left
                case 5: y = c; x = r; break;                   // left, top
                case 6: y = c; x = w - 1 - r; break;           // right, top
                case 7: y = h - 1 - c; x = w - 1 - r; break;   // right, bottom
                case 8: y = h - 1 - c; x = r; break;           // left, bottom
                default: break;
            }
            stored[r][c] = upright[y][x];
        }
    }
    return stored;
}

Grid turnedClockwise(const Grid& grid) {
    const std::size_t h = grid.size(), w = grid[0].size();
    Grid out(w, std::vector<int>(h));
    for (std::size_t r = 0; r < h; ++r)
        for (std::size_t c = 0; c < w; ++c) out[c][h - 1 - r] = grid[r][c];
    return out;
}

Grid applied(const UprightTurn& turn, Grid grid) {
    for (int i = 0; i < turn.quarterTurns; ++i) grid = turnedClockwise(grid);
    if (turn.mirror) {
        for (auto& row : grid) std::reverse(row.begin(), row.end());
    }
    return grid;
}

TEST(Orientation, EveryValueTurnsTheStoredPictureUpright) {
    for (std::uint16_t orientation = 1; orientation <= 8; ++orientation) {
        const Grid stored = storedAs(orientation, uprightSample());
        const UprightTurn turn = uprightTurn(orientation);
        EXPECT_EQ(applied(turn, stored), uprightSample()) << "Orientation " << orientation;
        const Size storedSize{static_cast<int>(stored[0].size()), static_cast<int>(stored.size())};
        EXPECT_EQ(uprightSize(storedSize, turn), (Size{3, 2})) << "Orientation " << orientation;
    }
}

TEST(Orientation, AbsentOneAndOutOfRangeLeaveThePictureAsStored) {
    for (const std::optional<std::uint16_t> value : {std::optional<std::uint16_t>{}, std::optional<std::uint16_t>{0},
                                                     std::optional<std::uint16_t>{1}, std::optional<std::uint16_t>{9},
                                                     std::optional<std::uint16_t>{65535}}) {
        EXPECT_TRUE(isIdentity(uprightTurn(value)));
    }
    EXPECT_FALSE(isIdentity(uprightTurn(2)));
}

std::optional<std::uint16_t> orientationOf(const testing::TiffBuilder& tiff) {
    MemorySource source(testing::jpegWithExif(tiff.build()));
    return readOrientation(source);
}

TEST(Orientation, IsReadFromTheFirstDirectoryInEitherByteOrder) {
    for (const bool bigEndian : {false, true}) {
        testing::TiffBuilder tiff;
        tiff.bigEndian = bigEndian;
        tiff.first = {testing::asciiEntry(0x010F, "Make"), testing::shortEntry(0x0112, {6})};
        EXPECT_EQ(orientationOf(tiff), 6);
    }
    testing::TiffBuilder wrongType;
    wrongType.first = {testing::longEntry(0x0112, {6})};
    EXPECT_EQ(orientationOf(wrongType), std::nullopt);
    testing::TiffBuilder inExif;  // the tag belongs to the picture's first directory only
    inExif.exif = {testing::shortEntry(0x0112, {6})};
    EXPECT_EQ(orientationOf(inExif), std::nullopt);
}

}  // namespace
}  // namespace quillory
