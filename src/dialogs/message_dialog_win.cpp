#include "dialogs/message_dialog_win.h"

#include "base/dialog_font_win.h"
#include "base/wide_win.h"
#include "base/window_state_win.h"
#include "base/big_icon_win.h"
#include "dialogs/message_layout.h"
#include "base/win_geometry_win.h"
#include "resource.h"

namespace quillory {

namespace {

// MB_DEFBUTTON2 in the kind makes いいえ the button that Enter presses.
constexpr std::uint32_t kSecondButtonDefault = 0x100;
constexpr int kNormalWeight = 400;

struct MessageDialogState {
    const MessageRequest& request;
    const DialogHost& host;
    UniqueFont font;
    DialogIcons icons;
};

Size measureText(HWND dialog, HFONT font, const Text& text) {
    WindowDc dc(dialog);
    SelectedObject selected(dc.get(), font);
    RECT extent{};
    DrawTextW(dc.get(), wide(text), -1, &extent, DT_CALCRECT | DT_LEFT | DT_NOPREFIX | DT_EXPANDTABS);
    return {extent.right - extent.left, extent.bottom - extent.top};
}

Rect ownerRect(HWND owner) {
    if (owner != nullptr) return windowRect(owner);
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    return fromRECT(work);
}

void giveFont(HWND dialog, HFONT font) {
    for (int id : {IDC_MESSAGE_TEXT, IDOK, IDCANCEL, IDYES, IDNO}) {
        SendDlgItemMessageW(dialog, id, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
}

void placeButtons(HWND dialog, const MessageLayout& layout, bool yesNo) {
    const int first = yesNo ? IDYES : IDOK;
    const int second = yesNo ? IDNO : IDCANCEL;
    ShowWindow(GetDlgItem(dialog, yesNo ? IDOK : IDYES), SW_HIDE);
    ShowWindow(GetDlgItem(dialog, yesNo ? IDCANCEL : IDNO), SW_HIDE);
    moveWindow(GetDlgItem(dialog, first), layout.firstButton, FALSE);
    moveWindow(GetDlgItem(dialog, second), layout.secondButton, FALSE);
    ShowWindow(GetDlgItem(dialog, first), SW_SHOW);
    ShowWindow(GetDlgItem(dialog, second), SW_SHOW);
}

int defaultButton(const MessageRequest& request) {
    if (!request.asksYesNo()) return IDOK;
    return (request.kind & kSecondButtonDefault) != 0 ? IDNO : IDYES;
}

INT_PTR onInitDialog(HWND dialog, MessageDialogState& state) {
    SetWindowTextW(dialog, wide(state.request.title));
    SetDlgItemTextW(dialog, IDC_MESSAGE_TEXT, wide(state.request.text));

    FontChange normal;
    normal.weight = kNormalWeight;
    state.font = createDialogFont(dialog, normal);
    if (state.font) giveFont(dialog, state.font.get());
    const auto measuringFont =
        state.font ? state.font.get() : reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0));
    state.icons = setDialogIcons(dialog, state.host.dpiX, state.host.dpiY);

    MessageLayoutInput input;
    input.textArea = childRect(dialog, GetDlgItem(dialog, IDC_MESSAGE_TEXT));
    input.measuredText = measureText(dialog, measuringFont, state.request.text);
    input.buttonArea = childRect(dialog, GetDlgItem(dialog, IDYES));
    input.dialog = windowRect(dialog);
    input.owner = ownerRect(GetWindow(dialog, GW_OWNER));
    const MessageLayout layout = layoutMessageDialog(input);

    moveWindow(GetDlgItem(dialog, IDC_MESSAGE_TEXT), layout.textArea, FALSE);
    placeButtons(dialog, layout, state.request.asksYesNo());
    SetWindowPos(dialog, nullptr, layout.dialog.x, layout.dialog.y, layout.dialog.dx, layout.dialog.dy,
                 SWP_NOZORDER | SWP_NOACTIVATE);

    const int focus = defaultButton(state.request);
    SendMessageW(dialog, DM_SETDEFID, static_cast<WPARAM>(focus), 0);
    SetFocus(GetDlgItem(dialog, focus));
    return FALSE;  // the focus is set
}

INT_PTR onCommand(HWND dialog, int id) {
    switch (id) {
        case IDOK:
        case IDCANCEL:
        case IDYES:
        case IDNO: EndDialog(dialog, id); return TRUE;
        default: return FALSE;
    }
}

INT_PTR messageDialogProc(HWND dialog, MessageDialogState& state, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG: return onInitDialog(dialog, state);
        case WM_COMMAND: return onCommand(dialog, LOWORD(wParam));
        default: return FALSE;
    }
}

}  // namespace

int showMessageDialog(HWND owner, const MessageRequest& request, const DialogHost& host) {
    const INT_PTR result = showDialogWithState<messageDialogProc>(GetModuleHandleW(nullptr), IDD_MESSAGE, owner,
                                                                   std::make_unique<MessageDialogState>(request, host));
    // A dialog that could not be made answers like Esc.
    return result == IDOK || result == IDYES || result == IDNO ? static_cast<int>(result) : IDCANCEL;
}

}  // namespace quillory
