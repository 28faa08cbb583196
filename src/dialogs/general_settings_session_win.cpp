#include "dialogs/general_settings_session_win.h"

#include "base/wide_win.h"

namespace quillory {

void applyOpacity(HWND stand, const AlbumSettings& settings) {
    if (stand == nullptr) return;
    SetLayeredWindowAttributes(stand, 0, static_cast<BYTE>(settings.LayerWindowLevel & 0xFF), LWA_ALPHA);
}

void applyTranslucency(HWND stand, const AlbumSettings& settings) {
    if (stand == nullptr) return;
    const bool translucent = (settings.TabStyle & TabTranslucent) != 0;
    const LONG_PTR style = GetWindowLongPtrW(stand, GWL_EXSTYLE);
    SetWindowLongPtrW(stand, GWL_EXSTYLE, translucent ? style | WS_EX_LAYERED : style & ~static_cast<LONG_PTR>(WS_EX_LAYERED));
    if (translucent) applyOpacity(stand, settings);
}

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
