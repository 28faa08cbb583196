#include "dialogs/general_settings_session_win.h"

#include "base/wide_win.h"

namespace quillory {

void fillList(HWND panel, int id, std::span<const TextView> entries, unsigned selected) {
    for (TextView entry : entries) {
        const Text text(entry);
        SendDlgItemMessageW(panel, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(text)));
    }
    SendDlgItemMessageW(panel, id, CB_SETCURSEL, selected < entries.size() ? selected : static_cast<WPARAM>(-1), 0);
}

std::optional<unsigned> selectedEntry(HWND panel, int id) {
    const LRESULT selected = SendDlgItemMessageW(panel, id, CB_GETCURSEL, 0, 0);
    if (selected < 0) return std::nullopt;
    return static_cast<unsigned>(selected);
}

}  // namespace quillory
