#include "base/tooltips_win.h"

#include <commctrl.h>

#include "base/wide_win.h"

namespace quillory {

namespace {

// Wide enough for the longest tip; a width also lets "\n" break a tip into lines.
constexpr LPARAM kMaxTipWidth = 480;

}  // namespace

UniqueWindow addToolTips(HWND parent, std::span<const ToolTipPair> pairs) {
    UniqueWindow tips(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP, CW_USEDEFAULT, CW_USEDEFAULT,
                                     CW_USEDEFAULT, CW_USEDEFAULT, parent, nullptr, GetModuleHandleW(nullptr), nullptr));
    if (!tips) return tips;
    SendMessageW(tips.get(), TTM_ACTIVATE, TRUE, 0);
    SendMessageW(tips.get(), TTM_SETMAXTIPWIDTH, 0, kMaxTipWidth);
    for (const ToolTipPair& pair : pairs) {
        HWND control = GetDlgItem(parent, pair.controlId);
        if (control == nullptr) continue;
        Text copy = pair.text;  // the control copies the text when the tool is added
        TTTOOLINFOW tool{};
        tool.cbSize = TTTOOLINFOW_V2_SIZE;  // understood by every common-controls version
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = parent;
        tool.uId = reinterpret_cast<UINT_PTR>(control);
        tool.lpszText = wide(copy);
        SendMessageW(tips.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    return tips;
}

}  // namespace quillory
