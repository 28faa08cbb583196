#include "dialogs/sample_text.h"

#include "album/special_folders.h"

namespace quillory {
namespace {

// The dialogs' display buffers hold 260 units; a full path 261.
constexpr std::size_t kDisplayCapacity = 260;

TextView fileNamePart(TextView path) {
    const std::size_t separator = path.find_last_of(u"\\/");
    return separator == TextView::npos ? path : path.substr(separator + 1);
}

}  // namespace

Text dialogPathText(TextView path, SpecialFolders& folders) {
    return breadcrumbPath(folderLabelPath(capped(path, kPathCapacity), kDisplayCapacity, folders), kDisplayCapacity);
}

Text sampleText(const SampleSource& source, const FullPathResolver& fullPath, SpecialFolders& folders) {
    if (source.workingPage.File.empty()) return Text(kSampleWithoutPicture);
    const TextView path = source.liveFolderPage ? source.shownFolderPicture : TextView(source.workingPage.File);
    const std::optional<Text> full = fullPath ? fullPath(path) : std::optional<Text>(Text(path));
    // A full form longer than a path may be does not fit the system's buffer: no sample.
    if (!full || full->empty() || full->size() > kPathCapacity) return Text();
    const TextView name = fileNamePart(*full);
    if (name.empty()) return dialogPathText(*full, folders);
    return Text(name.substr(0, name.rfind(u'.')));
}

}  // namespace quillory
