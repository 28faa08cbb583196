// The colour panel: the overlay's four colours as RGB or HSB on three bars, their swatches, the
// text's opacity and the screen colour picker.
#include <windows.h>
#include <commctrl.h>
#include <uxtheme.h>

#include <array>
#include <memory>
#include <optional>

#include "base/dialog_font_win.h"
#include "base/wide_win.h"
#include "base/window_state_win.h"
#include "dialogs/colour_model.h"
#include "dialogs/colour_picker_win.h"
#include "dialogs/page_settings_panels_win.h"
#include "dialogs/settings_ranges.h"
#include "resource.h"

namespace quillory {

namespace {

using UniqueBrush = UniqueHandle<HBRUSH, deleteGdiObject>;

constexpr int kBoldWeight = 700;
constexpr int kThemelessSwatches = 510;  // OsVersionCode from which swatches drop their theme
constexpr int kSwatchFull = 100;
constexpr std::size_t kPickCaptionCapacity = 29;
constexpr wchar_t kPickingCaption[] = L"●左クリックで取り込み...。(右クリックで中断)";

struct ColourPanelState {
    explicit ColourPanelState(PageSettingsSession& owner) : session(owner) {}
    PageSettingsSession& session;
    ColourPanelModel model;
    UniqueFont labelFont;
    std::array<std::array<UniqueBrush, kColourBarCount>, 2> barBrushes;  // by mode, by bar
    std::unique_ptr<ScreenPickerHook> picker;
    ColourSlot pickerBackup;
    std::array<wchar_t, kPickCaptionCapacity + 1> pickCaption{};
    HCURSOR hand = nullptr;  // shared, never freed
};

HWND bar(HWND panel, int k) { return GetDlgItem(panel, IDC_COLOUR_BAR_FIRST + k); }
HWND swatch(HWND panel, std::size_t slot) { return GetDlgItem(panel, IDC_COLOUR_SWATCH_FIRST + static_cast<int>(slot)); }

void showSlot(HWND panel, const ColourPanelModel& model) {
    const ColourModeLook& look = colourModeLook(model.mode);
    for (int k = 0; k < kColourBarCount; ++k) {
        const Text label(look.labels[static_cast<std::size_t>(k)]);
        SetDlgItemTextW(panel, IDC_COLOUR_LABEL_FIRST + k, wide(label));
        SetScrollRange(bar(panel, k), SB_CTL, 0, colourBarScale(model.mode, k).maximum, FALSE);
        SetScrollPos(bar(panel, k), SB_CTL, barPosition(model, k), TRUE);
    }
    SetDlgItemTextW(panel, IDC_COLOUR_VALUES, wide(colourValueText(model)));
}

// Every accepted change reaches the working Page and the swatches at once.
void writeColours(HWND panel, ColourPanelState& state) {
    storeColours(state.model, state.session.workingPage());
    for (std::size_t slot = 0; slot < kColourSlotCount; ++slot) {
        SendMessageW(swatch(panel, slot), PBM_SETBARCOLOR, 0, colourOfSlot(state.model.slots[slot]));
    }
}

void enableBars(HWND panel, const PageSettingsSession& session) {
    for (int k = 0; k < kColourBarCount; ++k) {
        enableControl(panel, IDC_COLOUR_LABEL_FIRST + k, !session.locked());
        enableControl(panel, IDC_COLOUR_BAR_FIRST + k, !session.locked());
    }
}

std::uint8_t opacityShown(HWND panel) {
    return static_cast<std::uint8_t>(SendDlgItemMessageW(panel, IDC_COLOUR_ALPHA_ARROWS, UDM_GETPOS32, 0, 0) & 0xFF);
}

void setUpSwatches(HWND panel, const ColourPanelState& state) {
    for (std::size_t slot = 0; slot < kColourSlotCount; ++slot) {
        HWND bar = swatch(panel, slot);
        if (state.session.host.osVersionCode >= kThemelessSwatches) SetWindowTheme(bar, L" ", L" ");
        SendMessageW(bar, PBM_SETRANGE32, 0, kSwatchFull);
        SendMessageW(bar, PBM_SETSTEP, 1, 0);
        SendMessageW(bar, PBM_SETPOS, kSwatchFull, 0);
        SendMessageW(bar, PBM_SETBARCOLOR, 0, colourOfSlot(state.model.slots[slot]));
        SendMessageW(bar, PBM_SETBKCOLOR, 0, RGB(0, 0, 0));
    }
}

void makeLabelFontAndBrushes(HWND panel, ColourPanelState& state) {
    FontChange bold;
    bold.weight = kBoldWeight;
    state.labelFont = createDialogFont(panel, bold);
    for (int k = 0; k < kColourBarCount; ++k) {
        SendDlgItemMessageW(panel, IDC_COLOUR_LABEL_FIRST + k, WM_SETFONT, reinterpret_cast<WPARAM>(state.labelFont.get()), FALSE);
    }
    for (ColourMode mode : {ColourMode::Rgb, ColourMode::Hsb}) {
        const ColourModeLook& look = colourModeLook(mode);
        for (std::size_t k = 0; k < kColourBarCount; ++k) {
            state.barBrushes[static_cast<std::size_t>(mode)][k].reset(CreateSolidBrush(look.barColours[k]));
        }
    }
}

INT_PTR onInitDialog(HWND panel, ColourPanelState& state) {
    PageSettingsSession& session = state.session;
    state.model = loadColourPanel(session.workingPage());
    setUpDown(panel, IDC_COLOUR_ALPHA_ARROWS, IDC_COLOUR_ALPHA, kFontAlphaRange, session.workingPage().FontAlpha);
    setChecked(panel, IDC_COLOUR_SLOT_FIRST + static_cast<int>(state.model.slotIndex), true);
    showSlot(panel, state.model);
    setChecked(panel, IDC_COLOUR_RGB + static_cast<int>(state.model.mode), true);
    makeLabelFontAndBrushes(panel, state);
    if (session.locked()) {
        for (int id : {IDC_COLOUR_ALPHA_ARROWS, IDC_COLOUR_ALPHA, IDC_COLOUR_PICK}) enableControl(panel, id, false);
        enableBars(panel, session);
    }
    setUpSwatches(panel, state);
    state.hand = static_cast<HCURSOR>(
        LoadImageW(GetModuleHandleW(nullptr), L"handcur", IMAGE_CURSOR, 0, 0, LR_SHARED | LR_DEFAULTSIZE));
    slideInPanel(panel, session.host);
    return TRUE;
}

void onSlotChosen(HWND panel, ColourPanelState& state, unsigned slot) {
    selectSlot(state.model, slot);
    showSlot(panel, state.model);
    enableBars(panel, state.session);
}

void onModeChosen(HWND panel, ColourPanelState& state, ColourMode mode) {
    state.model.mode = mode;
    showSlot(panel, state.model);
    for (int k = 0; k < kColourBarCount; ++k) InvalidateRect(bar(panel, k), nullptr, TRUE);
    enableBars(panel, state.session);
}

void onBarScrolled(HWND panel, ColourPanelState& state, int k, WPARAM request) {
    const BarScale scale = colourBarScale(state.model.mode, k);
    const std::optional<int> position = scrolledPosition(static_cast<ScrollRequest>(LOWORD(request)),
                                                         GetScrollPos(bar(panel, k), SB_CTL), HIWORD(request), scale);
    if (!position) return;
    SetScrollPos(bar(panel, k), SB_CTL, *position, TRUE);
    setBarPosition(state.model, k, *position);
    writeColours(panel, state);
    SetDlgItemTextW(panel, IDC_COLOUR_VALUES, wide(colourValueText(state.model)));
    PostMessageW(state.session.frame, WM_COMMAND, IDM_SAMPLE_REFRESH, 0);
}

// A disabled button loses the focus, and a dialog without one hears no Esc or Enter: the focus
// moves to the edited slot's button, which stays usable while picking.
void moveFocusOffPickButton(HWND panel, const ColourPanelState& state) {
    if (GetFocus() != GetDlgItem(panel, IDC_COLOUR_PICK)) return;
    HWND slot = GetDlgItem(panel, IDC_COLOUR_SLOT_FIRST + static_cast<int>(state.model.slotIndex));
    SendMessageW(state.session.frame, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(slot), TRUE);
}

void startPicker(HWND panel, ColourPanelState& state) {
    state.picker = ScreenPickerHook::install(panel);
    if (!state.picker) return;
    if (state.hand != nullptr) SetCursor(state.hand);
    GetDlgItemTextW(panel, IDC_COLOUR_PICK, state.pickCaption.data(), static_cast<int>(state.pickCaption.size()));
    SetDlgItemTextW(panel, IDC_COLOUR_PICK, kPickingCaption);
    moveFocusOffPickButton(panel, state);
    enableControl(panel, IDC_COLOUR_PICK, false);
    state.pickerBackup = state.model.edited();
}

void stopPicker(HWND panel, ColourPanelState& state) {
    state.picker.reset();
    enableControl(panel, IDC_COLOUR_PICK, true);
    SetDlgItemTextW(panel, IDC_COLOUR_PICK, state.pickCaption.data());
}

// The pixel under a point of the panel's client area (off the screen: white).
void takePixel(HWND panel, ColourPanelState& state, LPARAM at) {
    if (state.hand != nullptr) SetCursor(state.hand);
    POINT point{static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
    ClientToScreen(panel, &point);
    const COLORREF pixel = GetPixel(WindowDc(nullptr).get(), point.x, point.y);
    takePickedColour(state.model, pixel);
    showSlot(panel, state.model);
    writeColours(panel, state);
}

INT_PTR onPickerMouse(HWND panel, ColourPanelState& state, UINT message, LPARAM at) {
    if (!state.picker) return FALSE;
    switch (message) {
        case WM_MOUSEMOVE: takePixel(panel, state, at); break;
        case WM_LBUTTONDOWN:
            stopPicker(panel, state);
            takePixel(panel, state, at);
            refreshSample(state.session);
            break;
        default:  // a right or middle button released: the pick is cancelled
            stopPicker(panel, state);
            state.model.edited() = state.pickerBackup;
            showSlot(panel, state.model);
            writeColours(panel, state);
            break;
    }
    return TRUE;
}

INT_PTR onCommand(HWND panel, ColourPanelState& state, int id) {
    if (id >= IDC_COLOUR_SLOT_FIRST && id < IDC_COLOUR_SLOT_FIRST + static_cast<int>(kColourSlotCount)) {
        onSlotChosen(panel, state, static_cast<unsigned>(id - IDC_COLOUR_SLOT_FIRST));
        return TRUE;
    }
    switch (id) {
        case IDC_COLOUR_RGB: onModeChosen(panel, state, ColourMode::Rgb); return TRUE;
        case IDC_COLOUR_HSB: onModeChosen(panel, state, ColourMode::Hsb); return TRUE;
        case IDC_COLOUR_PICK: startPicker(panel, state); return TRUE;
        case IDC_SET_AS_DEFAULT: setAsDefault(panel, state.session, DefaultPanel::Colour); return TRUE;
        default: return FALSE;
    }
}

INT_PTR onScroll(HWND panel, ColourPanelState& state, UINT message, WPARAM request, HWND control) {
    const int id = GetDlgCtrlID(control);
    if (message == WM_HSCROLL && id >= IDC_COLOUR_BAR_FIRST && id < IDC_COLOUR_BAR_FIRST + kColourBarCount) {
        onBarScrolled(panel, state, id - IDC_COLOUR_BAR_FIRST, request);
    } else if (message == WM_VSCROLL && id == IDC_COLOUR_ALPHA_ARROWS) {
        selectAllText(panel, IDC_COLOUR_ALPHA);
        state.session.workingPage().FontAlpha = opacityShown(panel);
    }
    return TRUE;
}

// A bar shows the colour it sets; any other scroll bar keeps the system's colours.
INT_PTR barBrush(const ColourPanelState& state, HWND control) {
    const int id = GetDlgCtrlID(control);
    if (id < IDC_COLOUR_BAR_FIRST || id >= IDC_COLOUR_BAR_FIRST + kColourBarCount) return FALSE;
    const auto mode = static_cast<std::size_t>(state.model.mode);
    return reinterpret_cast<INT_PTR>(state.barBrushes[mode][static_cast<std::size_t>(id - IDC_COLOUR_BAR_FIRST)].get());
}

void colourLabel(const ColourPanelState& state, HDC dc, HWND control) {
    const int id = GetDlgCtrlID(control);
    if (id < IDC_COLOUR_LABEL_FIRST || id >= IDC_COLOUR_LABEL_FIRST + kColourBarCount) return;
    SetTextColor(dc, colourModeLook(state.model.mode).labelColours[static_cast<std::size_t>(id - IDC_COLOUR_LABEL_FIRST)]);
}

// Each bar and its label in the bar's own colour, the rest on the shared background.
std::optional<INT_PTR> onControlColour(const ColourPanelState& state, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto control = reinterpret_cast<HWND>(lParam);
    if (message == WM_CTLCOLORSCROLLBAR) return barBrush(state, control);
    if (message == WM_CTLCOLORSTATIC) colourLabel(state, reinterpret_cast<HDC>(wParam), control);
    return panelControlColour(state.session, PanelEdits::SharedBackground, message, wParam, lParam);
}

void onDestroy(HWND panel, ColourPanelState& state) {
    state.picker.reset();
    PageSettings& page = state.session.workingPage();
    page.FontAlpha = opacityShown(panel);
    storeColourPanel(state.model, page);
}

INT_PTR colourPanelProc(HWND panel, ColourPanelState& state, UINT message, WPARAM wParam, LPARAM lParam) {
    if (const auto brush = onControlColour(state, message, wParam, lParam)) return *brush;
    switch (message) {
        case WM_INITDIALOG: return onInitDialog(panel, state);
        case WM_COMMAND: return onCommand(panel, state, LOWORD(wParam));
        case WM_HSCROLL:
        case WM_VSCROLL: return onScroll(panel, state, message, wParam, reinterpret_cast<HWND>(lParam));
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP: return onPickerMouse(panel, state, message, lParam);
        case WM_DESTROY: onDestroy(panel, state); return FALSE;
        default: return FALSE;
    }
}

}  // namespace

HWND createColourPanel(HWND frame, PageSettingsSession& session) {
    return createDialogWithState<colourPanelProc>(GetModuleHandleW(nullptr), IDD_COLOUR_PANEL, frame,
                                                  std::make_unique<ColourPanelState>(session));
}

}  // namespace quillory
