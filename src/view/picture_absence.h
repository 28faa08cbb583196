#pragma once
// What the view says where a Page has no picture to show, so that an empty Page or a vanished
// file does not look like a picture that failed to paint, and which pictures the slide show can
// show at all.
#include <functional>
#include <optional>

#include "album/album.h"
#include "base/text.h"

namespace quillory {

// Whether a file or folder is there (a folder's path ends in "\\").
using PathExists = std::function<bool(const Text& path)>;

// The note for the current Page: a hint on an empty Page, the name of a missing folder or file,
// or a folder without pictures. Nothing when there is a picture to show (a broken one included:
// it shows as the picture it is). `pictureFile` is the picture the Page shows now (empty for a
// folder Page whose listing has nothing at its index).
std::optional<Text> absenceNote(const PageSettings& page, const Text& pictureFile, const PathExists& exists);

// Whether the slide show can show a picture of the Page: a picture is chosen and is there. A
// folder Page counts when the folder is there with pictures (`pictureFile` is its entry when
// the folder's listing is at hand, else empty).
bool canShowPicture(const PageSettings& page, const Text& pictureFile, const PathExists& exists);

}  // namespace quillory
