#include "screen.h"

#include "owned_handles.h"

#include <cstdlib>
#include <fstream>
#include <vector>

namespace quillory::e2e {
namespace {

// Owns a GDI object (here the capture bitmap) and deletes it.
class OwnedGdiObject {
public:
    explicit OwnedGdiObject(HGDIOBJ object) : object_(object) {}
    OwnedGdiObject(const OwnedGdiObject&) = delete;
    OwnedGdiObject& operator=(const OwnedGdiObject&) = delete;
    ~OwnedGdiObject() {
        if (object_ != nullptr) {
            DeleteObject(object_);
        }
    }
    HGDIOBJ get() const { return object_; }

private:
    HGDIOBJ object_;
};

// Copies the screen's `area` into `bitmap` through a memory DC that holds it only for the copy,
// since GetDIBits wants the bitmap selected nowhere.
bool copyScreen(HDC screen, HBITMAP bitmap, const RECT& area) {
    HDC memory = CreateCompatibleDC(screen);
    if (memory == nullptr) {
        return false;
    }
    HGDIOBJ previous = SelectObject(memory, bitmap);
    bool copied = previous != nullptr &&
                  BitBlt(memory, 0, 0, area.right - area.left, area.bottom - area.top, screen, area.left, area.top, SRCCOPY);
    if (previous != nullptr) {
        SelectObject(memory, previous);
    }
    DeleteDC(memory);
    return copied;
}

// The screen's `area` in the format `header` names (its width and height are the area's; a
// negative height asks for the rows from the top).
bool readScreen(const RECT& area, BITMAPINFOHEADER& header, void* pixels) {
    ScreenDc screen;
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    OwnedGdiObject bitmap(CreateCompatibleBitmap(screen.get(), width, height));
    auto* bitmapHandle = static_cast<HBITMAP>(bitmap.get());
    return bitmapHandle != nullptr && copyScreen(screen.get(), bitmapHandle, area) &&
           GetDIBits(screen.get(), bitmapHandle, 0, static_cast<UINT>(height), pixels, reinterpret_cast<BITMAPINFO*>(&header),
                     DIB_RGB_COLORS) == height;
}

BITMAPINFOHEADER dibHeader(int width, int height, WORD bitCount) {
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = bitCount;
    header.biCompression = BI_RGB;
    return header;
}

}  // namespace

std::optional<COLORREF> screenPixel(POINT screenPoint) {
    ScreenDc screen;
    COLORREF colour = GetPixel(screen.get(), screenPoint.x, screenPoint.y);
    if (colour == CLR_INVALID) {
        return std::nullopt;
    }
    return colour;
}

std::optional<COLORREF> clientPixel(HWND window, POINT clientPoint) {
    POINT screenPoint = clientPoint;
    if (!ClientToScreen(window, &screenPoint)) {
        return std::nullopt;
    }
    return screenPixel(screenPoint);
}

bool looksLike(COLORREF shown, COLORREF expected) {
    constexpr int kTolerance = 40;
    return std::abs(GetRValue(shown) - GetRValue(expected)) < kTolerance &&
           std::abs(GetGValue(shown) - GetGValue(expected)) < kTolerance &&
           std::abs(GetBValue(shown) - GetBValue(expected)) < kTolerance;
}

std::optional<ScreenArea> captureScreen(const RECT& area) {
    ScreenArea captured;
    captured.width = area.right - area.left;
    captured.height = area.bottom - area.top;
    if (captured.width <= 0 || captured.height <= 0) {
        return std::nullopt;
    }
    BITMAPINFOHEADER header = dibHeader(captured.width, -captured.height, 32);
    std::vector<RGBQUAD> quads(static_cast<size_t>(captured.width) * static_cast<size_t>(captured.height));
    if (!readScreen(area, header, quads.data())) {
        return std::nullopt;
    }
    captured.pixels.reserve(quads.size());
    for (const RGBQUAD& quad : quads) {
        captured.pixels.push_back(RGB(quad.rgbRed, quad.rgbGreen, quad.rgbBlue));
    }
    return captured;
}

RECT clientRectOnScreen(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return client;
}

bool saveScreenshot(const std::filesystem::path& file) {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    BITMAPINFOHEADER header = dibHeader(width, height, 24);
    const DWORD rowBytes = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
    std::vector<char> pixels(static_cast<size_t>(rowBytes) * static_cast<size_t>(height));
    if (!readScreen({0, 0, width, height}, header, pixels.data())) {
        return false;
    }
    BITMAPFILEHEADER fileHeader{};
    fileHeader.bfType = 0x4D42;  // "BM"
    fileHeader.bfOffBits = sizeof fileHeader + sizeof header;
    fileHeader.bfSize = fileHeader.bfOffBits + static_cast<DWORD>(pixels.size());
    std::error_code ignored;
    std::filesystem::create_directories(file.parent_path(), ignored);
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&fileHeader), sizeof fileHeader);
    out.write(reinterpret_cast<const char*>(&header), sizeof header);
    out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
    return static_cast<bool>(out);
}

}  // namespace quillory::e2e
