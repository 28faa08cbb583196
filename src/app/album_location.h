#pragma once
// Which album file a start uses and the name its windows show, from the whole command line.
#include "base/text.h"

namespace quillory {

struct AlbumLocation {
    Text path;  // full path of the album file
    Text name;  // file name without its last extension, shown in window titles
};

// `programFolder` is the executable's folder with its trailing backslash. The argument is the
// whole command line after the program name: one album name or path, possibly in double quotes,
// taken whole whatever its length (a cut path would name another file).
AlbumLocation albumLocationFromArgument(TextView programFolder, TextView argument);

// The spelling of a full path that the file functions take at any length: "\\?\" before a drive
// path, "\\?\UNC\" in place of a share's leading "\\". Only a path too long for a plain one
// (with room for the temporary and backup names made beside the album) gets it; a relative,
// device or already prefixed path stays as it is.
Text extendedLengthPath(TextView fullPath);

// The plain spelling of a path that may carry the extended-length prefix.
Text withoutExtendedPrefix(TextView path);

// The title text by which a running instance of the same album is recognised.
Text standWindowTitle(TextView albumName);

}  // namespace quillory
