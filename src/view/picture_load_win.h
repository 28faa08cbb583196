#pragma once
// Loading the picture a Page shows: decoded upright at the size the screen can show of it
// (fitted_picture_win.h), or read as a device bitmap without the decoder. Decoded pictures are
// kept for the next Page changes (picture_cache.h), each with the painter that has drawn it, so
// going back to a Page is one copy to the screen.
#include <windows.h>

#include <atomic>
#include <cstddef>
#include <memory>
#include <optional>
#include <span>

#include "base/gdi_handles_win.h"
#include "base/text.h"
#include "draw/fit_geometry.h"
#include "draw/fitted_picture_win.h"
#include "draw/gdiplus_win.h"
#include "draw/page_painter_win.h"
#include "draw/page_picture_win.h"
#include "view/picture_cache.h"

namespace quillory {

// CurrentPicture (with the decoder) or CurrentBitmap (without), or neither when the file cannot
// be read, with the painter whose layers hold its last composition.
struct LoadedPicture {
    PagePicture picture;
    PictureMetrics metrics;  // of the file's picture, which the kept copy may be smaller than
    FitMode fittedFor = FitMode::ShorterSide;
    bool whole = false;
    PagePainter painter;
};
using SharedPicture = std::shared_ptr<LoadedPicture>;

// Decoded pictures kept, by the bytes they and their painters hold: a screen-sized photo with its
// painter takes about 35 MB on a full-HD screen.
inline constexpr PictureCacheLimits kPictureCacheLimits{16, std::size_t{192} << 20};

// The picture of `path` for a Page shown with `fit`, never null. With the decoder it is taken
// from the cache while its file is unchanged and the kept copy has the pixels `fit` draws, and
// kept there after a decode.
SharedPicture loadPictureFile(const Text& path, bool gdiplusActive, FitMode fit);

// The picture decoded for `fit`, as loadPictureFile does on demand; no picture when the file
// cannot be read or decoded, or when `stop` is set meanwhile. Any thread may call this.
SharedPicture decodedPicture(const Text& path, FitMode fit, const std::atomic<bool>* stop = nullptr);

// What shows in place of the picture of `path` while it is decoded for `fit`: the thumbnail a
// camera stored in the JPEG's EXIF, at the size and turn of the picture (fittedStandIn). Never
// kept, so it can never be taken for the picture; no picture when the file has no usable
// thumbnail. Reads only the file's head and the thumbnail.
SharedPicture standInPicture(const Text& path, FitMode fit);

// Lets go of every kept picture and of the work decoding ahead (decode_ahead_win.h); must run
// before the decoder is shut down.
void forgetKeptPictures();

// The version of the file a picture is kept for; nothing when the file cannot be found.
std::optional<FileStamp> pictureFileStamp(const Text& path);

// Whether the picture of `path`, as the file is now, is kept with the pixels `fit` draws.
bool isPictureKept(const Text& path, FitMode fit);

// Keeps a picture decoded ahead of its step, with the stamp its file had before it was read,
// behind the picture last loaded (on screen) and `wantedSooner`, which it never pushes out.
void keepPictureDecodedAhead(Text path, const FileStamp& stamp, SharedPicture picture, std::span<const Text> wantedSooner);

// What `picture` holds, counted against the cache's limit: its pixels, the file's bytes a whole
// picture may keep with it, and its painter's layers.
std::size_t heldPictureBytes(const LoadedPicture& picture, std::uint64_t fileSize);

// What a picture not decoded yet is expected to hold: one kept at the screen's size, with its
// painter (a picture shown at actual size may hold more, and counts that once decoded).
std::size_t screenPictureBytes();

// Drops the least recently used kept pictures, never the one on screen nor `wantedSooner`, so
// that pictures of `incoming` bytes, not kept yet, fit beside the rest; returns the bytes left free.
std::size_t makeRoomForPicturesInFlight(std::size_t incoming, std::span<const Text> wantedSooner);

// What the cache holds now.
std::size_t keptPictureCount();
std::size_t keptPictureBytes();

// The decoded picture of a file at the size kept for `fit` on this screen, turned upright by its
// EXIF Orientation; no image when the file cannot be read or decoded, or when its header claims
// more pixels than a decoder may be given (picture_header.h), which no decoder then sees. The
// file is read whole first, so the image holds no lock on it.
FittedPicture decodeUpright(const Text& path, FitMode fit, const std::atomic<bool>* stop = nullptr);

}  // namespace quillory
