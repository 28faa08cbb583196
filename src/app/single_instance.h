#pragma once
// One album is shown by one process. Processes agree on an album by a key made from its file's
// path as the file system spells it (full, long names, case folded), so "travel" and
// "my travel" are two albums and two starts of one album meet at one kernel object.
#include <cstdint>

#include "base/text.h"

namespace quillory {

struct AlbumKey {
    std::uint64_t hash = 0;  // never 0; also marks the window that shows the album
    Text lockName;           // the album's named mutex: a session-local name without a backslash of its own
};

// `foldedPath` is the album file's full path with every folder by its long name and upper-cased;
// an extended-length prefix makes no difference.
AlbumKey albumKeyOf(TextView foldedPath);

}  // namespace quillory
