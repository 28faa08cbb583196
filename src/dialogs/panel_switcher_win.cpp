#include "dialogs/panel_switcher_win.h"

#include <utility>

#include "base/dialog_font_win.h"
#include "base/wide_win.h"
#include "base/window_slide_win.h"
#include "dialogs/panel_toolbar_win.h"

namespace quillory {

namespace {

constexpr int kTipWidth = 480;

std::vector<TBBUTTON> buttonTable(std::span<const PanelButton> buttons) {
    std::vector<TBBUTTON> table;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        TBBUTTON button{};
        button.iBitmap = buttons[i].image;
        button.idCommand = buttons[i].command;
        button.fsState = TBSTATE_ENABLED;
        button.fsStyle = BTNS_CHECKGROUP | BTNS_SHOWTEXT;
        button.iString = static_cast<INT_PTR>(i);
        table.push_back(button);
    }
    return table;
}

Rect scaled(const DialogHost& host, const Rect& r) {
    return {host.scaledX(r.x), host.scaledY(r.y), host.scaledX(r.dx), host.scaledY(r.dy)};
}

// Balloons whose "\n" breaks lines, without the square border.
void styleTips(HWND toolbar, const PanelToolbarLayout& layout) {
    HWND tips = reinterpret_cast<HWND>(SendMessageW(toolbar, TB_GETTOOLTIPS, 0, 0));
    if (tips == nullptr) return;
    if (layout.tipMargins) SendMessageW(tips, TTM_SETMARGIN, 0, reinterpret_cast<LPARAM>(&*layout.tipMargins));
    SendMessageW(tips, TTM_SETMAXTIPWIDTH, 0, kTipWidth);
    const LONG_PTR style = GetWindowLongPtrW(tips, GWL_STYLE);
    SetWindowLongPtrW(tips, GWL_STYLE, (style | TTS_BALLOON) & ~static_cast<LONG_PTR>(WS_BORDER));
}

}  // namespace

PanelSwitcher::PanelSwitcher(std::span<const PanelButton> buttons, int& shownIndex, PanelFactory create)
    : buttons_(buttons), shownIndex_(shownIndex), create_(std::move(create)), table_(buttonTable(buttons)) {
    for (const PanelButton& button : buttons) {
        texts_.emplace_back(button.text);
        tooltips_.emplace_back(button.tooltip);
    }
    if (shownIndex_ < 0 || shownIndex_ >= static_cast<int>(buttons.size())) shownIndex_ = 0;
}

void PanelSwitcher::open(HWND frame, const DialogHost& host, const PanelToolbarLayout& layout) {
    frame_ = frame;
    PanelToolbarRequest request;
    request.buttons = table_;
    request.texts = texts_;
    request.bitmapId = layout.bitmapId;
    request.place = scaled(host, layout.place);
    request.button = {host.scaledX(layout.button.dx), host.scaledY(layout.button.dy)};
    request.checkedIndex = shownIndex_;
    request.imageHeight = layout.imageHeight;
    toolbar_ = createPanelToolbar(frame, request);
    if (toolbar_ != nullptr) {
        font_ = createDialogFont(frame, FontChange{});
        if (font_) SendMessageW(toolbar_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
        styleTips(toolbar_, layout);
    }
    showPanel(shownIndex_);
}

void PanelSwitcher::showPanel(int index) {
    shownIndex_ = index;
    // A command that did not come from a click (the keyboard, another window) presses the button too.
    SendMessageW(toolbar_, TB_CHECKBUTTON, static_cast<WPARAM>(buttons_[static_cast<std::size_t>(index)].command), TRUE);
    panel_ = create_(frame_, index);
    if (panel_ != nullptr) InvalidateRect(panel_, nullptr, TRUE);
}

// The panel that held the focus has gone with it; without a new one the dialog hears no key until
// the mouse is used. The new panel's first control takes it, else the toolbar.
void PanelSwitcher::focusPanel() {
    HWND first = panel_ != nullptr ? GetNextDlgTabItem(panel_, nullptr, FALSE) : nullptr;
    if (first == nullptr || !IsChild(panel_, first)) first = toolbar_;
    if (first != nullptr) SendMessageW(frame_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(first), TRUE);
}

bool PanelSwitcher::onCommand(int command, bool slide) {
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        if (buttons_[i].command != command) continue;
        const int index = static_cast<int>(i);
        if (index == shownIndex_ && panel_ != nullptr) return true;
        if (slide && panel_ != nullptr) AnimateWindow(panel_, kSlideMilliseconds, AW_SLIDE | AW_HIDE | AW_VER_NEGATIVE);
        closePanel();
        showPanel(index);
        focusPanel();
        return true;
    }
    return false;
}

void PanelSwitcher::showFrame(const DialogHost& host) {
    if (!host.animatesFrames()) return;
    AnimateWindow(frame_, kSlideMilliseconds, AW_SLIDE | AW_ACTIVATE | AW_VER_POSITIVE);
    if (panel_ != nullptr) InvalidateRect(panel_, nullptr, TRUE);
    InvalidateRect(frame_, nullptr, TRUE);
}

void PanelSwitcher::hideFrame(const DialogHost& host) {
    if (host.animatesFrames()) AnimateWindow(frame_, kSlideMilliseconds, AW_SLIDE | AW_HIDE | AW_VER_NEGATIVE);
}

INT_PTR PanelSwitcher::onNotify(NMHDR& notice) {
    if (notice.code != TTN_GETDISPINFOW) return FALSE;
    auto& info = reinterpret_cast<NMTTDISPINFOW&>(notice);
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        if (static_cast<UINT_PTR>(buttons_[i].command) != notice.idFrom) continue;
        info.lpszText = const_cast<wchar_t*>(wide(tooltips_[i]));
        info.hinst = nullptr;
        SetWindowLongPtrW(frame_, DWLP_MSGRESULT, 0);
        return TRUE;
    }
    return FALSE;
}

void PanelSwitcher::closePanel() {
    if (panel_ == nullptr) return;
    DestroyWindow(std::exchange(panel_, nullptr));
}

}  // namespace quillory
