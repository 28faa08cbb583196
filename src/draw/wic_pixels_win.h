#pragma once
// Decoding raster pictures through the Windows Imaging Component: PNG, GIF, TIFF, BMP, icons and
// whatever codecs the system adds (WebP, HEIC, AVIF where Windows has them). The first frame is
// handed over whole as plain pixels, and our own filter shrinks it as it shrinks a JPEG: the
// component's scaler only picks pixels on some systems, which leaves moire on fine detail, and
// copying the frame straight into our buffer holds one full-size copy where GDI+ needs two. The
// colours come premultiplied by their alpha, so that averaging weighs each by how much it covers.
#include <atomic>
#include <cstdint>
#include <optional>
#include <span>

#include "draw/pixel_image.h"
#include "photoinfo/photo_format.h"

namespace quillory {

struct WicPicture {
    PixelImage pixels;        // stored orientation, 0xAARRGGBB with premultiplied alpha
    bool seeThrough = false;  // some pixel is not fully opaque
    PictureMetrics metrics;   // of the frame as the file holds it
};

// The first frame of `file`; nothing when no codec on this system reads it, the file is broken,
// the frame claims more pixels than the budget (picture_header.h), memory is short or `stop` is
// set meanwhile. Any thread may call this: it joins COM for the call where the thread has not.
std::optional<WicPicture> decodeWithWic(std::span<const std::uint8_t> file, const std::atomic<bool>* stop = nullptr);

}  // namespace quillory
