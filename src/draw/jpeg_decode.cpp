#include "draw/jpeg_decode.h"

#include <csetjmp>
#include <cstddef>
#include <cstdio>  // jpeglib.h uses FILE without including it
#include <new>
#include <optional>
#include <vector>

#include <jerror.h>
#include <jpeglib.h>

#include "photoinfo/picture_header.h"

namespace quillory {
namespace {

// A progressive file may hold any number of scans, and each one is a pass over the whole picture;
// real encoders write a dozen at most, so a file with hundreds is an attack on the decode time.
constexpr int kMaxScans = 500;

// libjpeg reports a fatal error by calling error_exit, which by default prints and ends the
// process. Ours records what went wrong and jumps back to the decoder's guarded step instead.
// `manager` comes first: libjpeg hands back its address as the decompressor's `err`.
struct ErrorTrap {
    jpeg_error_mgr manager;
    jpeg_progress_mgr progress;
    jpeg_source_mgr source;
    std::jmp_buf exit;
    JpegStatus status;
    bool headerRead;
    bool servedEnd;  // the data ran out once and got an end marker of our own
};

ErrorTrap& trapOf(j_common_ptr info) { return *reinterpret_cast<ErrorTrap*>(info->err); }

[[noreturn]] void leave(j_common_ptr info, JpegStatus status) {
    ErrorTrap& trap = trapOf(info);
    trap.status = status;
    std::longjmp(trap.exit, 1);
}

[[noreturn]] void onError(j_common_ptr info) {
    switch (info->err->msg_code) {
        case JERR_OUT_OF_MEMORY: leave(info, JpegStatus::TooLarge);
        case JERR_CONVERSION_NOTIMPL:
        case JERR_BAD_PRECISION: leave(info, JpegStatus::Unsupported);  // CMYK; 12-bit samples
        default: leave(info, JpegStatus::Corrupt);
    }
}

// Warnings (level -1) about damaged data are left alone, as every viewer does: the picture still
// shows. A scan that stops short at our own end marker is not damage but a file cut short: the
// decoder would invent grey rows for the missing part.
void onMessage(j_common_ptr info, int level) {
    if (level < 0 && info->err->msg_code == JWRN_HIT_MARKER && trapOf(info).servedEnd) {
        leave(info, JpegStatus::Truncated);
    }
}

void onOutput(j_common_ptr) {}

void onProgress(j_common_ptr info) {
    if (reinterpret_cast<j_decompress_ptr>(info)->input_scan_number > kMaxScans) leave(info, JpegStatus::Corrupt);
}

// The whole file is the source's one buffer. When the decoder wants more, it first gets an end
// marker, so a file that lacks only its own still decodes whole; wanting more after that means
// the file was cut.
constexpr JOCTET kEndMarker[] = {0xFF, JPEG_EOI};

void onSourceStart(j_decompress_ptr) {}
void onSourceEnd(j_decompress_ptr) {}

boolean onSourceEmpty(j_decompress_ptr info) {
    ErrorTrap& trap = trapOf(reinterpret_cast<j_common_ptr>(info));
    if (trap.servedEnd) leave(reinterpret_cast<j_common_ptr>(info), trap.headerRead ? JpegStatus::Truncated : JpegStatus::Corrupt);
    trap.servedEnd = true;
    info->src->next_input_byte = kEndMarker;
    info->src->bytes_in_buffer = sizeof kEndMarker;
    return TRUE;
}

void onSourceSkip(j_decompress_ptr info, long count) {
    if (count <= 0) return;
    jpeg_source_mgr& source = *info->src;
    if (static_cast<unsigned long>(count) <= source.bytes_in_buffer) {
        source.next_input_byte += count;
        source.bytes_in_buffer -= static_cast<std::size_t>(count);
    } else {
        source.bytes_in_buffer = 0;
        onSourceEmpty(info);
    }
}

void attachSource(ErrorTrap& trap, j_decompress_ptr info, std::span<const std::uint8_t> file) {
    trap.source.next_input_byte = file.data();
    trap.source.bytes_in_buffer = file.size();
    trap.source.init_source = onSourceStart;
    trap.source.fill_input_buffer = onSourceEmpty;
    trap.source.skip_input_data = onSourceSkip;
    trap.source.resync_to_restart = jpeg_resync_to_restart;
    trap.source.term_source = onSourceEnd;
    info->src = &trap.source;
}

// Runs `step`, a few libjpeg calls, with the trap armed; false when libjpeg gave up, the reason in
// the trap. The jump skips the step's frame, so steps hold no objects that need destroying.
template <typename Step>
bool trapped(ErrorTrap& trap, Step step) {
    if (setjmp(trap.exit) != 0) return false;
    step();
    return true;
}

constexpr int kDefaultDpi = 96;

// One decompressor over a file in memory, destroyed with its owner.
class Decompressor {
public:
    explicit Decompressor(std::span<const std::uint8_t> file) {
        trap_.status = JpegStatus::Corrupt;
        info_.err = jpeg_std_error(&trap_.manager);
        trap_.manager.error_exit = onError;
        trap_.manager.emit_message = onMessage;
        trap_.manager.output_message = onOutput;
        trap_.progress.progress_monitor = onProgress;
        created_ = trapped(trap_, [&] { jpeg_create_decompress(&info_); });
        if (!created_) return;
        info_.progress = &trap_.progress;
        headerRead_ = trapped(trap_, [&] {
            attachSource(trap_, &info_, file);
            jpeg_read_header(&info_, TRUE);
        });
        trap_.headerRead = headerRead_;
    }
    ~Decompressor() {
        if (created_) jpeg_destroy_decompress(&info_);
    }
    Decompressor(const Decompressor&) = delete;
    Decompressor& operator=(const Decompressor&) = delete;

    bool headerRead() const { return headerRead_; }
    Size storedSize() const { return {static_cast<int>(info_.image_width), static_cast<int>(info_.image_height)}; }
    int bitsPerPixel() const { return info_.num_components == 1 ? 8 : 24; }

    // Dots per inch from the JFIF header; pictures that give none (or only an aspect ratio) count
    // as 96, the screen's.
    Size resolution() const {
        switch (info_.density_unit) {
        case 1: return {info_.X_density, info_.Y_density};
        case 2: return {static_cast<int>(info_.X_density * 2.54), static_cast<int>(info_.Y_density * 2.54)};
        default: return {kDefaultDpi, kDefaultDpi};
        }
    }

    // Sets the scale and the output colours; the output size, or nothing when libjpeg refuses.
    std::optional<Size> prepare(int denominator) {
        const bool prepared = trapped(trap_, [&] {
            info_.scale_num = 1;
            info_.scale_denom = static_cast<unsigned>(denominator);
            info_.out_color_space = JCS_EXT_BGRA;
            jpeg_calc_output_dimensions(&info_);
        });
        if (!prepared) return std::nullopt;
        return Size{static_cast<int>(info_.output_width), static_cast<int>(info_.output_height)};
    }

    // Decodes every row into `pixels`, which holds the output size, unless `stop` is set first;
    // false then, with the status Stopped.
    bool decodeInto(std::uint32_t* pixels, const std::atomic<bool>* stop) {
        const auto stopped = [stop] { return stop != nullptr && stop->load(std::memory_order_relaxed); };
        const bool decoded = trapped(trap_, [&] {
            jpeg_start_decompress(&info_);
            const std::size_t stride = info_.output_width;
            while (info_.output_scanline < info_.output_height && !stopped()) {
                JSAMPROW row = reinterpret_cast<JSAMPROW>(pixels + stride * info_.output_scanline);
                jpeg_read_scanlines(&info_, &row, 1);
            }
            // Left unfinished, the decoder is let go of by jpeg_destroy_decompress all the same.
            if (info_.output_scanline == info_.output_height) jpeg_finish_decompress(&info_);
        });
        if (decoded && info_.output_scanline < info_.output_height) trap_.status = JpegStatus::Stopped;
        return decoded && trap_.status != JpegStatus::Stopped;
    }

    JpegStatus failure() const { return trap_.status; }

private:
    ErrorTrap trap_{};
    jpeg_decompress_struct info_{};
    bool created_ = false;
    bool headerRead_ = false;
};

int scaledSide(int side, int denominator) { return (side + denominator - 1) / denominator; }

}  // namespace

bool withinJpegPixelBudget(Size stored) {
    if (stored.dx <= 0 || stored.dy <= 0) return false;
    return mayDecode({HeaderReading::Sized, static_cast<std::uint32_t>(stored.dx), static_cast<std::uint32_t>(stored.dy)});
}

int jpegScaleDenominator(Size stored, Size atLeast) {
    for (int denominator : {8, 4, 2}) {
        if (scaledSide(stored.dx, denominator) >= atLeast.dx && scaledSide(stored.dy, denominator) >= atLeast.dy) {
            return denominator;
        }
    }
    return 1;
}

std::optional<Size> readJpegSize(std::span<const std::uint8_t> file) {
    Decompressor decompressor(file);
    if (!decompressor.headerRead()) return std::nullopt;
    return decompressor.storedSize();
}

DecodedJpeg decodeJpeg(std::span<const std::uint8_t> file, Size atLeast, const std::atomic<bool>* stop) {
    DecodedJpeg result;
    Decompressor decompressor(file);
    const auto failed = [&result](JpegStatus status) {
        result.status = status;
        return result;
    };
    if (!decompressor.headerRead()) return failed(decompressor.failure());
    result.storedSize = decompressor.storedSize();
    result.resolution = decompressor.resolution();
    result.bitsPerPixel = decompressor.bitsPerPixel();
    if (!withinJpegPixelBudget(result.storedSize)) return failed(JpegStatus::TooLarge);
    result.scaleDenominator = jpegScaleDenominator(result.storedSize, atLeast);
    const std::optional<Size> outputSize = decompressor.prepare(result.scaleDenominator);
    if (!outputSize) return failed(decompressor.failure());
    std::vector<std::uint32_t> pixels;
    try {
        pixels.resize(static_cast<std::size_t>(outputSize->dx) * outputSize->dy);
    } catch (const std::bad_alloc&) {
        return failed(JpegStatus::TooLarge);
    }
    if (!decompressor.decodeInto(pixels.data(), stop)) return failed(decompressor.failure());
    result.status = JpegStatus::Decoded;
    result.picture = {*outputSize, std::move(pixels)};
    return result;
}

}  // namespace quillory
