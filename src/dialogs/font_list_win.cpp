#include "dialogs/font_list_win.h"

#include "base/wide_win.h"
#include "base/gdi_handles_win.h"

namespace quillory {

namespace {

// Japanese, OEM and Western faces; a face reported for several of these sets is listed once.
constexpr BYTE kCharSets[] = {SHIFTJIS_CHARSET, OEM_CHARSET, ANSI_CHARSET};

int CALLBACK addFace(const LOGFONTW* font, const TEXTMETRICW*, DWORD fontType, LPARAM combo) {
    const wchar_t* face = font->lfFaceName;
    if ((fontType & TRUETYPE_FONTTYPE) == 0 || face[0] == L'@' || face[0] == L'\0') return 1;
    const auto box = reinterpret_cast<HWND>(combo);
    if (SendMessageW(box, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(face)) == CB_ERR) {
        SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(face));
    }
    return 1;
}

bool selectExact(HWND combo, const wchar_t* name) {
    const LRESULT index = SendMessageW(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(name));
    if (index == CB_ERR) return false;
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    return true;
}

}  // namespace

void fillFontList(HWND dialog, int comboId, const Text& wantedName) {
    HWND combo = GetDlgItem(dialog, comboId);
    if (combo == nullptr) return;
    {
        WindowDc screen(nullptr);
        for (BYTE charSet : kCharSets) {
            LOGFONTW query{};
            query.lfCharSet = charSet;
            EnumFontFamiliesExW(screen.get(), &query, addFace, reinterpret_cast<LPARAM>(combo), 0);
        }
    }
    if (wantedName.empty()) {
        if (!selectExact(combo, L"ＭＳ Ｐゴシック")) SendMessageW(combo, CB_SETCURSEL, 0, 0);
        return;
    }
    // A saved face the system knows only by another name (a substitute) or not at all stays the
    // saved one: listing another would put that one in its place at the next store.
    if (selectExact(combo, wide(wantedName))) return;
    const LRESULT added = SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(wantedName)));
    if (added >= 0) SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(added), 0);
}

}  // namespace quillory
