// Feeds arbitrary bytes to the JPEG decoder as a file, asking for a small view so that scaled
// decoding is exercised, then shrinks whatever it decoded.
#include <cstddef>
#include <cstdint>
#include <span>

#include "draw/jpeg_decode.h"
#include "draw/shrink.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> file(data, size);
    (void)quillory::readJpegSize(file);
    // The first byte picks the request, so each scale gets its share of the inputs.
    const int side = size > 0 ? data[0] % 64 : 0;
    const quillory::DecodedJpeg decoded = quillory::decodeJpeg(file, {side, side});
    if (decoded.status == quillory::JpegStatus::Decoded) {
        const quillory::Size half{(decoded.picture.size.dx + 1) / 2, (decoded.picture.size.dy + 1) / 2};
        (void)quillory::shrinkPicture(decoded.picture, half);
    }
    return 0;
}
