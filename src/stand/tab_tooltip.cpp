#include "stand/tab_tooltip.h"

#include "base/format.h"

namespace quillory {

namespace {

// A folder Page's File ends in a backslash; its name is the component before it.
TextView folderName(TextView path) {
    while (!path.empty() && path.back() == u'\\') path.remove_suffix(1);
    const std::size_t slash = path.rfind(u'\\');
    return slash == TextView::npos ? path : path.substr(slash + 1);
}

TextView fileTitle(TextView path) {
    const std::size_t slash = path.rfind(u'\\');
    TextView name = slash == TextView::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.rfind(u'.');
    return dot == TextView::npos ? name : name.substr(0, dot);
}

}  // namespace

Text tabTooltipText(const PageSettings& page) {
    const bool folder = (page.Flag & FlagFolder) != 0;
    const TextView name = folder ? folderName(page.File) : fileTitle(page.File);
    return formatText(u"%0.100s\n%s : \"%0.64s\"", {page.Comment, folder ? u"フォルダ" : u"ファイル", name});
}

}  // namespace quillory
