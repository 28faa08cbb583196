#pragma once
// Builds HEIF files (HEIC, AVIF) around a TIFF block byte by byte: ftyp, a meta box whose item
// tables name an image item and an Exif item, and the mdat box holding both items' data. The
// options choose the table versions and field sizes a writer may use.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "photoinfo/exif_builder.h"

namespace quillory::testing {

class HeifBuilder {
public:
    std::string majorBrand = "heic";
    std::vector<std::string> compatibleBrands{"mif1", "heic"};
    int infeVersion = 2;             // 2 (16-bit item IDs) or 3 (32-bit)
    int ilocVersion = 0;             // 0, 1 or 2
    int fieldSize = 4;               // of the extents' offsets and lengths: 0, 4 or 8
    int baseOffsetSize = 0;          // 0, 4 or 8; with one, extents count from the mdat's data
    int indexSize = 0;               // versions 1 and 2 only
    int constructionMethod = 0;      // written from version 1 on
    int exifExtents = 1;             // the Exif item's data in this many pieces, one after another
    bool largeSizes = false;         // meta and mdat with a 64-bit size
    bool prefixBeforeHeader = true;  // the Exif item's offset skips "Exif\0\0"; else counts it in
    std::vector<std::uint8_t> beforeMeta;            // raw bytes between ftyp and meta
    std::optional<std::uint64_t> exifOffsetOverride;  // the Exif extent's offset as stored
    std::size_t pixelBytes = 16;

    std::vector<std::uint8_t> build(const std::vector<std::uint8_t>& tiff) const {
        std::vector<std::uint8_t> exifItem;
        appendBigEndian(exifItem, prefixBeforeHeader ? 6 : 0, 4);
        exifItem.insert(exifItem.end(), {'E', 'x', 'i', 'f', 0, 0});
        exifItem.insert(exifItem.end(), tiff.begin(), tiff.end());
        std::vector<std::uint8_t> out = ftyp();
        out.insert(out.end(), beforeMeta.begin(), beforeMeta.end());
        // The tables' size does not depend on the offsets they hold: build once to learn where
        // the mdat data starts, then again with the offsets.
        const std::uint64_t mdatHeader = largeSizes ? 16 : 8;
        const std::uint64_t dataStart = out.size() + meta(0, exifItem.size()).size() + mdatHeader;
        const std::vector<std::uint8_t> metaBox = meta(dataStart, exifItem.size());
        out.insert(out.end(), metaBox.begin(), metaBox.end());
        std::vector<std::uint8_t> data(pixelBytes, 0x5A);
        data.insert(data.end(), exifItem.begin(), exifItem.end());
        const std::vector<std::uint8_t> mdat = box("mdat", data, largeSizes);
        out.insert(out.end(), mdat.begin(), mdat.end());
        return out;
    }

private:
    static void appendNumber(std::vector<std::uint8_t>& out, std::uint64_t value, int size) {
        for (int i = size - 1; i >= 0; --i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
    static void appendText(std::vector<std::uint8_t>& out, std::string_view text) { out.insert(out.end(), text.begin(), text.end()); }

    static std::vector<std::uint8_t> box(std::string_view type, const std::vector<std::uint8_t>& contents, bool large = false) {
        std::vector<std::uint8_t> out;
        appendNumber(out, large ? 1 : 8 + contents.size(), 4);
        appendText(out, type);
        if (large) appendNumber(out, 16 + contents.size(), 8);
        out.insert(out.end(), contents.begin(), contents.end());
        return out;
    }
    static std::vector<std::uint8_t> fullBox(std::string_view type, int version, const std::vector<std::uint8_t>& contents, bool large = false) {
        std::vector<std::uint8_t> body{static_cast<std::uint8_t>(version), 0, 0, 0};
        body.insert(body.end(), contents.begin(), contents.end());
        return box(type, body, large);
    }

    std::vector<std::uint8_t> ftyp() const {
        std::vector<std::uint8_t> contents;
        appendText(contents, majorBrand);
        appendNumber(contents, 0, 4);
        for (const std::string& brand : compatibleBrands) appendText(contents, brand);
        return box("ftyp", contents);
    }

    std::vector<std::uint8_t> infe(std::uint32_t id, std::string_view type) const {
        std::vector<std::uint8_t> contents;
        appendNumber(contents, id, infeVersion == 2 ? 2 : 4);
        appendNumber(contents, 0, 2);
        appendText(contents, type);
        contents.push_back(0);  // empty item name
        return fullBox("infe", infeVersion, contents);
    }

    // Item 1 is the image, its data the first pixelBytes of the mdat; item 2 the Exif data after it.
    std::vector<std::uint8_t> iloc(std::uint64_t dataStart, std::uint64_t exifSize) const {
        std::vector<std::uint8_t> contents;
        contents.push_back(static_cast<std::uint8_t>(fieldSize << 4 | fieldSize));
        contents.push_back(static_cast<std::uint8_t>(baseOffsetSize << 4 | (ilocVersion == 0 ? 0 : indexSize)));
        const int idSize = ilocVersion == 2 ? 4 : 2;
        appendNumber(contents, 2, idSize);
        const std::uint64_t base = baseOffsetSize == 0 ? 0 : dataStart;
        const auto item = [&](std::uint32_t id, std::uint64_t offset, std::uint64_t length, int pieces, int method) {
            appendNumber(contents, id, idSize);
            if (ilocVersion != 0) appendNumber(contents, static_cast<std::uint64_t>(method), 2);
            appendNumber(contents, 0, 2);
            appendNumber(contents, base, baseOffsetSize);
            appendNumber(contents, static_cast<std::uint64_t>(pieces), 2);
            const std::uint64_t piece = length / static_cast<std::uint64_t>(pieces);
            for (int i = 0; i < pieces; ++i) {
                if (ilocVersion != 0) appendNumber(contents, 0, indexSize);
                appendNumber(contents, offset - base + piece * static_cast<std::uint64_t>(i), fieldSize);
                appendNumber(contents, i + 1 == pieces ? length - piece * static_cast<std::uint64_t>(i) : piece, fieldSize);
            }
        };
        item(1, dataStart, pixelBytes, 1, 0);
        item(2, exifOffsetOverride.value_or(dataStart + pixelBytes), exifSize, exifExtents, constructionMethod);
        return fullBox("iloc", ilocVersion, contents);
    }

    std::vector<std::uint8_t> meta(std::uint64_t dataStart, std::uint64_t exifSize) const {
        std::vector<std::uint8_t> hdlr(4, 0);
        appendText(hdlr, "pict");
        hdlr.insert(hdlr.end(), 13, 0);  // reserved words and an empty name
        std::vector<std::uint8_t> entries;
        appendNumber(entries, 2, 2);
        for (const auto& part : {infe(1, "hvc1"), infe(2, "Exif")}) entries.insert(entries.end(), part.begin(), part.end());
        std::vector<std::uint8_t> contents = fullBox("hdlr", 0, hdlr);
        for (const auto& part : {fullBox("iinf", 0, entries), iloc(dataStart, exifSize)}) contents.insert(contents.end(), part.begin(), part.end());
        return fullBox("meta", 0, contents, largeSizes);
    }
};

}  // namespace quillory::testing
