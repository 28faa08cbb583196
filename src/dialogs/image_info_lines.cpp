#include "dialogs/image_info_lines.h"

namespace quillory {
namespace {

constexpr int kPictureModifiedRow = 1;
constexpr int kShootingDateRow = 2;
constexpr int kSoftwareRow = 3;
constexpr std::size_t kLabelCapacity = 53;

}  // namespace

std::vector<InfoLine> imageInfoLines(const PhotoInfo& info) {
    std::vector<InfoLine> lines;
    Text pictureModified;
    bool modifiedLine = false;
    bool skipSoftware = false;
    for (int row = 0; row < kInfoRowCount; ++row) {
        if (row == kSoftwareRow && skipSoftware) continue;
        InfoRowText value = infoRow(info, row);
        if (!value.hasValue || value.text.empty()) continue;
        if (row == kPictureModifiedRow) pictureModified = value.text;
        if (row == kShootingDateRow && value.text == pictureModified) {
            if (modifiedLine) lines.pop_back();
            skipSoftware = true;
        }
        lines.push_back({capped(kInfoRowLabels[static_cast<std::size_t>(row)], kLabelCapacity), std::move(value.text)});
        if (row == kPictureModifiedRow) modifiedLine = true;
    }
    return lines;
}

}  // namespace quillory
