#pragma once
// How the shell is asked to open a picture with its associated program.
#include <optional>

#include "base/text.h"

namespace quillory {

struct ShellOpenRequest {
    Text file;
    std::optional<Text> folder;  // working folder; none when the picture's folder does not fit
};

// For a full path. The long-path prefix "\\?\" only where it is needed and valid: a drive path
// too long for the ordinary form. Network paths ("\\server\share\…"), already prefixed paths and
// everything that fits stay as they are. The working folder is the picture's folder when it has
// at most 259 characters (a cut folder would name another one).
ShellOpenRequest shellOpenRequest(TextView fullPath);

// The command line that has the system's file browser open a picture's folder with the picture
// selected in it, for a full path.
Text selectInFolderArguments(TextView fullPath);

}  // namespace quillory
