#include "base/dialog_font_win.h"

#include <algorithm>
#include <cwchar>

#include "base/wide_win.h"

namespace quillory {

namespace {

constexpr std::size_t kFaceCapacity = 31;

void putFace(LOGFONTW& font, const wchar_t* face, std::size_t length) {
    const std::size_t kept = std::min({length, kFaceCapacity, std::size(font.lfFaceName) - 1});
    std::wmemcpy(font.lfFaceName, face, kept);
    font.lfFaceName[kept] = L'\0';
}

}  // namespace

UniqueFont createDialogFont(HWND dialog, const FontChange& change) {
    const auto dialogFont = reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0));
    LOGFONTW font{};
    if (dialogFont == nullptr || GetObjectW(dialogFont, sizeof(font), &font) != sizeof(font)) return UniqueFont();

    font.lfCharSet = DEFAULT_CHARSET;
    font.lfEscapement = 0;
    font.lfItalic = change.italic;
    font.lfUnderline = change.underline;
    font.lfStrikeOut = change.strikeOut;
    if (change.height != 0) font.lfHeight = change.height;
    if (change.weight != 0) font.lfWeight = change.weight;

    LOGFONTW fallback = font;
    if (change.faceName) putFace(font, wide(*change.faceName), change.faceName->size());
    if (HFONT made = CreateFontIndirectW(&font)) return UniqueFont(made);
    return UniqueFont(CreateFontIndirectW(&fallback));
}

}  // namespace quillory
