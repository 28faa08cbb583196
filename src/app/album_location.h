#pragma once
// Which album file a start uses and the name its windows show, from the whole command line.
#include "base/text.h"

namespace quillory {

struct AlbumLocation {
    Text path;  // full path of the album file
    Text name;  // file name without its last extension, shown in window titles
};

// Longest argument taken from the command line, in UTF-16 code units.
constexpr std::size_t kArgumentCapacity = 259;

// `programFolder` is the executable's folder with its trailing backslash. The argument is the
// whole command line after the program name: one album name or path, possibly in double quotes.
AlbumLocation albumLocationFromArgument(TextView programFolder, TextView argument);

// The title text by which a running instance of the same album is recognised.
Text standWindowTitle(TextView albumName);

}  // namespace quillory
