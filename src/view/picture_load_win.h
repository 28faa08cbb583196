#pragma once
// Loading the picture a Page shows: decoded upright by the decoder, or read as a device bitmap
// without it. Decoded pictures are kept for the next few Page changes (picture_cache.h), each
// with the painter that has drawn it, so going back to a Page is one copy to the screen.
#include <windows.h>

#include <cstddef>
#include <memory>
#include <optional>
#include <span>

#include "base/gdi_handles_win.h"
#include "base/text.h"
#include "draw/gdiplus_win.h"
#include "draw/page_painter_win.h"
#include "draw/page_picture_win.h"
#include "view/picture_cache.h"

namespace quillory {

// CurrentPicture (with the decoder) or CurrentBitmap (without), or neither when the file cannot
// be read, with the painter whose layers hold its last composition.
struct LoadedPicture {
    PagePicture picture;
    PagePainter painter;
};
using SharedPicture = std::shared_ptr<LoadedPicture>;

// Decoded pictures kept: few enough that three 24-megapixel photos and the one shown fit.
inline constexpr PictureCacheLimits kPictureCacheLimits{4, std::size_t{384} << 20};

// The picture of `path`, never null. With the decoder it is taken from the cache while its file
// is unchanged, and kept there after a decode.
SharedPicture loadPictureFile(const Text& path, bool gdiplusActive);

// Lets go of every kept picture and of the work decoding ahead (decode_ahead_win.h); must run
// before the decoder is shut down.
void forgetKeptPictures();

// The version of the file a picture is kept for; nothing when the file cannot be found.
std::optional<FileStamp> pictureFileStamp(const Text& path);

// Whether the picture of `path`, as the file is now, is kept.
bool isPictureKept(const Text& path);

// Keeps a picture decoded ahead of its step, with the stamp its file had before it was read,
// behind the picture last loaded (on screen) and `wantedSooner`, which it never pushes out.
void keepPictureDecodedAhead(Text path, const FileStamp& stamp, SharedPicture picture, std::span<const Text> wantedSooner);

// What the cache holds now.
std::size_t keptPictureCount();
std::size_t keptPictureBytes();

// The decoder's image of a file, turned upright by its EXIF Orientation; null when the file
// cannot be read or decoded, or when its header claims more pixels than the decoder may be
// given (picture_header.h), which the decoder then never sees. The file is read whole first, so
// the image holds no lock on it.
ImageOwner decodeUpright(const Text& path);

}  // namespace quillory
