#pragma once
// Texts the Page settings show for the Page's picture: the sample strip's text (the picture's
// name without its extension) and the display form of a path.
#include "album/album.h"
#include "base/platform.h"
#include "base/text.h"
#include "view/folder_scan.h"

namespace quillory {

// The sample strip's text when the Page has no picture.
inline constexpr TextView kSampleWithoutPicture = u"Quillory";

// A path as the dialogs show it: a special folder named in brackets, separators as " > ".
Text dialogPathText(TextView path, SpecialFolders& folders);

struct SampleSource {
    const PageSettings& workingPage;
    bool liveFolderPage = false;    // the live Page's stored Flag has FlagFolder
    TextView shownFolderPicture;    // the FolderList entry at folderIndex, empty when none
};

// "Trip.2024" for …\Trip.2024.jpg; a folder path in its display form; "Quillory" without a
// picture; empty when the path has no full form.
Text sampleText(const SampleSource& source, const FullPathResolver& fullPath, SpecialFolders& folders);

}  // namespace quillory
