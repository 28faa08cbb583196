#include "view/dropped_file.h"

#include "view/folder_scan.h"

namespace quillory {

bool isAlbumFile(TextView path, bool isFolder) {
    constexpr TextView kAlbumExtension = u".qalbum";
    if (isFolder || path.size() < kAlbumExtension.size()) return false;
    return equalsNoCase(path.substr(path.size() - kAlbumExtension.size()), kAlbumExtension);
}

DropAction dropActionFor(TextView path, const DropContext& context) {
    if (isAlbumFile(path, context.isFolder)) return DropAction::OpenAlbum;
    if (context.pageLocked || context.slideRunning) return DropAction::Ignore;
    if (context.dropNewPage) return DropAction::NewPage;
    if (context.isFolder) return DropAction::ShowFolder;
    // By its extension, as the folder scan decides: a text file inside a folder named x.jpg is
    // not a picture.
    return isPictureFile(path, context.gdiplusActive) ? DropAction::ShowPicture : DropAction::Ignore;
}

Text albumArgument(TextView album) {
    Text argument = u"\"";
    argument += album;
    argument += u'"';
    return argument;
}

}  // namespace quillory
