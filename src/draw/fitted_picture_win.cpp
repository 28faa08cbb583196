#include "draw/fitted_picture_win.h"

#include <shlwapi.h>

#include <optional>
#include <utility>

#include "draw/enlarge.h"
#include "draw/gdiplus_pixels_win.h"
#include "draw/jpeg_decode.h"
#include "draw/kept_size.h"
#include "draw/pixel_image.h"
#include "draw/shrink.h"
#include "draw/picture_metrics_win.h"
#include "draw/wic_pixels_win.h"

namespace quillory {
namespace {

gp::RotateFlipType rotateFlipOf(const UprightTurn& turn) {
    return static_cast<gp::RotateFlipType>(turn.quarterTurns % 4 + (turn.mirror ? 4 : 0));
}

void turnUpright(gp::GpImage* image, const UprightTurn& turn) {
    if (image != nullptr && !isIdentity(turn)) gpflat::GdipImageRotateFlip(image, rotateFlipOf(turn));
}

// The stored size that turns into `upright`: a quarter turn swaps the sides either way.
Size storedSizeOf(Size upright, const UprightTurn& turn) { return uprightSize(upright, turn); }

// The picture shrunk to `target` (stored orientation), or as it is when no shrinking is needed
// or possible.
PixelImage shrunkTo(PixelImage picture, Size target) {
    if (picture.size == target) return picture;
    std::optional<PixelImage> shrunk = shrinkPicture(picture, target);
    return shrunk ? std::move(*shrunk) : std::move(picture);
}

bool isJpeg(std::span<const std::uint8_t> file) { return file.size() > 3 && file[0] == 0xFF && file[1] == 0xD8 && file[2] == 0xFF; }

// `picture` (stored orientation) shrunk to `target`, as a bitmap in `format` turned upright.
std::optional<FittedPicture> fittedFrom(PixelImage picture, Size target, gp::PixelFormat format, const UprightTurn& turn) {
    FittedPicture fitted;
    fitted.image = bitmapOf(shrunkTo(std::move(picture), target), format);
    if (!fitted.image) return std::nullopt;
    turnUpright(fitted.image.get(), turn);
    return fitted;
}

std::optional<FittedPicture> jpegFitted(std::span<const std::uint8_t> file, const UprightTurn& turn, FitMode fit, Size screen,
                                        const std::atomic<bool>* stop) {
    const std::optional<Size> stored = readJpegSize(file);
    if (!stored) return std::nullopt;
    const std::optional<Size> kept = keptPictureSize(uprightSize(*stored, turn), fit, screen);
    const Size target = kept ? storedSizeOf(*kept, turn) : *stored;
    DecodedJpeg decoded = decodeJpeg(file, target, stop);
    if (decoded.status != JpegStatus::Decoded) return std::nullopt;
    std::optional<FittedPicture> fitted = fittedFrom(std::move(decoded.picture), target, PixelFormat32bppRGB, turn);
    if (!fitted) return std::nullopt;
    const Size upright = uprightSize(*stored, turn);
    fitted->metrics = {PictureMetrics::Source::Decoder, static_cast<std::uint32_t>(upright.dx), static_cast<std::uint32_t>(upright.dy),
                       decoded.resolution.dx, decoded.resolution.dy, decoded.bitsPerPixel};
    fitted->whole = !kept;
    return fitted;
}

std::optional<FittedPicture> wicFitted(std::span<const std::uint8_t> file, const UprightTurn& turn, FitMode fit, Size screen,
                                       const std::atomic<bool>* stop) {
    std::optional<WicPicture> decoded = decodeWithWic(file, stop);
    if (!decoded) return std::nullopt;
    const Size stored = decoded->pixels.size;
    const Size upright = uprightSize(stored, turn);
    const std::optional<Size> kept = keptPictureSize(upright, fit, screen);
    // Only pictures that are see-through keep their alpha: opaque ones are copied to the screen
    // without blending.
    const gp::PixelFormat format = decoded->seeThrough ? PixelFormat32bppPARGB : PixelFormat32bppRGB;
    std::optional<FittedPicture> fitted = fittedFrom(std::move(decoded->pixels), kept ? storedSizeOf(*kept, turn) : stored, format, turn);
    if (!fitted) return std::nullopt;
    fitted->metrics = decoded->metrics;
    fitted->metrics.width = static_cast<std::uint32_t>(upright.dx);
    fitted->metrics.height = static_cast<std::uint32_t>(upright.dy);
    fitted->whole = !kept;
    return fitted;
}

FittedPicture decoderFitted(std::span<const std::uint8_t> file, const UprightTurn& turn, FitMode fit, Size screen) {
    IStream* stream = SHCreateMemStream(file.data(), static_cast<UINT>(file.size()));
    if (stream == nullptr) return {};
    gp::GpBitmap* bitmap = nullptr;
    const gp::Status status = gpflat::GdipCreateBitmapFromStream(stream, &bitmap);
    stream->Release();  // the decoder keeps its own reference while it needs one
    if (status != gp::Ok || bitmap == nullptr) return {};
    FittedPicture fitted;
    fitted.image = ImageOwner(bitmap);
    fitted.metrics = pictureMetrics(fitted.image.get());
    const Size stored{static_cast<int>(fitted.metrics.width), static_cast<int>(fitted.metrics.height)};
    const Size upright = uprightSize(stored, turn);
    fitted.metrics.width = static_cast<std::uint32_t>(upright.dx);
    fitted.metrics.height = static_cast<std::uint32_t>(upright.dy);
    gp::ImageType type = gp::ImageTypeUnknown;
    gpflat::GdipGetImageType(fitted.image.get(), &type);
    const std::optional<Size> kept = type == gp::ImageTypeBitmap ? keptPictureSize(upright, fit, screen) : std::nullopt;
    fitted.whole = !kept;
    if (kept) {
        // Only pictures that can be see-through keep their alpha: opaque ones are copied to the
        // screen without blending.
        gp::PixelFormat format = 0;
        gpflat::GdipGetImagePixelFormat(fitted.image.get(), &format);
        const gp::PixelFormat keptFormat = (format & PixelFormatAlpha) != 0 ? PixelFormat32bppARGB : PixelFormat32bppRGB;
        // A copy that cannot be made (memory) leaves the whole picture, which still shows.
        std::optional<PixelImage> pixels = pixelsOf(fitted.image.get());
        ImageOwner shrunk = pixels ? bitmapOf(shrunkTo(std::move(*pixels), storedSizeOf(*kept, turn)), keptFormat) : ImageOwner();
        if (shrunk) fitted.image = std::move(shrunk);
        fitted.whole = !shrunk;
    }
    turnUpright(fitted.image.get(), turn);
    return fitted;
}

// Thumbnails are mostly smaller than the place they stand in for; on a small view they shrink.
std::optional<PixelImage> resizedTo(const PixelImage& picture, Size target) {
    if (target.dx <= picture.size.dx && target.dy <= picture.size.dy) return shrinkPicture(picture, target);
    if (target.dx >= picture.size.dx && target.dy >= picture.size.dy) return enlargePicture(picture, target);
    return std::nullopt;
}

}  // namespace

FittedPicture fittedStandIn(std::span<const std::uint8_t> thumbnail, Size stored, const UprightTurn& turn, FitMode fit, Size screen) {
    const Size upright = uprightSize(stored, turn);
    const std::optional<Size> kept = keptPictureSize(upright, fit, screen);
    if (!kept) return {};
    const Size target = storedSizeOf(*kept, turn);
    DecodedJpeg decoded = decodeJpeg(thumbnail, target);
    if (decoded.status != JpegStatus::Decoded || !thumbnailHasPictureShape(decoded.picture.size, stored)) return {};
    std::optional<PixelImage> resized = resizedTo(decoded.picture, target);
    if (!resized) return {};
    FittedPicture fitted;
    fitted.image = bitmapOf(std::move(*resized), PixelFormat32bppRGB);
    turnUpright(fitted.image.get(), turn);
    fitted.metrics = {PictureMetrics::Source::Decoder, static_cast<std::uint32_t>(upright.dx), static_cast<std::uint32_t>(upright.dy), 0, 0,
                      decoded.bitsPerPixel};
    return fitted;
}

FittedPicture decodeFitted(std::span<const std::uint8_t> file, const UprightTurn& turn, FitMode fit, Size screen,
                           const std::atomic<bool>* stop) {
    if (isJpeg(file)) {
        if (std::optional<FittedPicture> fitted = jpegFitted(file, turn, fit, screen, stop)) return std::move(*fitted);
    }
    if (stop != nullptr && stop->load()) return {};
    if (std::optional<FittedPicture> fitted = wicFitted(file, turn, fit, screen, stop)) return std::move(*fitted);
    if (stop != nullptr && stop->load()) return {};
    return decoderFitted(file, turn, fit, screen);
}

}  // namespace quillory
