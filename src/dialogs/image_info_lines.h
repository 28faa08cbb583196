#pragma once
// The lines of the image information panel: the InfoRows that have something to show, except
// that a picture never modified after it was taken shows neither its modification date nor the
// software that modified it.
#include <vector>

#include "base/text.h"
#include "photoinfo/photo_format.h"

namespace quillory {

struct InfoLine {
    Text label;
    Text text;
};

std::vector<InfoLine> imageInfoLines(const PhotoInfo& info);

}  // namespace quillory
