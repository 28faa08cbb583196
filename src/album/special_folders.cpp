#include "album/special_folders.h"

#include "album/album.h"

namespace quillory {

const std::array<SpecialFolderEntry, 17> kSpecialFolderTable{{
    {u"Documents", 5},
    {u"All Documents", 46},
    {u"Pictures", 39},
    {u"All Pictures", 54},
    {u"Desktop", 0},
    {u"All Dsektop", 25},
    {u"Music", 13},
    {u"All Music", 53},
    {u"Video", 14},
    {u"All Video", 55},
    {u"Program Files", 38},
    {u"Program Files Common", 43},
    {u"App. Data", 26},
    {u"App. Data Local", 28},
    {u"App. Data Common", 35},
    {u"System", 37},
    {u"Windows", 36},
}};

std::optional<Text> CachedSpecialFolders::folderPath(int csidl) {
    const auto it = known_.find(csidl);
    if (it != known_.end()) return it->second;
    return known_[csidl] = source_.folderPath(csidl);
}

namespace {

struct FolderMatch {
    TextView name;
    TextView rest;  // the path after the folder, starting with its backslash (or empty)
};

// The first table folder that the path lies in (case-sensitive, whole folder names only).
std::optional<FolderMatch> matchFolder(TextView path, SpecialFolders& folders) {
    for (const SpecialFolderEntry& entry : kSpecialFolderTable) {
        const auto folder = folders.folderPath(entry.csidl);
        if (!folder || folder->empty() || !path.starts_with(*folder)) continue;
        const TextView rest = path.substr(folder->size());
        if (rest.empty() || rest.front() == u'\\' || folder->back() == u'\\') return FolderMatch{entry.name, rest};
    }
    return std::nullopt;
}

}  // namespace

Text tokenisePath(TextView path, SpecialFolders& folders) {
    if (path.empty()) return Text();  // a Page without a picture asks no folder
    const auto match = matchFolder(path, folders);
    if (!match) return capped(path, kPathCapacity);
    const TextView rest = match->rest.empty() || match->rest.front() != u'\\' ? match->rest : match->rest.substr(1);
    return capped(u"%" + Text(match->name) + u"%" + Text(rest), kPathCapacity);
}

namespace {

// Where "%" + name + "%" first occurs, or npos; looked for without building the token, since
// every Page's path is tried against every folder of the table.
std::size_t findToken(TextView stored, TextView name) {
    for (std::size_t at = stored.find(u'%'); at != TextView::npos; at = stored.find(u'%', at + 1)) {
        const TextView rest = stored.substr(at + 1);
        if (rest.size() > name.size() && rest.starts_with(name) && rest[name.size()] == u'%') return at;
    }
    return TextView::npos;
}

}  // namespace

Text expandPath(TextView stored, SpecialFolders& folders) {
    for (const SpecialFolderEntry& entry : kSpecialFolderTable) {
        const std::size_t at = findToken(stored, entry.name);
        if (at == TextView::npos) continue;
        const auto folder = folders.folderPath(entry.csidl);
        if (!folder) continue;
        return capped(*folder + u"\\" + Text(stored.substr(at + entry.name.size() + 2)), kPathCapacity);
    }
    return capped(stored, kPathCapacity);
}

Text breadcrumbPath(TextView path, std::size_t capacity) {
    Text out;
    for (char16_t c : path.substr(0, kPathCapacity)) {
        if (c == u'\\') {
            out += u" > ";
        } else {
            out.push_back(c);
        }
    }
    return capped(out, capacity);
}

Text folderLabelPath(TextView path, std::size_t capacity, SpecialFolders& folders) {
    const auto match = matchFolder(path, folders);
    if (!match) return capped(path, capacity);
    return capped(u"[" + Text(match->name) + u"] " + Text(match->rest), capacity);
}

}  // namespace quillory
