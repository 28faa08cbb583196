#include "view/picture_load_win.h"

#include <array>
#include <string>

#include "base/debug_trace_win.h"
#include "base/memory_source.h"
#include "base/wide_win.h"
#include "base/win_platform_win.h"
#include "draw/kept_size.h"
#include "draw/orientation.h"
#include "photoinfo/picture_header.h"
#include "photoinfo/photo_format.h"
#include "photoinfo/property_reader.h"
#include "view/decode_ahead_win.h"

namespace quillory {

namespace {

// Never destroyed at exit: by then the decoder may be shut down, and its images with it.
PictureCache<SharedPicture>& keptPictures() {
    static auto* cache = new PictureCache<SharedPicture>(kPictureCacheLimits);
    return *cache;
}

// The path of the picture last loaded, the one on screen: pictures decoded ahead go behind it.
Text& shownPicturePath() {
    static auto* path = new Text;
    return *path;
}

// The painter's two layers and reduced copy, each at most the virtual screen's size.
std::size_t painterBytes() {
    const Size screen = PagePainter::virtualScreenSize();
    return 3 * static_cast<std::size_t>(screen.dx) * static_cast<std::size_t>(screen.dy) * 4;
}

}  // namespace

std::size_t heldPictureBytes(const LoadedPicture& picture, std::uint64_t fileSize) {
    gp::GpImage* image = picture.picture.image();
    UINT width = 0, height = 0;
    gp::PixelFormat format = 0;
    gpflat::GdipGetImageWidth(image, &width);
    gpflat::GdipGetImageHeight(image, &height);
    gpflat::GdipGetImagePixelFormat(image, &format);
    const std::size_t bitsPerPixel = static_cast<std::size_t>(std::max(bitsPerPixelOfFormat(format), 32));
    const std::size_t file = picture.whole ? static_cast<std::size_t>(fileSize) : 0;
    return std::size_t{width} * height * bitsPerPixel / 8 + file + painterBytes();
}

std::size_t screenPictureBytes() {
    const Size screen = PagePainter::virtualScreenSize();
    return static_cast<std::size_t>(screen.dx) * static_cast<std::size_t>(screen.dy) * 4 + painterBytes();
}

namespace {

// Whether a decoder may have the picture, by what its header claims. A refused picture shows
// like a broken one; its name goes to the trace, so a missing picture can be explained.
bool headerAllowsDecoding(ByteSource& file, const Text& path) {
    const PictureHeader header = readPictureHeader(file);
    if (mayDecode(header)) return true;
    const std::wstring why = header.reading == HeaderReading::Sized
        ? L"picture not decoded, its header claims " + std::to_wstring(header.width) + L" x " + std::to_wstring(header.height) + L" pixels"
        : std::wstring(L"picture not decoded, its header cannot be read");
    traceRefusal(why, wide(path));
    return false;
}

SharedPicture bitmapPicture(const Text& path) {
    auto picture = std::make_shared<LoadedPicture>();
    const std::unique_ptr<ByteSource> file = winPlatform().files.openForReading(path);
    if (!file || !headerAllowsDecoding(*file, path)) return picture;
    picture->picture = PagePicture(UniqueBitmap(static_cast<HBITMAP>(
        LoadImageW(nullptr, wide(path), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION | LR_DEFAULTSIZE))));
    return picture;
}

// Whether `picture` has the pixels `fit` draws; a missing picture and a device bitmap always do.
bool keptPictureServes(const LoadedPicture& picture, FitMode fit) {
    return picture.picture.image() == nullptr || keptPictureServes(picture.fittedFor, picture.whole, fit);
}

}  // namespace

std::optional<FileStamp> pictureFileStamp(const Text& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(wide(path), GetFileExInfoStandard, &data)) return std::nullopt;
    const auto joined = [](DWORD high, DWORD low) { return static_cast<std::uint64_t>(high) << 32 | low; };
    return FileStamp{joined(data.ftLastWriteTime.dwHighDateTime, data.ftLastWriteTime.dwLowDateTime),
                     joined(data.nFileSizeHigh, data.nFileSizeLow)};
}

FittedPicture decodeUpright(const Text& path, FitMode fit, const std::atomic<bool>* stop) {
    std::optional<std::vector<std::uint8_t>> bytes = winPlatform().files.readFile(path);
    if (!bytes || bytes->empty() || bytes->size() > UINT_MAX) return {};
    MemorySource file(std::move(*bytes));
    if (!headerAllowsDecoding(file, path)) return {};
    return decodeFitted(file.bytes(), uprightTurn(readOrientation(file)), fit, PagePainter::virtualScreenSize(), stop);
}

SharedPicture decodedPicture(const Text& path, FitMode fit, const std::atomic<bool>* stop) {
    FittedPicture fitted = decodeUpright(path, fit, stop);
    auto picture = std::make_shared<LoadedPicture>();
    picture->picture = PagePicture(std::move(fitted.image));
    picture->metrics = fitted.metrics;
    picture->fittedFor = fit;
    picture->whole = fitted.whole;
    return picture;
}

SharedPicture standInPicture(const Text& path, FitMode fit) {
    // Thumbnails live in the EXIF block, which a JPEG segment holds to 64 KB.
    constexpr std::uint64_t kMaxThumbnailBytes = 65536;
    auto picture = std::make_shared<LoadedPicture>();
    const std::unique_ptr<ByteSource> file = winPlatform().files.openForReading(path);
    if (!file) return picture;
    std::array<std::uint8_t, 2> magic{};
    const PictureHeader header = readPictureHeader(*file);
    if (!file->read(0, magic) || magic[0] != 0xFF || magic[1] != 0xD8 || header.reading != HeaderReading::Sized || !mayDecode(header)) return picture;
    const std::optional<ByteRange> range = findExifThumbnail(*file);
    if (!range || range->size > kMaxThumbnailBytes) return picture;
    std::vector<std::uint8_t> thumbnail(static_cast<std::size_t>(range->size));
    if (!file->read(range->offset, thumbnail)) return picture;
    const Size stored{static_cast<int>(header.width), static_cast<int>(header.height)};
    FittedPicture fitted = fittedStandIn(thumbnail, stored, uprightTurn(readOrientation(*file)), fit, PagePainter::virtualScreenSize());
    picture->picture = PagePicture(std::move(fitted.image));
    picture->metrics = fitted.metrics;
    picture->fittedFor = fit;
    return picture;
}

SharedPicture loadPictureFile(const Text& path, bool gdiplusActive, FitMode fit) {
    if (!gdiplusActive) return bitmapPicture(path);
    // Named first, so that pictures decoded ahead and kept now go behind this one.
    shownPicturePath() = path;
    collectDecodedAhead(path);
    const std::optional<FileStamp> stamp = pictureFileStamp(path);
    if (!stamp) return std::make_shared<LoadedPicture>();
    PictureCache<SharedPicture>& cache = keptPictures();
    if (const SharedPicture* kept = cache.find(path, *stamp); kept && keptPictureServes(**kept, fit)) return *kept;
    decodingInWindow(screenPictureBytes());
    SharedPicture picture = decodedPicture(path, fit);
    if (picture->picture.image() != nullptr) cache.insert(path, *stamp, picture, heldPictureBytes(*picture, stamp->size));
    decodingInWindow(0);
    return picture;
}

void forgetKeptPictures() {
    stopDecodingAhead();
    keptPictures().clear();
}

bool isPictureKept(const Text& path, FitMode fit) {
    const std::optional<FileStamp> stamp = pictureFileStamp(path);
    if (!stamp) return false;
    const SharedPicture* kept = keptPictures().peek(path, *stamp);
    return kept != nullptr && keptPictureServes(**kept, fit);
}

void keepPictureDecodedAhead(Text path, const FileStamp& stamp, SharedPicture picture, std::span<const Text> wantedSooner) {
    if (picture->picture.image() == nullptr) return;
    std::vector<Text> ahead{shownPicturePath()};
    ahead.insert(ahead.end(), wantedSooner.begin(), wantedSooner.end());
    const std::size_t bytes = heldPictureBytes(*picture, stamp.size);
    keptPictures().insertBehind(std::move(path), stamp, std::move(picture), bytes, ahead);
}

std::size_t makeRoomForPicturesInFlight(std::size_t incoming, std::span<const Text> wantedSooner) {
    std::vector<Text> keep{shownPicturePath()};
    keep.insert(keep.end(), wantedSooner.begin(), wantedSooner.end());
    return keptPictures().makeRoom(incoming, keep);
}

std::size_t keptPictureCount() { return keptPictures().pictureCount(); }

std::size_t keptPictureBytes() { return keptPictures().byteCount(); }

}  // namespace quillory
