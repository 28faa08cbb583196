#pragma once
// How an album file's bytes hold its text. The program writes UTF-16LE after the FF FE mark;
// older versions wrote the system's ANSI code page without a mark. An album saved again by
// another program (an editor) may come in another Unicode form, and is read as what it is.
#include <cstddef>
#include <cstdint>
#include <span>

namespace quillory {

enum class AlbumEncoding : std::uint8_t {
    Utf16LeMarked,  // the album format
    Utf16Le,        // without its mark
    Utf16Be,        // with the FE FF mark or without one
    Utf8,           // with the EF BB BF mark or without one
    Ansi,           // a legacy album, or no album at all
};

// A mark decides alone. Without one, UTF-16 shows by its zero bytes: every unit up to the
// first that is no blank is ASCII, and that one is "[" or ";". UTF-8 without a mark must be
// valid throughout and either start with ";Quillory" (the first line of every album this
// program writes) or hold characters beyond ASCII and a "[Quillory]" header. Everything else is
// ANSI: an ASCII file with a "[Quillory]" header is what older versions wrote, Hex twins and all.
AlbumEncoding detectAlbumEncoding(std::span<const std::uint8_t> bytes);

// The length of the byte-order mark the bytes start with (UTF-16 or UTF-8), 0 without one.
std::size_t markSize(std::span<const std::uint8_t> bytes);

}  // namespace quillory
