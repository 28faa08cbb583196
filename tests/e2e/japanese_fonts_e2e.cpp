// The Wine prefix the tests run in maps the Japanese faces the program asks for to fonts that
// hold Japanese glyphs; without that mapping every Japanese text is drawn as boxes.
#include "owned_handles.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

namespace quillory::e2e {
namespace {

// The glyph indices of the text in the face; 0xFFFF marks a character the font lacks. The font is
// asked for without a character set: for an unknown face Wine then falls back to a Latin font.
std::vector<WORD> glyphIndices(const wchar_t* face, const std::wstring& text) {
    ScreenDc screen;
    HFONT font = CreateFontW(-16, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, face);
    std::vector<WORD> indices(text.size(), 0);
    if (font == nullptr) {
        return {};
    }
    HGDIOBJ previous = SelectObject(screen.get(), font);
    const DWORD converted = GetGlyphIndicesW(screen.get(), text.c_str(), static_cast<int>(text.size()),
                                             indices.data(), GGI_MARK_NONEXISTING_GLYPHS);
    SelectObject(screen.get(), previous);
    DeleteObject(font);
    return converted == GDI_ERROR ? std::vector<WORD>{} : indices;
}

TEST(JapaneseFontsTest, EveryFaceTheProgramAsksForHasJapaneseGlyphs) {
    const std::wstring text = L"コメント写真情報";
    for (const wchar_t* face : {L"ＭＳ Ｐゴシック", L"MS UI Gothic", L"Yu Gothic UI", L"MS Shell Dlg", L"MS Shell Dlg 2"}) {
        const std::vector<WORD> indices = glyphIndices(face, text);
        ASSERT_EQ(indices.size(), text.size()) << "no font for " << face;
        for (size_t at = 0; at < text.size(); ++at) {
            EXPECT_NE(indices[at], 0xFFFF) << "face \"" << face << "\" lacks the glyph of character " << at;
        }
    }
}

}  // namespace
}  // namespace quillory::e2e
