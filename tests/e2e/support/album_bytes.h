// Album files as bytes: reading and writing them, and building the exact bytes the program writes
// (UTF-16LE with a byte-order mark, ";Quillory", a blank line before every section, CR LF line ends).
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quillory::e2e {

using Bytes = std::string;

std::optional<Bytes> readFileBytes(const std::filesystem::path& file);
bool writeFileBytes(const std::filesystem::path& file, const Bytes& bytes);

// The byte-order mark FF FE followed by the text in UTF-16LE.
Bytes utf16leWithMark(std::wstring_view text);
// The text of a UTF-16LE file, without its byte-order mark; nothing when the mark is missing.
std::optional<std::wstring> decodeUtf16le(const Bytes& bytes);

using AlbumKey = std::pair<std::wstring, std::wstring>;

// Builds an album's text in the layout the program writes, section by section.
class AlbumText {
public:
    AlbumText& section(std::wstring_view name, const std::vector<AlbumKey>& keys);
    const std::wstring& text() const { return text_; }
    Bytes bytes() const { return utf16leWithMark(text_); }

private:
    std::wstring text_ = L";Quillory\r\n";
};

// The keys of one section of an album text: everything between its header and the next one.
std::optional<std::wstring> sectionBody(std::wstring_view albumText, std::wstring_view sectionName);

// A 16 x 16 24-bit bitmap file of one colour 0x00BBGGRR, large enough that the view's scaling
// keeps its middle pure.
Bytes solidBitmap(std::uint32_t colour);

}  // namespace quillory::e2e
