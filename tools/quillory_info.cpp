// quillory-info PICTURE…: prints what the photo stand reads from each picture, its property
// items (tag, type, count, value), the size its header claims (and whether the stand would
// decode it), and the 14 rows of the image information list, as UTF-8. The picture size row
// needs the Windows decoder and shows the unknown text here.
#include <cstdio>
#include <filesystem>
#include <string>

#include "base/format.h"
#include "base/std_platform.h"
#include "photoinfo/photo_source.h"
#include "photoinfo/picture_header.h"
#include "photoinfo/tag_value.h"

namespace quillory {
namespace {

constexpr std::size_t kShownValues = 16;

const char* typeName(std::uint16_t type) {
    switch (type) {
    case PropertyTypeByte: return "BYTE";
    case PropertyTypeAscii: return "ASCII";
    case PropertyTypeShort: return "SHORT";
    case PropertyTypeLong: return "LONG";
    case PropertyTypeRational: return "RATIONAL";
    case PropertyTypeUndefined: return "UNDEFINED";
    case PropertyTypeSLong: return "SLONG";
    case PropertyTypeSRational: return "SRATIONAL";
    default: return "?";
    }
}

std::size_t valueSize(std::uint16_t type) {
    switch (type) {
    case PropertyTypeShort: return 2;
    case PropertyTypeLong:
    case PropertyTypeSLong: return 4;
    case PropertyTypeRational:
    case PropertyTypeSRational: return 8;
    default: return 1;
    }
}

std::uint32_t word(const PropertyItem& item, std::size_t at, std::size_t size) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < size && at + i < item.value.size(); ++i) value |= std::uint32_t{item.value[at + i]} << (8 * i);
    return value;
}

std::string numberText(std::uint32_t value, bool isSigned) {
    return isSigned ? std::to_string(static_cast<std::int32_t>(value)) : std::to_string(value);
}

std::string asciiText(const PropertyItem& item) {
    std::string text;
    for (const std::uint8_t byte : item.value) {
        if (byte == 0) break;
        text += byte >= 0x20 && byte < 0x7F ? static_cast<char>(byte) : '?';
    }
    return "\"" + text + "\"";
}

std::string valueText(const PropertyItem& item) {
    if (item.type == PropertyTypeAscii) return asciiText(item);
    const std::size_t size = valueSize(item.type);
    const bool isSigned = item.type == PropertyTypeSLong || item.type == PropertyTypeSRational;
    std::string text;
    const std::size_t count = item.value.size() / size;
    for (std::size_t i = 0; i < count && i < kShownValues; ++i) {
        if (i > 0) text += ' ';
        const std::size_t at = i * size;
        if (size == 8) {
            text += numberText(word(item, at, 4), isSigned) + "/" + numberText(word(item, at + 4, 4), isSigned);
        } else if (size == 1 && item.type != PropertyTypeByte) {
            char hex[3];
            std::snprintf(hex, sizeof hex, "%02X", item.value[at]);
            text += hex;
        } else {
            text += numberText(word(item, at, size), false);
        }
    }
    if (count > kShownValues) text += " …";
    return text;
}

Text absolutePath(const char* argument) {
    std::error_code error;
    const std::filesystem::path full = std::filesystem::absolute(std::filesystem::path(argument), error);
    const std::u8string utf8 = (error ? std::filesystem::path(argument) : full).u8string();
    return textFromUtf8(std::string(utf8.begin(), utf8.end()));
}

void printHeaderSize(FileSystem& files, const Text& path) {
    const std::unique_ptr<ByteSource> source = files.openForReading(path);
    if (!source) return;
    const PictureHeader header = readPictureHeader(*source);
    if (header.reading == HeaderReading::UnknownFormat) return;
    const char* verdict = mayDecode(header) ? "decoded" : "refused";
    if (header.reading == HeaderReading::Corrupt) {
        std::printf("header\tunreadable\t%s\n", verdict);
    } else {
        std::printf("header\t%u x %u\t%s\n", header.width, header.height, verdict);
    }
}

void printPicture(const PhotoServices& services, const char* argument) {
    const Text path = absolutePath(argument);
    const PhotoInfo info = gatherPhotoInfo(services, {path, path, true, {}});
    std::printf("picture\t%s\n", textToUtf8(path).c_str());
    printHeaderSize(services.files, path);
    for (const PropertyItem& item : info.items) {
        std::printf("item\t0x%04X\t%s\t%zu\t%s\n", item.id, typeName(item.type), item.value.size() / valueSize(item.type), valueText(item).c_str());
    }
    for (int row = 0; row < kInfoRowCount; ++row) {
        const InfoRowText text = infoRow(info, row);
        std::printf("row\t%d\t%s\t%s\t%s\n", row, textToUtf8(kInfoRowLabels[static_cast<std::size_t>(row)]).c_str(), text.hasValue ? "value" : "none",
                    textToUtf8(text.text).c_str());
    }
}

}  // namespace
}  // namespace quillory

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: quillory-info PICTURE...\n");
        return 2;
    }
    quillory::StdFileSystem files;
    quillory::UtcClock clock;
    quillory::Latin1CodePage codePage;
    const quillory::PhotoServices services{files, clock, codePage};
    for (int i = 1; i < argc; ++i) quillory::printPicture(services, argv[i]);
    return 0;
}
