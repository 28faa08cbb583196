#include "album_bytes.h"

#include <fstream>
#include <iterator>

namespace quillory::e2e {

std::optional<Bytes> readFileBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool writeFileBytes(const std::filesystem::path& file, const Bytes& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

Bytes utf16leWithMark(std::wstring_view text) {
    Bytes bytes = "\xFF\xFE";
    for (wchar_t unit : text) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>((unit >> 8) & 0xFF));
    }
    return bytes;
}

std::optional<std::wstring> decodeUtf16le(const Bytes& bytes) {
    if (bytes.size() < 2 || bytes.compare(0, 2, "\xFF\xFE") != 0) {
        return std::nullopt;
    }
    std::wstring text;
    for (size_t at = 2; at + 1 < bytes.size(); at += 2) {
        const auto low = static_cast<unsigned char>(bytes[at]);
        const auto high = static_cast<unsigned char>(bytes[at + 1]);
        text.push_back(static_cast<wchar_t>(low | (high << 8)));
    }
    return text;
}

AlbumText& AlbumText::section(std::wstring_view name, const std::vector<AlbumKey>& keys) {
    text_ += L"\r\n[";
    text_ += name;
    text_ += L"]\r\n";
    for (const auto& [key, value] : keys) {
        text_ += key + L"=" + value + L"\r\n";
    }
    return *this;
}

std::optional<std::wstring> sectionBody(std::wstring_view albumText, std::wstring_view sectionName) {
    const std::wstring header = L"\r\n[" + std::wstring(sectionName) + L"]\r\n";
    const size_t start = albumText.find(header);
    if (start == std::wstring_view::npos) {
        return std::nullopt;
    }
    const size_t bodyStart = start + header.size();
    const size_t next = albumText.find(L"\r\n[", bodyStart - 2);
    std::wstring body(albumText.substr(bodyStart, next == std::wstring_view::npos ? next : next + 2 - bodyStart));
    while (body.ends_with(L"\r\n\r\n")) {
        body.resize(body.size() - 2);
    }
    return body;
}

Bytes solidBitmap(std::uint32_t colour) {
    constexpr int kSide = 16;
    constexpr int kPixelBytes = kSide * kSide * 3;
    Bytes bytes(54, '\0');
    const auto put32 = [&](std::size_t at, std::uint32_t value) {
        for (std::size_t byte = 0; byte < 4; ++byte) bytes[at + byte] = static_cast<char>((value >> (8 * byte)) & 0xFF);
    };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(2, 54 + kPixelBytes);
    put32(10, 54);
    put32(14, 40);
    put32(18, kSide);
    put32(22, kSide);
    put32(26, 1 | (24 << 16));  // one plane, 24 bits
    put32(34, kPixelBytes);
    for (int pixel = 0; pixel < kSide * kSide; ++pixel) {
        for (const int shift : {16, 8, 0}) bytes += static_cast<char>((colour >> shift) & 0xFF);  // blue, green, red
    }
    return bytes;
}

}  // namespace quillory::e2e
