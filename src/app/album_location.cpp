#include "app/album_location.h"

#include "base/format.h"

namespace quillory {

namespace {

TextView withoutQuotes(TextView argument) {
    if (argument.size() >= 2 && argument.front() == u'"' && argument.back() == u'"') {
        return argument.substr(1, argument.size() - 2);
    }
    return argument;
}

Text withoutLastExtension(TextView name) {
    const std::size_t dot = name.rfind(u'.');
    return Text(dot == TextView::npos ? name : name.substr(0, dot));
}

}  // namespace

AlbumLocation albumLocationFromArgument(TextView programFolder, TextView argument) {
    // A longer command line is cut rather than refused: the album still opens under a shorter name.
    const TextView album = withoutQuotes(argument).substr(0, kArgumentCapacity);
    AlbumLocation location;
    Text namePart;
    if (album.empty()) {
        namePart = u"Quillory.qalbum";
        location.path = Text(programFolder) + namePart;
    } else if (const std::size_t slash = album.rfind(u'\\'); slash != TextView::npos) {
        namePart = Text(album.substr(slash + 1));
        location.path = Text(album);
    } else {
        namePart = Text(album);
        location.path = Text(programFolder) + namePart;
    }
    if (!contains(location.path, u".qalbum")) location.path += u".qalbum";
    location.name = withoutLastExtension(namePart);
    return location;
}

Text standWindowTitle(TextView albumName) {
    return formatText(u"%0.64s - %s", {albumName, u"Quillory"});
}

}  // namespace quillory
