// Decodes one camera-sized JPEG whole, at 1/4 and at 1/8 (the whole decode is the peer of the
// scaled ones), then shrinks to a 1000 x 667 view with the area-average filter, beside picking
// one pixel per view pixel (the unfiltered peer). The picture comes from scripts/bench-picture.sh:
//   jpeg_decode_bench "$(scripts/bench-picture.sh camera)"
// The same source builds natively (bench preset) and for Windows (run under Wine).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

#include "draw/jpeg_decode.h"
#include "draw/shrink.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kRuns = 7;
constexpr quillory::Size kView{1000, 667};

template <typename Run>
double medianMilliseconds(Run run) {
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) {
        const Clock::time_point start = Clock::now();
        run();
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// The unfiltered peer: the pixel at each view pixel's top left corner.
quillory::PixelImage sampled(const quillory::PixelImage& picture, quillory::Size target) {
    quillory::PixelImage out{target, std::vector<std::uint32_t>(static_cast<std::size_t>(target.dx) * target.dy)};
    for (int y = 0; y < target.dy; ++y) {
        const int sourceY = static_cast<int>(std::int64_t{y} * picture.size.dy / target.dy);
        for (int x = 0; x < target.dx; ++x) {
            out.pixels[static_cast<std::size_t>(y) * target.dx + x] =
                picture.at(static_cast<int>(std::int64_t{x} * picture.size.dx / target.dx), sourceY);
        }
    }
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s PICTURE.jpg\n", argv[0]);
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    const std::vector<std::uint8_t> file(std::istreambuf_iterator<char>(in), {});
    const std::optional<quillory::Size> stored = quillory::readJpegSize(file);
    if (!stored) {
        std::fprintf(stderr, "%s: not a readable JPEG\n", argv[1]);
        return 1;
    }
    std::printf("%s: %d x %d, %.1f MB, median of %d runs\n", argv[1], stored->dx, stored->dy, file.size() / 1e6, kRuns);

    quillory::DecodedJpeg whole, quarter, eighth;
    const double wholeMs = medianMilliseconds([&] { whole = quillory::decodeJpeg(file, *stored); });
    const double quarterMs = medianMilliseconds([&] { quarter = quillory::decodeJpeg(file, {stored->dx / 4, stored->dy / 4}); });
    const double eighthMs = medianMilliseconds([&] { eighth = quillory::decodeJpeg(file, {stored->dx / 8, stored->dy / 8}); });
    if (whole.status != quillory::JpegStatus::Decoded || quarter.scaleDenominator != 4 || eighth.scaleDenominator != 8) {
        std::fprintf(stderr, "decoding failed\n");
        return 1;
    }
    std::printf("decode whole %5d x %-5d %8.1f ms\n", whole.picture.size.dx, whole.picture.size.dy, wholeMs);
    std::printf("decode 1/4   %5d x %-5d %8.1f ms  (%.2f of whole)\n", quarter.picture.size.dx, quarter.picture.size.dy,
                quarterMs, quarterMs / wholeMs);
    std::printf("decode 1/8   %5d x %-5d %8.1f ms  (%.2f of whole)\n", eighth.picture.size.dx, eighth.picture.size.dy,
                eighthMs, eighthMs / wholeMs);

    std::optional<quillory::PixelImage> view;
    quillory::PixelImage picked;
    const double shrinkWholeMs = medianMilliseconds([&] { view = quillory::shrinkPicture(whole.picture, kView); });
    const double pickWholeMs = medianMilliseconds([&] { picked = sampled(whole.picture, kView); });
    const double shrinkQuarterMs = medianMilliseconds([&] { view = quillory::shrinkPicture(quarter.picture, kView); });
    const double pickQuarterMs = medianMilliseconds([&] { picked = sampled(quarter.picture, kView); });
    std::printf("to %d x %d from whole: area average %6.1f ms, picked pixels %6.1f ms\n", kView.dx, kView.dy,
                shrinkWholeMs, pickWholeMs);
    std::printf("to %d x %d from 1/4:   area average %6.1f ms, picked pixels %6.1f ms\n", kView.dx, kView.dy,
                shrinkQuarterMs, pickQuarterMs);
    std::printf("view from a 1/4 decode and the filter: %.1f ms, against a whole decode alone: %.1f ms\n",
                quarterMs + shrinkQuarterMs, wholeMs);
    return view && !picked.pixels.empty() ? 0 : 1;
}
