#include <gtest/gtest.h>

#include "base/memory_source.h"
#include "photoinfo/exif_builder.h"
#include "photoinfo/property_reader.h"

namespace quillory {
namespace {

// Where the TIFF header starts in a file made by jpegWithExif: JFIF segment, APP1 marker and
// length, "Exif\0\0".
constexpr std::uint64_t kTiffStart = 20 + 4 + 6;
const std::vector<std::uint8_t> kThumbnail{0xFF, 0xD8, 0xFF, 0xD9, 1, 2, 3};

using testing::ThumbnailLayout;

std::vector<std::uint8_t> jpegWithThumbnail(const ThumbnailLayout& layout) { return testing::jpegWithExif(testing::tiffWithThumbnail(kThumbnail, layout)); }

std::optional<ByteRange> thumbnailOf(std::vector<std::uint8_t> bytes) {
    MemorySource source(std::move(bytes));
    return findExifThumbnail(source);
}

TEST(ExifThumbnail, IsFoundInEitherByteOrder) {
    for (const bool bigEndian : {false, true}) {
        const std::vector<std::uint8_t> file = jpegWithThumbnail({.bigEndian = bigEndian});
        const std::optional<ByteRange> found = thumbnailOf(file);
        ASSERT_TRUE(found) << bigEndian;
        EXPECT_EQ(found->offset, kTiffStart + 56);
        ASSERT_EQ(found->size, kThumbnail.size());
        EXPECT_TRUE(std::equal(kThumbnail.begin(), kThumbnail.end(), file.begin() + static_cast<std::ptrdiff_t>(found->offset)));
    }
}

TEST(ExifThumbnail, IsAbsentWithoutASecondDirectoryOrItsPointer) {
    testing::TiffBuilder plain;
    plain.first = {testing::shortEntry(kTagOrientation, {1})};
    EXPECT_FALSE(thumbnailOf(testing::jpegWithExif(plain.build())));
    EXPECT_FALSE(thumbnailOf(jpegWithThumbnail({.offsetType = 3})));  // a SHORT pointer is not the tag's
    EXPECT_FALSE(thumbnailOf(jpegWithThumbnail({.length = 0})));
    EXPECT_FALSE(thumbnailOf({0xFF, 0xD8, 0xFF, 0xD9}));
}

// The range never reaches past the EXIF block, whatever the pointers claim or wherever the file
// is cut.
TEST(ExifThumbnail, NeverLiesOutsideTheExifBlock) {
    const std::uint64_t blockSize = 56 + kThumbnail.size();
    for (const ThumbnailLayout& layout : {ThumbnailLayout{.offset = 57}, ThumbnailLayout{.offset = 0xFFFFFFF0},
                                          ThumbnailLayout{.length = 0xFFFFFFFF}, ThumbnailLayout{.secondAt = 0xFFFFFFF0},
                                          ThumbnailLayout{.secondAt = 8}, ThumbnailLayout{.secondAt = 60}}) {
        EXPECT_FALSE(thumbnailOf(jpegWithThumbnail(layout))) << layout.offset << " " << layout.length.value_or(0) << " " << layout.secondAt;
    }
    const std::vector<std::uint8_t> whole = jpegWithThumbnail({});
    for (std::size_t cut = 0; cut < whole.size(); ++cut) {
        const std::optional<ByteRange> found = thumbnailOf(std::vector<std::uint8_t>(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(cut)));
        EXPECT_EQ(found.has_value(), cut >= kTiffStart + blockSize) << cut;
    }
}

}  // namespace
}  // namespace quillory
