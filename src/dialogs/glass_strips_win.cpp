#include "dialogs/glass_strips_win.h"

#include <dwmapi.h>

#include <optional>

#include "base/gdi_handles_win.h"
#include "base/background_brush_win.h"
#include "resource.h"

namespace quillory {

namespace {

constexpr int kStripHeight = 11;
constexpr UINT_PTR kLookTimer = 0x6C61;  // apart from the dialogs' own timers
constexpr UINT kLookMilliseconds = 50;
constexpr int kMostLooks = 40;           // then the glass counts as not shown

bool compositionReported(const DialogHost& host) {
    return host.vistaOrLater() && host.compositionEnabled != nullptr && host.compositionEnabled();
}

void extendOverStrips(HWND dialog, int height) {
    const MARGINS margins{0, 0, height, height};
    DwmExtendFrameIntoClientArea(dialog, &margins);
}

bool isStrip(HWND control) {
    const int id = GetDlgCtrlID(control);
    return id == IDC_TOP_STRIP || id == IDC_BOTTOM_STRIP;
}

enum class Sight { NotYet, AsPainted, Altered };

// What the screen shows at a point of the dialog, beside what the dialog painted there; nothing
// when another window covers the point.
struct Pixel {
    COLORREF painted = CLR_INVALID;
    COLORREF shown = CLR_INVALID;
};

std::optional<Pixel> pixelAt(HWND dialog, HDC own, HDC screen, POINT client) {
    POINT onScreen = client;
    ClientToScreen(dialog, &onScreen);
    if (GetAncestor(WindowFromPoint(onScreen), GA_ROOT) != dialog) return std::nullopt;
    return Pixel{GetPixel(own, client.x, client.y), GetPixel(screen, onScreen.x, onScreen.y)};
}

// The strips are painted with the background while the frame is extended over them. Composition
// blends whatever lies behind into them; a system that composites nothing shows them as painted.
// The screen counts only once it shows the dialog's body as painted (it may still show what lay
// there before the dialog).
Sight lookAtStrip(HWND dialog) {
    RECT client{};
    GetClientRect(dialog, &client);
    WindowDc own(dialog);
    WindowDc screen(nullptr);
    const std::optional<Pixel> body = pixelAt(dialog, own.get(), screen.get(), {client.right / 2, kStripHeight + 2});
    const std::optional<Pixel> strip = pixelAt(dialog, own.get(), screen.get(), {client.right / 2, kStripHeight / 2});
    if (!body || !strip || body->painted == CLR_INVALID || body->shown != body->painted) return Sight::NotYet;
    return strip->shown == strip->painted ? Sight::AsPainted : Sight::Altered;
}

void repaintStrips(HWND dialog) {
    for (int id : {IDC_TOP_STRIP, IDC_BOTTOM_STRIP}) InvalidateRect(GetDlgItem(dialog, id), nullptr, TRUE);
}

}  // namespace

bool dwmCompositionEnabled() {
    BOOL enabled = FALSE;
    return SUCCEEDED(DwmIsCompositionEnabled(&enabled)) && enabled;
}

void layoutStrips(HWND dialog) {
    RECT client{};
    GetClientRect(dialog, &client);
    const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    SetWindowPos(GetDlgItem(dialog, IDC_TOP_STRIP), nullptr, 0, 0, client.right, kStripHeight, flags);
    SetWindowPos(GetDlgItem(dialog, IDC_BOTTOM_STRIP), nullptr, 0, client.bottom - kStripHeight, client.right,
                 kStripHeight, flags);
}

void GlassStrips::open(HWND dialog, const DialogHost& host) {
    layoutStrips(dialog);
    onCompositionChanged(dialog, host);
}

void GlassStrips::onCompositionChanged(HWND dialog, const DialogHost& host) {
    if (!compositionReported(host)) {
        settle(dialog, Glass::None);
        return;
    }
    extendOverStrips(dialog, kStripHeight);
    glass_ = Glass::Looking;
    looks_ = 0;
    repaintStrips(dialog);
    SetTimer(dialog, kLookTimer, kLookMilliseconds, nullptr);
}

bool GlassStrips::onTimer(HWND dialog, UINT_PTR timer) {
    if (timer != kLookTimer) return false;
    if (glass_ != Glass::Looking) {
        KillTimer(dialog, kLookTimer);
        return true;
    }
    const Sight sight = lookAtStrip(dialog);
    if (sight == Sight::NotYet && ++looks_ < kMostLooks) return true;
    settle(dialog, sight == Sight::Altered ? Glass::Shown : Glass::None);
    return true;
}

void GlassStrips::settle(HWND dialog, Glass glass) {
    KillTimer(dialog, kLookTimer);
    if (glass != Glass::Shown && glass_ != Glass::None) extendOverStrips(dialog, 0);
    glass_ = glass;
    repaintStrips(dialog);
}

HBRUSH GlassStrips::brush(const DialogHost& host, HWND dialog, HWND control, HDC dc) const {
    if (glass_ == Glass::Shown && isStrip(control)) return static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    return backgroundForControl(host.background, host.backgroundSize, dialog, control, dc);
}

}  // namespace quillory
