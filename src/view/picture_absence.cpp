#include "view/picture_absence.h"

namespace quillory {

namespace {

bool isFolderPage(const PageSettings& page) { return (page.Flag & FlagFolder) != 0; }

// The last part of a path, a folder's without its closing "\\".
Text lastPart(TextView path) {
    while (!path.empty() && path.back() == u'\\') path.remove_suffix(1);
    const std::size_t slash = path.find_last_of(u'\\');
    return Text(slash == TextView::npos ? path : path.substr(slash + 1));
}

}  // namespace

std::optional<Text> absenceNote(const PageSettings& page, const Text& pictureFile, const PathExists& exists) {
    if (page.File.empty()) return Text(u"右クリックかドロップで絵を選んでください");
    if (isFolderPage(page)) {
        if (!exists(page.File)) return u"フォルダが見つかりません: " + lastPart(page.File);
        if (pictureFile.empty()) return u"このフォルダには絵がありません: " + lastPart(page.File);
    }
    if (!exists(pictureFile)) return u"ファイルが見つかりません: " + lastPart(pictureFile);
    return std::nullopt;
}

bool canShowPicture(const PageSettings& page, const Text& pictureFile, const PathExists& exists) {
    if (page.File.empty()) return false;
    if (!isFolderPage(page)) return exists(page.File);
    if (page.FileNum <= 0) return false;
    return pictureFile.empty() ? exists(page.File) : exists(pictureFile);
}

}  // namespace quillory
