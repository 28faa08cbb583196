// Feeds arbitrary bytes to the picture-header reader as a picture file and asks whether it may
// be decoded. Whatever the bytes, the reader must stay inside them and end, and a header it
// could not read must not pass for a size.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "base/memory_source.h"
#include "photoinfo/picture_header.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    quillory::MemorySource source(std::vector<std::uint8_t>(data, data + size));
    const quillory::PictureHeader header = quillory::readPictureHeader(source);
    const bool unsized = header.reading != quillory::HeaderReading::Sized;
    if (unsized && (header.width != 0 || header.height != 0)) std::abort();
    if (header.reading == quillory::HeaderReading::Corrupt && quillory::mayDecode(header)) std::abort();
    return 0;
}
