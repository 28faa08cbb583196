#pragma once
// A memory canvas the draw tests paint into and read back, and pictures made in memory.
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <optional>

#include "base/gdi_handles_win.h"
#include "base/geometry.h"
#include "draw/gdiplus_win.h"

namespace quillory::drawtest {

using Colour = std::uint32_t;  // 0x00BBGGRR

inline int redOf(Colour c) { return static_cast<int>(c & 0xFF); }
inline int greenOf(Colour c) { return static_cast<int>((c >> 8) & 0xFF); }
inline int blueOf(Colour c) { return static_cast<int>((c >> 16) & 0xFF); }

inline bool closeTo(Colour a, Colour b, int tolerance) {
    return std::abs(redOf(a) - redOf(b)) <= tolerance && std::abs(greenOf(a) - greenOf(b)) <= tolerance &&
           std::abs(blueOf(a) - blueOf(b)) <= tolerance;
}

// A top-down 32-bit bitmap selected into its own memory context.
class Canvas {
public:
    explicit Canvas(Size size) : size_(size), dc_(CreateCompatibleDC(nullptr)) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = size.dx;
        info.bmiHeader.biHeight = -size.dy;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        bitmap_.reset(CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        bits_ = static_cast<std::uint32_t*>(bits);
        previous_ = SelectObject(dc_, bitmap_.get());
    }
    ~Canvas() {
        SelectObject(dc_, previous_);
        DeleteDC(dc_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return dc_; }
    Size size() const { return size_; }
    HBITMAP bitmap() const { return bitmap_.get(); }

    Colour pixel(int x, int y) const {
        GdiFlush();
        const std::uint32_t bgra = bits_[static_cast<std::size_t>(y) * static_cast<std::size_t>(size_.dx) + static_cast<std::size_t>(x)];
        return ((bgra & 0xFF) << 16) | (bgra & 0xFF00) | ((bgra >> 16) & 0xFF);
    }
    void fill(Colour colour) {
        for (int y = 0; y < size_.dy; ++y) {
            for (int x = 0; x < size_.dx; ++x) set(x, y, colour);
        }
    }
    void set(int x, int y, Colour colour) {
        GdiFlush();
        bits_[static_cast<std::size_t>(y) * static_cast<std::size_t>(size_.dx) + static_cast<std::size_t>(x)] =
            ((colour & 0xFF) << 16) | (colour & 0xFF00) | ((colour >> 16) & 0xFF);
    }

    // The smallest rectangle holding every pixel that matches; nothing when none does.
    std::optional<Rect> boundsOf(const std::function<bool(Colour)>& matches) const {
        int left = size_.dx, top = size_.dy, right = -1, bottom = -1;
        for (int y = 0; y < size_.dy; ++y) {
            for (int x = 0; x < size_.dx; ++x) {
                if (!matches(pixel(x, y))) continue;
                left = std::min(left, x);
                top = std::min(top, y);
                right = std::max(right, x);
                bottom = std::max(bottom, y);
            }
        }
        if (right < 0) return std::nullopt;
        return Rect::fromEdges(left, top, right + 1, bottom + 1);
    }
    int count(const std::function<bool(Colour)>& matches) const {
        int n = 0;
        for (int y = 0; y < size_.dy; ++y) {
            for (int x = 0; x < size_.dx; ++x) n += matches(pixel(x, y)) ? 1 : 0;
        }
        return n;
    }

private:
    Size size_;
    HDC dc_;
    UniqueBitmap bitmap_;
    std::uint32_t* bits_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

// A picture of one colour with an optional square of a second colour centred on (cx, cy).
struct PictureSample {
    Size size;
    Colour colour = 0x0000FF;
    Colour markColour = 0x00FF00;
    int markHalf = 0;  // no mark when 0
    Point markCentre;
};

inline Colour pictureColourAt(const PictureSample& sample, int x, int y) {
    const bool marked = sample.markHalf > 0 && std::abs(x - sample.markCentre.x) < sample.markHalf && std::abs(y - sample.markCentre.y) < sample.markHalf;
    return marked ? sample.markColour : sample.colour;
}

// Writes a picture's pixels into a decoder bitmap of its size.
inline void paintImage(gp::GpImage* image, const PictureSample& sample) {
    gp::GpBitmap* bitmap = static_cast<gp::GpBitmap*>(image);
    gp::Rect all(0, 0, sample.size.dx, sample.size.dy);
    gp::BitmapData data{};
    if (gpflat::GdipBitmapLockBits(bitmap, &all, gp::ImageLockModeWrite, PixelFormat32bppRGB, &data) != gp::Ok) return;
    for (int y = 0; y < sample.size.dy; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(data.Scan0) + static_cast<std::ptrdiff_t>(y) * data.Stride);
        for (int x = 0; x < sample.size.dx; ++x) {
            const Colour c = pictureColourAt(sample, x, y);
            row[x] = 0xFF000000u | ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
        }
    }
    gpflat::GdipBitmapUnlockBits(bitmap, &data);
}

// As the decoder's image.
inline ImageOwner makeImage(const PictureSample& sample) {
    gp::GpBitmap* bitmap = nullptr;
    if (gpflat::GdipCreateBitmapFromScan0(sample.size.dx, sample.size.dy, 0, PixelFormat32bppRGB, nullptr, &bitmap) != gp::Ok) return {};
    ImageOwner image(bitmap);
    paintImage(image.get(), sample);
    return image;
}

// As the bitmap the program shows without the decoder (a file's DIB section).
inline UniqueBitmap makeBitmap(const PictureSample& sample) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = sample.size.dx;
    info.bmiHeader.biHeight = -sample.size.dy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    auto* pixels = static_cast<std::uint32_t*>(bits);
    for (int y = 0; y < sample.size.dy; ++y) {
        for (int x = 0; x < sample.size.dx; ++x) {
            const Colour c = pictureColourAt(sample, x, y);
            pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(sample.size.dx) + static_cast<std::size_t>(x)] =
                ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
        }
    }
    return bitmap;
}

}  // namespace quillory::drawtest
