#include "screen.h"

#include "owned_handles.h"

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

// Copies the screen into `bitmap` through a memory DC that holds it only for the copy, since
// GetDIBits wants the bitmap selected nowhere.
bool copyScreen(HDC screen, HBITMAP bitmap, int width, int height) {
    HDC memory = CreateCompatibleDC(screen);
    if (memory == nullptr) {
        return false;
    }
    HGDIOBJ previous = SelectObject(memory, bitmap);
    bool copied = previous != nullptr && BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
    if (previous != nullptr) {
        SelectObject(memory, previous);
    }
    DeleteDC(memory);
    return copied;
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

bool saveScreenshot(const std::filesystem::path& file) {
    ScreenDc screen;
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    OwnedGdiObject bitmap(CreateCompatibleBitmap(screen.get(), width, height));
    auto* bitmapHandle = static_cast<HBITMAP>(bitmap.get());
    if (bitmapHandle == nullptr || !copyScreen(screen.get(), bitmapHandle, width, height)) {
        return false;
    }
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    const DWORD rowBytes = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
    std::vector<char> pixels(static_cast<size_t>(rowBytes) * static_cast<size_t>(height));
    if (GetDIBits(screen.get(), bitmapHandle, 0, static_cast<UINT>(height), pixels.data(),
                  reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS) != height) {
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
