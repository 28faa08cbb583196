// Feeds arbitrary bytes to the property reader as a picture file, then formats every
// information text from whatever items it found; the thumbnail found must lie inside the file.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "base/memory_source.h"
#include "base/std_platform.h"
#include "photoinfo/photo_format.h"
#include "photoinfo/property_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    quillory::MemorySource source(std::vector<std::uint8_t>(data, data + size));
    (void)quillory::readDateTimeOriginal(source);
    if (const std::optional<quillory::ByteRange> thumbnail = quillory::findExifThumbnail(source)) {
        if (thumbnail->offset > size || thumbnail->size > size - thumbnail->offset) __builtin_trap();
    }
    quillory::Latin1CodePage codePage;
    quillory::PhotoInfo info;
    info.items = quillory::readPropertyItems(source);
    info.codePage = &codePage;
    for (int row = 0; row < quillory::kInfoRowCount; ++row) (void)quillory::infoRow(info, row);
    for (int group = 0; group < 6; ++group) {
        (void)quillory::formatInfoGroup(info, group, true);
    }
    (void)quillory::cameraText(info);
    (void)quillory::authorText(info);
    (void)quillory::shootingDateText(info, true);
    return 0;
}
