#pragma once
// Bitmap files made in memory, for pictures a test needs of a known size and colour.
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace quillory::testing {

// A 24-bit bitmap file of one colour.
inline std::vector<std::uint8_t> bitmapFile(int width, int height, std::uint8_t red) {
    const int stride = (width * 3 + 3) & ~3;
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(info);
    file.bfSize = file.bfOffBits + static_cast<DWORD>(stride * height);
    info.biSize = sizeof(info);
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    std::vector<std::uint8_t> bytes(file.bfSize, 0);
    std::memcpy(bytes.data(), &file, sizeof(file));
    std::memcpy(bytes.data() + sizeof(file), &info, sizeof(info));
    for (int row = 0; row < height; ++row) {
        for (int x = 0; x < width; ++x) bytes[file.bfOffBits + static_cast<std::size_t>(row * stride + x * 3 + 2)] = red;
    }
    return bytes;
}

}  // namespace quillory::testing
