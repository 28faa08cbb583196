#include "draw/enlarge.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace quillory {
namespace {

constexpr int kMaxSide = 1 << 24;
// Blend weights are counted in 1/256ths; two axes make 1/65536ths, rounded once at the end.
constexpr std::uint32_t kOne = 256;

// Where new pixel i samples the source on one axis: between source pixels `first` and
// `first + 1`, `weight`/256 of the way to the second. The sample point is the new pixel's
// centre, (i + 0.5)·source/target − 0.5, held to the outermost source centres.
struct Sample {
    int first = 0;
    std::uint32_t weight = 0;
};

std::vector<Sample> samplesOf(int source, int target) {
    std::vector<Sample> samples(static_cast<std::size_t>(target));
    const std::int64_t from = source, to = target;
    for (std::int64_t i = 0; i < to; ++i) {
        // The sample point in 1/(2·target·256) units of a source pixel, kept as a whole number.
        const std::int64_t point = std::clamp<std::int64_t>(((2 * i + 1) * from - to) * kOne, 0, (from - 1) * 2 * to * kOne);
        const std::int64_t unit = 2 * to * kOne;
        Sample& sample = samples[static_cast<std::size_t>(i)];
        sample.first = static_cast<int>(point / unit);
        sample.weight = static_cast<std::uint32_t>((point % unit) * kOne / unit);
        if (sample.first == source - 1) sample.weight = 0;  // the last source pixel has no right neighbour
    }
    return samples;
}

std::uint32_t channel(std::uint32_t pixel, int c) { return (pixel >> (8 * c)) & 0xFF; }

std::uint32_t blend(std::uint32_t a, std::uint32_t b, std::uint32_t c, std::uint32_t d, std::uint32_t across, std::uint32_t down) {
    std::uint32_t pixel = 0;
    for (int k = 0; k < 4; ++k) {
        const std::uint32_t top = channel(a, k) * (kOne - across) + channel(b, k) * across;
        const std::uint32_t bottom = channel(c, k) * (kOne - across) + channel(d, k) * across;
        const std::uint32_t value = (top * (kOne - down) + bottom * down + kOne * kOne / 2) / (kOne * kOne);
        pixel |= value << (8 * k);
    }
    return pixel;
}

}  // namespace

std::optional<PixelImage> enlargePicture(const PixelImage& picture, Size target) {
    const Size source = picture.size;
    if (source.dx <= 0 || source.dy <= 0 || target.dx < source.dx || target.dy < source.dy) return std::nullopt;
    if (target.dx > kMaxSide || target.dy > kMaxSide) return std::nullopt;
    const std::vector<Sample> across = samplesOf(source.dx, target.dx), down = samplesOf(source.dy, target.dy);
    PixelImage result{target, std::vector<std::uint32_t>(static_cast<std::size_t>(target.dx) * target.dy)};
    for (int y = 0; y < target.dy; ++y) {
        const Sample& row = down[static_cast<std::size_t>(y)];
        const int below = std::min(row.first + 1, source.dy - 1);
        std::uint32_t* out = &result.pixels[static_cast<std::size_t>(y) * target.dx];
        for (int x = 0; x < target.dx; ++x) {
            const Sample& column = across[static_cast<std::size_t>(x)];
            const int right = std::min(column.first + 1, source.dx - 1);
            out[x] = blend(picture.at(column.first, row.first), picture.at(right, row.first), picture.at(column.first, below),
                           picture.at(right, below), column.weight, row.weight);
        }
    }
    return result;
}

}  // namespace quillory
