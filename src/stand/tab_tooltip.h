#pragma once
// The text of a tab's tooltip: the Page's comment, then whether it shows a folder or a file and
// that folder's or file's name.
#include "album/album.h"

namespace quillory {

// At most 100 characters of comment and 64 of name, so the text stays under 180 characters.
Text tabTooltipText(const PageSettings& page);

}  // namespace quillory
