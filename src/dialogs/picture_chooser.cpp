#include "dialogs/picture_chooser.h"

#include "album/album.h"
#include "base/format.h"

namespace quillory {
namespace {

// The status line shows at most this much of the folder's name.
constexpr std::size_t kStatusNameCapacity = 63;
// A File this short (a drive root such as C:\) gives the chooser nothing to start from.
constexpr std::size_t kRootLength = 3;

std::size_t nameStart(TextView path) {
    const std::size_t separator = path.find_last_of(u"\\/");
    return separator == TextView::npos ? 0 : separator + 1;
}

}  // namespace

Text fileChooserTitle(TextView albumName, TextView label) {
    return formatText(u"%0.32s - \"%0.32s\" - 絵の選択", {albumName, label});
}

Text folderChooserTitle(TextView albumName, TextView label) {
    return formatText(u"%0.32s - \"%0.32s\" - 絵のフォルダの選択", {albumName, label});
}

Text fileChooserFilter(bool gdiplusActive) {
    Text filter = gdiplusActive ? Text(u"画像 (bmp, dib, jpg, tif, png, gif, wmf, emf, webp, heic, avif)") : Text(u"ビットマップ (bmp, dib)");
    filter += u'\0';
    filter += gdiplusActive ? u"*.bmp;*.dib;*.jpg;*.jpeg;*.jpe;*.jfif;*.tif;*.tiff;*.png;*.gif;*.wmf;*.emf;*.webp;*.heic;*.heif;*.avif"
                            : u"*.bmp;*.dib";
    filter += u'\0';
    filter += u'\0';
    return filter;
}

FileChooserStart fileChooserStart(TextView file, const FullPathResolver& fullPath, TextView previousFolder) {
    Text name = capped(file, kPathCapacity);
    if (name.size() <= kRootLength) return {Text(previousFolder), Text()};
    const std::optional<Text> full = fullPath ? fullPath(name) : std::optional<Text>(name);
    if (!full || full->size() > kPathCapacity) return {Text(), name};
    if (endsWith(name, u"\\")) name.pop_back();
    const std::size_t start = nameStart(*full);
    if (start >= full->size()) return {*full, Text()};
    return {full->substr(0, start), full->substr(start)};
}

Text folderStatusLine(TextView resolvedFolder, int pictureCount) {
    TextView name = resolvedFolder.substr(nameStart(resolvedFolder));
    if (name.empty()) name = resolvedFolder;
    return formatText(u"\"%s\" --- 画像ファイル %d 個、", {capped(name, kStatusNameCapacity), pictureCount});
}

}  // namespace quillory
