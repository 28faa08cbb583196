#include "draw/shrink.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace quillory {
namespace {

// One axis shrunk from `source` pixels to `target` ones. Measured in units of 1/target of a source
// pixel, source pixel j spans [j·target, (j+1)·target) and new pixel i spans [i·source,
// (i+1)·source): every overlap is a whole number of units, and the weights of each new pixel add
// up to `source`.
class AxisCover {
public:
    AxisCover(int source, int target) : spans_(static_cast<std::size_t>(target)) {
        const std::int64_t from = source, to = target;
        for (std::int64_t i = 0; i < to; ++i) {
            const std::int64_t start = i * from, end = start + from;
            Span& span = spans_[static_cast<std::size_t>(i)];
            span.first = static_cast<int>(start / to);
            span.weightIndex = weights_.size();
            for (std::int64_t j = span.first; j * to < end; ++j) {
                weights_.push_back(static_cast<std::uint32_t>(std::min(end, (j + 1) * to) - std::max(start, j * to)));
            }
            span.count = static_cast<int>(weights_.size() - span.weightIndex);
        }
    }

    struct Span {
        int first = 0;  // first source pixel covered
        int count = 0;
        std::size_t weightIndex = 0;
    };
    int size() const { return static_cast<int>(spans_.size()); }
    const Span& span(int i) const { return spans_[static_cast<std::size_t>(i)]; }
    std::uint32_t weight(const Span& span, int k) const { return weights_[span.weightIndex + static_cast<std::size_t>(k)]; }

private:
    std::vector<Span> spans_;
    std::vector<std::uint32_t> weights_;
};

// Divides weighted sums by a fixed total through one multiplication: sum·multiplier / 2^40, rounded.
// The multiplier is rounded up so that exact halves stay halves and round up.
class Divider {
public:
    explicit Divider(std::uint64_t total) : multiplier_(((std::uint64_t{1} << 40) + total - 1) / total) {}
    std::uint64_t operator()(std::uint64_t sum) const { return (sum * multiplier_ + (std::uint64_t{1} << 39)) >> 40; }

private:
    std::uint64_t multiplier_;
};

constexpr int kChannels = 4;
// Sums across a row stay within 32 bits up to this width, far beyond any decodable picture.
constexpr int kMaxSide = 1 << 24;
// The first pass keeps 8 bits below the point, so the rounding happens once, in the second pass.
constexpr std::uint32_t kFraction = 256;

std::uint32_t channel(std::uint32_t pixel, int c) { return (pixel >> (8 * c)) & 0xFF; }

// One source row shrunk across, channels side by side at 8.8 fixed point.
void shrinkRow(const std::uint32_t* row, const AxisCover& across, const Divider& divide, std::vector<std::uint32_t>& out) {
    for (int i = 0; i < across.size(); ++i) {
        const AxisCover::Span& span = across.span(i);
        std::uint32_t sums[kChannels] = {};  // at most 255 · the source width
        for (int k = 0; k < span.count; ++k) {
            const std::uint32_t pixel = row[span.first + k];
            const std::uint32_t weight = across.weight(span, k);
            for (int c = 0; c < kChannels; ++c) sums[c] += weight * channel(pixel, c);
        }
        for (int c = 0; c < kChannels; ++c) out[static_cast<std::size_t>(i) * kChannels + c] = static_cast<std::uint32_t>(divide(std::uint64_t{sums[c]} * kFraction));
    }
}

}  // namespace

std::optional<PixelImage> shrinkPicture(const PixelImage& picture, Size target) {
    const Size source = picture.size;
    if (target.dx <= 0 || target.dy <= 0 || target.dx > source.dx || target.dy > source.dy) return std::nullopt;
    if (source.dx > kMaxSide) return std::nullopt;
    const AxisCover across(source.dx, target.dx), down(source.dy, target.dy);
    const Divider divideAcross(static_cast<std::uint64_t>(source.dx));
    const Divider divideDown(static_cast<std::uint64_t>(source.dy) * kFraction);
    const std::size_t rowValues = static_cast<std::size_t>(target.dx) * kChannels;

    PixelImage result{target, std::vector<std::uint32_t>(static_cast<std::size_t>(target.dx) * target.dy)};
    std::vector<std::uint32_t> shrunkRow(rowValues);
    std::vector<std::uint64_t> sums(rowValues);
    int rowInHand = -1;  // consecutive new rows share at most their boundary source row
    for (int y = 0; y < target.dy; ++y) {
        const AxisCover::Span& span = down.span(y);
        std::fill(sums.begin(), sums.end(), 0);
        for (int k = 0; k < span.count; ++k) {
            const int sourceRow = span.first + k;
            if (sourceRow != rowInHand) {
                shrinkRow(&picture.pixels[static_cast<std::size_t>(sourceRow) * source.dx], across, divideAcross, shrunkRow);
                rowInHand = sourceRow;
            }
            const std::uint64_t weight = down.weight(span, k);
            for (std::size_t v = 0; v < rowValues; ++v) sums[v] += weight * shrunkRow[v];
        }
        std::uint32_t* out = &result.pixels[static_cast<std::size_t>(y) * target.dx];
        for (int x = 0; x < target.dx; ++x) {
            std::uint32_t pixel = 0;
            for (int c = 0; c < kChannels; ++c) {
                pixel |= static_cast<std::uint32_t>(divideDown(sums[static_cast<std::size_t>(x) * kChannels + c])) << (8 * c);
            }
            out[x] = pixel;
        }
    }
    return result;
}

}  // namespace quillory
