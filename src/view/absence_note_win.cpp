#include "view/absence_note_win.h"

#include "base/gdi_handles_win.h"
#include "base/wide_win.h"

namespace quillory {

namespace {

constexpr int kPlateMargin = 8;
constexpr COLORREF kPlate = RGB(32, 32, 32);
constexpr COLORREF kNoteText = RGB(240, 240, 240);

}  // namespace

void drawAbsenceNote(HWND window, HDC dc, const Text& note) {
    RECT client{};
    GetClientRect(window, &client);
    // The surfaces have no font of their own: the view's dialog font, which shows Japanese.
    const HFONT font = reinterpret_cast<HFONT>(SendMessageW(GetParent(window), WM_GETFONT, 0, 0));
    SelectedObject selected(dc, font);
    RECT text{0, 0, client.right, 0};
    DrawTextW(dc, wide(note), static_cast<int>(note.size()), &text, DT_CALCRECT | DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
    const int width = text.right - text.left;
    const int height = text.bottom - text.top;
    RECT plate{(client.right - width) / 2 - kPlateMargin, (client.bottom - height) / 2 - kPlateMargin,
               (client.right + width) / 2 + kPlateMargin, (client.bottom + height) / 2 + kPlateMargin};
    UniqueBrush brush(CreateSolidBrush(kPlate));
    FillRect(dc, &plate, brush.get());
    InflateRect(&plate, -kPlateMargin, -kPlateMargin);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kNoteText);
    DrawTextW(dc, wide(note), static_cast<int>(note.size()), &plate, DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
}

}  // namespace quillory
