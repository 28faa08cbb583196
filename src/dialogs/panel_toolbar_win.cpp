#include "dialogs/panel_toolbar_win.h"

#include <algorithm>

#include "base/wide_win.h"
#include "resource.h"

namespace quillory {

namespace {

constexpr int kImageWidth = 24;
constexpr DWORD kToolbarStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | TBSTYLE_TRANSPARENT | TBSTYLE_FLAT |
                                TBSTYLE_WRAPABLE | TBSTYLE_TOOLTIPS | CCS_NODIVIDER | CCS_NOPARENTALIGN | CCS_NORESIZE;

void pressOnly(std::span<TBBUTTON> buttons, int checkedIndex) {
    if (checkedIndex < 0 || static_cast<std::size_t>(checkedIndex) >= buttons.size()) return;
    for (TBBUTTON& button : buttons) button.fsState &= ~TBSTATE_CHECKED;
    buttons[static_cast<std::size_t>(checkedIndex)].fsState |= TBSTATE_CHECKED;
}

void setTexts(HWND toolbar, std::span<const TBBUTTON> buttons, std::span<const Text> texts) {
    for (const TBBUTTON& button : buttons) {
        const auto index = static_cast<std::size_t>(button.iString);
        if (button.iString < 0 || index >= texts.size()) continue;
        Text text = texts[index];
        TBBUTTONINFOW info{};
        info.cbSize = sizeof(info);
        info.dwMask = TBIF_TEXT;
        info.pszText = wide(text);
        SendMessageW(toolbar, TB_SETBUTTONINFOW, static_cast<WPARAM>(button.idCommand), reinterpret_cast<LPARAM>(&info));
    }
}

// The size applies to the whole toolbar; a toolbar of separators only keeps the control's own.
// The width is both the least and the most a button takes: a narrower limit cuts the labels.
void setButtonSizes(HWND toolbar, std::span<const TBBUTTON> buttons, Size size) {
    const bool hasImages = std::any_of(buttons.begin(), buttons.end(), [](const TBBUTTON& b) { return b.iBitmap >= 0; });
    if (!hasImages) return;
    SendMessageW(toolbar, TB_SETBUTTONSIZE, 0, MAKELPARAM(size.dx, size.dy));
    SendMessageW(toolbar, TB_SETBUTTONWIDTH, 0, MAKELPARAM(size.dx, size.dx));
}

}  // namespace

HWND createPanelToolbar(HWND parent, const PanelToolbarRequest& request) {
    pressOnly(request.buttons, request.checkedIndex);
    const int count = static_cast<int>(request.buttons.size());
    HWND toolbar = CreateToolbarEx(parent, kToolbarStyle, IDC_PANEL_TOOLBAR, count, GetModuleHandleW(nullptr),
                                   static_cast<UINT_PTR>(request.bitmapId), request.buttons.data(), count, 0, 0,
                                   kImageWidth, request.imageHeight, sizeof(TBBUTTON));
    if (toolbar == nullptr) return nullptr;
    if (!request.texts.empty()) setTexts(toolbar, request.buttons, request.texts);
    setButtonSizes(toolbar, request.buttons, request.button);
    if (request.place.dx != 0 && request.place.dy != 0) {
        MoveWindow(toolbar, request.place.x, request.place.y, request.place.dx, request.place.dy, TRUE);
    }
    return toolbar;
}

}  // namespace quillory
