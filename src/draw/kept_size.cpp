#include "draw/kept_size.h"

#include <algorithm>
#include <cmath>

namespace quillory {

std::optional<Size> keptPictureSize(Size picture, FitMode fit, Size screen) {
    if (fit == FitMode::ActualSize || picture.dx <= 0 || picture.dy <= 0 || screen.dx <= 0 || screen.dy <= 0) {
        return std::nullopt;
    }
    const double across = static_cast<double>(screen.dx) / picture.dx;
    const double down = static_cast<double>(screen.dy) / picture.dy;
    const double scale = fit == FitMode::ShorterSide ? std::min(across, down) : std::max(across, down);
    if (scale >= 1.0) return std::nullopt;
    // Rounding up keeps every side the fit draws covered by whole pixels of the kept picture.
    const auto side = [scale](int whole) { return std::clamp(static_cast<int>(std::ceil(whole * scale)), 1, whole); };
    return Size{side(picture.dx), side(picture.dy)};
}

bool keptPictureServes(FitMode keptFor, bool whole, FitMode wanted) {
    if (whole) return true;
    switch (wanted) {
    case FitMode::ShorterSide: return true;
    case FitMode::LongerSide:
    case FitMode::BothSides: return keptFor != FitMode::ShorterSide;
    case FitMode::ActualSize: return false;
    }
    return false;
}

bool thumbnailHasPictureShape(Size thumbnail, Size picture) {
    if (thumbnail.dx <= 0 || thumbnail.dy <= 0 || picture.dx <= 0 || picture.dy <= 0) return false;
    const double ratio = (static_cast<double>(thumbnail.dx) * picture.dy) / (static_cast<double>(thumbnail.dy) * picture.dx);
    return std::abs(ratio - 1.0) <= 0.03;
}

}  // namespace quillory
