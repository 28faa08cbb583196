#include "view/picture_open.h"

#include "view/folder_scan.h"

namespace quillory {

namespace {

constexpr std::size_t kOrdinaryPathLimit = 259;  // MAX_PATH without its terminator

bool isDrivePath(TextView path) {
    return path.size() >= 3 && ((path[0] >= u'A' && path[0] <= u'Z') || (path[0] >= u'a' && path[0] <= u'z')) &&
           path[1] == u':' && (path[2] == u'\\' || path[2] == u'/');
}

}  // namespace

ShellOpenRequest shellOpenRequest(TextView fullPath) {
    ShellOpenRequest request;
    request.file = Text(fullPath);
    if (isDrivePath(fullPath) && fullPath.size() > kOrdinaryPathLimit) request.file.insert(0, u"\\\\?\\");
    Text folder = folderOfPath(fullPath);
    if (!folder.empty() && folder.size() <= kOrdinaryPathLimit) request.folder = std::move(folder);
    return request;
}

Text selectInFolderArguments(TextView fullPath) { return u"/select,\"" + Text(fullPath) + u"\""; }

}  // namespace quillory
