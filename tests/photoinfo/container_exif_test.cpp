// The EXIF of WebP and HEIF pictures: the same items as the TIFF block they carry, whatever
// table versions and field sizes the writer chose, and nothing (never a crash or a hang) from
// containers that lie.
#include "photoinfo/container_exif.h"

#include <gtest/gtest.h>

#include "photoinfo/exif_builder.h"
#include "photoinfo/heif_builder.h"
#include "photoinfo/property_reader.h"

namespace quillory {
namespace {

using testing::HeifBuilder;
using testing::RecordingSource;

std::vector<std::uint8_t> sampleTiff(bool bigEndian = false) {
    testing::TiffBuilder b;
    b.bigEndian = bigEndian;
    b.first = {testing::asciiEntry(0x010F, "Maker"), testing::shortEntry(kTagOrientation, {6})};
    b.exif = {testing::asciiEntry(0x9003, "2024:03:04 05:06:07"), testing::rationalEntry(0x829D, {{28, 10}})};
    b.gps = {testing::asciiEntry(0x0001, "S")};
    return b.build();
}

std::vector<std::uint32_t> idsOf(std::vector<std::uint8_t> bytes) {
    RecordingSource source(std::move(bytes));
    std::vector<std::uint32_t> ids;
    for (const PropertyItem& item : readPropertyItems(source)) ids.push_back(item.id);
    return ids;
}

const std::vector<std::uint32_t> kSampleIds{0x010F, kTagOrientation, kTagExifDirectory, kTagGpsDirectory, kTagDateTimeOriginal, 0x829D, 0x0001};

std::optional<std::string> dateOf(std::vector<std::uint8_t> bytes) {
    RecordingSource source(std::move(bytes));
    return readDateTimeOriginal(source);
}

std::optional<std::uint16_t> orientationOf(std::vector<std::uint8_t> bytes) {
    RecordingSource source(std::move(bytes));
    return readOrientation(source);
}

TEST(ContainerExif, WebpExifChunkBareOrAfterThePrefix) {
    for (const bool prefix : {false, true}) {
        SCOPED_TRACE(prefix ? "prefixed" : "bare");
        const auto webp = testing::webpWithExif(sampleTiff(prefix), prefix);
        EXPECT_EQ(idsOf(webp), kSampleIds);
        EXPECT_EQ(dateOf(webp), "2024:03:04 05:06:07");
        EXPECT_EQ(orientationOf(webp), 6);
    }
}

TEST(ContainerExif, ItemValuesMatchThePlainTiff) {
    RecordingSource plain(sampleTiff(true));
    const auto expected = readPropertyItems(plain);
    HeifBuilder heif;
    for (const auto& bytes : {testing::webpWithExif(sampleTiff(true)), heif.build(sampleTiff(true))}) {
        RecordingSource source(bytes);
        const auto items = readPropertyItems(source);
        ASSERT_EQ(items.size(), expected.size());
        for (std::size_t i = 0; i < items.size(); ++i) EXPECT_EQ(items[i].value, expected[i].value) << "item " << i;
    }
}

struct IlocLayout {
    int version, fieldSize, baseOffsetSize, indexSize, infeVersion;
};

class HeifLayouts : public ::testing::TestWithParam<IlocLayout> {};

TEST_P(HeifLayouts, ExifItemIsFound) {
    HeifBuilder b;
    b.ilocVersion = GetParam().version;
    b.fieldSize = GetParam().fieldSize;
    b.baseOffsetSize = GetParam().baseOffsetSize;
    b.indexSize = GetParam().indexSize;
    b.infeVersion = GetParam().infeVersion;
    const auto heif = b.build(sampleTiff());
    EXPECT_EQ(idsOf(heif), kSampleIds);
    EXPECT_EQ(dateOf(heif), "2024:03:04 05:06:07");
    EXPECT_EQ(orientationOf(heif), 6);
}

INSTANTIATE_TEST_SUITE_P(ContainerExif, HeifLayouts,
                         ::testing::Values(IlocLayout{0, 4, 0, 0, 2}, IlocLayout{0, 8, 0, 0, 2}, IlocLayout{0, 4, 4, 0, 2},
                                           IlocLayout{1, 4, 0, 0, 2}, IlocLayout{1, 8, 8, 0, 2}, IlocLayout{1, 4, 4, 4, 2},
                                           IlocLayout{2, 4, 0, 0, 3}, IlocLayout{2, 8, 4, 8, 3}));

TEST(ContainerExif, HeifWritersVariations) {
    std::vector<HeifBuilder> variations(6);
    variations[0].largeSizes = true;
    variations[1].beforeMeta = {0, 0, 0, 1, 'f', 'r', 'e', 'e', 0, 0, 0, 0, 0, 0, 0, 16};  // an empty box with a large size
    variations[2].ilocVersion = 1;  // the Exif data in three extents, one after another
    variations[2].exifExtents = 3;
    variations[3].prefixBeforeHeader = false;  // the offset to the header counts "Exif\0\0" into the block
    variations[4].majorBrand = "avif";
    variations[4].compatibleBrands = {"mif1", "miaf"};
    variations[5].beforeMeta = {0, 0, 0, 8, 'f', 'r', 'e', 'e'};  // an empty box to walk over
    for (std::size_t i = 0; i < variations.size(); ++i) EXPECT_EQ(idsOf(variations[i].build(sampleTiff())), kSampleIds) << "variation " << i;
}

TEST(ContainerExif, DateReaderReadsTheHeadOfAHeifFile) {
    auto near = HeifBuilder().build(sampleTiff());
    const std::vector<std::uint8_t> freeBox{0, 1, 0x86, 0xA0, 'f', 'r', 'e', 'e'};  // 100000 bytes
    near.insert(near.end(), freeBox.begin(), freeBox.end());
    near.resize(near.size() + 100000 - freeBox.size());
    HeifBuilder far;  // 100 KB of pixels before the Exif item
    far.pixelBytes = 100000;
    DateTimeOriginalReader reader;
    RecordingSource nearSource(near);
    EXPECT_EQ(reader.read(nearSource), "2024:03:04 05:06:07");
    EXPECT_LE(nearSource.furthest, 1024u);
    RecordingSource farSource(far.build(sampleTiff()));
    EXPECT_EQ(reader.read(farSource), "2024:03:04 05:06:07");
    RecordingSource webp(testing::webpWithExif(sampleTiff()));
    EXPECT_EQ(reader.read(webp), "2024:03:04 05:06:07");
}

// Where the container's bookkeeping lies, the block is absent; nothing is guessed.
TEST(ContainerExifHostile, ItemsTheReaderCannotHaveAreAbsent) {
    std::vector<HeifBuilder> cases(7);
    cases[0].majorBrand = "isom";  // not a HEIF brand
    cases[0].compatibleBrands = {"mp41", "mp42"};
    cases[1].ilocVersion = 1;  // data inside the meta box (idat), which is not read
    cases[1].constructionMethod = 1;
    cases[2].exifOffsetOverride = 1u << 30;  // past the end of the file
    cases[3].exifOffsetOverride = 0;         // the file's own start, which holds no TIFF header
    cases[4].beforeMeta = {0, 0, 0, 0, 'f', 'r', 'e', 'e'};  // size 0 runs to the end, over the meta box
    cases[5].beforeMeta = {0, 0, 0, 4, 'f', 'r', 'e', 'e'};  // smaller than its own header
    cases[6].beforeMeta = {0, 0, 0, 1, 'f', 'r', 'e', 'e', 0, 0, 0, 0, 0, 0, 0, 0};  // a large size of 0
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const auto bytes = cases[i].build(sampleTiff());
        EXPECT_TRUE(idsOf(bytes).empty()) << "case " << i;
        EXPECT_EQ(dateOf(bytes), std::nullopt) << "case " << i;
    }
}

TEST(ContainerExifHostile, AnExifItemCutShortKeepsTheItemsBeforeTheCut) {
    auto heif = HeifBuilder().build(sampleTiff());
    heif.pop_back();  // the last byte of the FNumber's value, the last value stored
    std::vector<std::uint32_t> expected = kSampleIds;
    std::erase(expected, 0x829Du);
    EXPECT_EQ(idsOf(heif), expected);
}

std::vector<std::uint8_t> withByte(std::vector<std::uint8_t> bytes, std::size_t at, std::uint8_t value) {
    bytes.at(at) = value;
    return bytes;
}

std::size_t offsetOf(const std::vector<std::uint8_t>& bytes, std::string_view type) {
    return static_cast<std::size_t>(std::search(bytes.begin(), bytes.end(), type.begin(), type.end()) - bytes.begin());
}

TEST(ContainerExifHostile, TablesThatLieGiveNothing) {
    HeifBuilder b;
    b.ilocVersion = 1;
    const auto heif = b.build(sampleTiff());
    const std::size_t iloc = offsetOf(heif, "iloc") + 4;  // version, flags, then the size nibbles
    EXPECT_TRUE(idsOf(withByte(heif, iloc, 3)).empty());           // an unknown iloc version
    EXPECT_TRUE(idsOf(withByte(heif, iloc + 4, 0x34)).empty());    // a 3-byte offset size
    EXPECT_TRUE(idsOf(withByte(heif, iloc + 5, 0x02)).empty());    // a 2-byte index size
    // An item count of 65535, and no entry for the Exif item: the walk ends with the table.
    const std::size_t exifEntry = iloc + 8 + 16;
    EXPECT_TRUE(idsOf(withByte(withByte(withByte(heif, iloc + 6, 0xFF), iloc + 7, 0xFF), exifEntry + 1, 9)).empty());
    // The Exif item's offset to its TIFF header points past the item.
    const std::size_t exifData = heif.size() - sampleTiff().size() - 10;
    EXPECT_TRUE(idsOf(withByte(heif, exifData, 0x7F)).empty());
    // An infe box whose size runs past its iinf box.
    const std::size_t infe = offsetOf(heif, "infe") - 1;
    EXPECT_TRUE(idsOf(withByte(heif, infe, 0xFF)).empty());
}

TEST(ContainerExifHostile, WebpChunksThatLie) {
    const auto webp = testing::webpWithExif(sampleTiff());
    // A chunk size that jumps past the EXIF chunk, and one past the end of the file.
    EXPECT_TRUE(idsOf(withByte(webp, 16, 0x40)).empty());
    EXPECT_TRUE(idsOf(withByte(webp, 19, 0xFF)).empty());
    // A RIFF size that ends the file before the EXIF chunk.
    EXPECT_TRUE(idsOf(withByte(withByte(webp, 4, 30), 5, 0)).empty());
    EXPECT_TRUE(idsOf(withByte(webp, 8, 'X')).empty());  // not WEBP
}

TEST(ContainerExifHostile, EveryTruncationIsSafe) {
    HeifBuilder b;
    b.ilocVersion = 2;
    b.fieldSize = 8;
    for (const auto& whole : {testing::webpWithExif(sampleTiff(true), true), b.build(sampleTiff(true))}) {
        for (std::size_t size = 0; size < whole.size(); ++size) {
            const std::vector<std::uint8_t> cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size));
            EXPECT_LE(idsOf(cut).size(), kSampleIds.size());
            (void)dateOf(cut);
            (void)orientationOf(cut);
        }
    }
}

TEST(ContainerExif, TheBlocksRangeInTheFile) {
    const auto tiff = sampleTiff();
    const auto webp = testing::webpWithExif(tiff, true);
    RecordingSource webpSource(webp);
    std::vector<std::uint8_t> buffer;
    const std::optional<ByteRange> range = containerExif(webpSource, buffer);
    ASSERT_TRUE(range.has_value());
    EXPECT_EQ(range->size, tiff.size());
    EXPECT_TRUE(std::equal(tiff.begin(), tiff.end(), webp.begin() + static_cast<std::ptrdiff_t>(range->offset)));
    RecordingSource jpeg(testing::jpegWithExif(tiff));
    EXPECT_EQ(containerExif(jpeg, buffer), std::nullopt);
}

}  // namespace
}  // namespace quillory
