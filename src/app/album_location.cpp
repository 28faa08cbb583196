#include "app/album_location.h"

#include "base/format.h"

namespace quillory {

namespace {

constexpr TextView kExtendedPrefix = u"\\\\?\\";
constexpr TextView kExtendedSharePrefix = u"\\\\?\\UNC\\";
constexpr TextView kSharePrefix = u"\\\\";

// MAX_PATH less its terminator, less the most the album file adds for the names it derives
// ("_Backup.qalbum" after a path without an extension).
constexpr std::size_t kLongestPlainAlbumPath = 259 - 14;

bool startsWith(TextView text, TextView prefix) { return text.substr(0, prefix.size()) == prefix; }

bool isDrivePath(TextView path) {
    return path.size() >= 3 && path[1] == u':' && path[2] == u'\\';
}

// A share (\\server\share\...), not the \\?\ or \\.\ forms that already speak to the system directly.
bool isSharePath(TextView path) {
    if (!startsWith(path, kSharePrefix)) return false;
    const TextView rest = path.substr(kSharePrefix.size());
    return !rest.empty() && !startsWith(rest, u"?\\") && !startsWith(rest, u".\\");
}

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
    const TextView album = withoutQuotes(argument);
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

Text extendedLengthPath(TextView fullPath) {
    if (fullPath.size() <= kLongestPlainAlbumPath) return Text(fullPath);
    if (isDrivePath(fullPath)) return Text(kExtendedPrefix) + Text(fullPath);
    if (isSharePath(fullPath)) return Text(kExtendedSharePrefix) + Text(fullPath.substr(kSharePrefix.size()));
    return Text(fullPath);
}

Text withoutExtendedPrefix(TextView path) {
    if (startsWith(path, kExtendedSharePrefix)) return Text(kSharePrefix) + Text(path.substr(kExtendedSharePrefix.size()));
    if (startsWith(path, kExtendedPrefix)) return Text(path.substr(kExtendedPrefix.size()));
    return Text(path);
}

Text standWindowTitle(TextView albumName) {
    return formatText(u"%0.64s - %s", {albumName, u"Quillory"});
}

}  // namespace quillory
