// The text panel: which items the overlay shows, its font and its corner. Font changes reach the
// working Page (and the sample) at once; the items and the corner when the panel closes.
#include <windows.h>
#include <commctrl.h>

#include <array>
#include <memory>

#include "base/dialog_font_win.h"
#include "base/wide_win.h"
#include "base/window_state_win.h"
#include "dialogs/font_list_win.h"
#include "dialogs/page_settings_panels_win.h"
#include "dialogs/settings_ranges.h"
#include "resource.h"

namespace quillory {

namespace {

constexpr int kBoldWeight = 700;

struct ItemBox {
    int id;
    std::uint32_t bit;
};

constexpr std::array<ItemBox, 12> kItemBoxes{{
    {IDC_SHOW_LABEL, ShowLabel}, {IDC_SHOW_COMMENT, ShowComment}, {IDC_SHOW_FILE_NAME, ShowFileName},
    {IDC_SHOW_DATE, ShowDate}, {IDC_DATE_SHORT, DateShort}, {IDC_SHOW_CAMERA, ShowCamera},
    {IDC_SHOW_EXPOSURE, ShowExposure}, {IDC_SHOW_AUTHOR, ShowAuthor}, {IDC_SHOW_GPS, ShowGps},
    {IDC_GPS_SHORT, GpsShort}, {IDC_SHOW_DIRECTION, ShowDirection}, {IDC_DIRECTION_DETAIL, DirectionDetail},
}};

// TextCorner 0 to 3 is radio button IDC_CORNER_BOTTOM_RIGHT + value.
constexpr std::array<int, 4> kCornerButtons{IDC_CORNER_BOTTOM_RIGHT, IDC_CORNER_BOTTOM_LEFT, IDC_CORNER_TOP_RIGHT,
                                            IDC_CORNER_TOP_LEFT};

// What a locked Page greys besides the item boxes.
constexpr std::array<int, 11> kFontAndCornerControls{
    IDC_TEXT_FONT_CAPTION, IDC_TEXT_FONT, IDC_TEXT_SIZE_CAPTION, IDC_TEXT_SIZE, IDC_TEXT_SIZE_ARROWS, IDC_TEXT_BOLD,
    IDC_TEXT_ITALIC, IDC_CORNER_BOTTOM_RIGHT, IDC_CORNER_BOTTOM_LEFT, IDC_CORNER_TOP_RIGHT, IDC_CORNER_TOP_LEFT};

struct TextPanelState {
    explicit TextPanelState(PageSettingsSession& owner) : session(owner) {}
    PageSettingsSession& session;
    UniqueFont boldFont;
    UniqueFont italicFont;
};

std::uint32_t checkedItems(HWND panel) {
    std::uint32_t bits = 0;
    for (const ItemBox& box : kItemBoxes) {
        if (isChecked(panel, box.id)) bits |= box.bit;
    }
    return bits;
}

void enableItems(HWND panel, const PageSettingsSession& session) {
    const std::uint32_t checked = checkedItems(panel);
    for (const ItemBox& box : kItemBoxes) {
        enableControl(panel, box.id, textItemEnabled(box.bit, checked, session.locked(), session.host.gdiplusActive));
    }
}

unsigned checkedCorner(HWND panel) {
    for (unsigned corner = kCornerButtons.size(); corner-- > 1;) {
        if (isChecked(panel, kCornerButtons[corner])) return corner;
    }
    return 0;
}

int fontSizeShown(HWND panel) {
    return static_cast<int>(SendDlgItemMessageW(panel, IDC_TEXT_SIZE_ARROWS, UDM_GETPOS32, 0, 0));
}

void storeFont(HWND panel, PageSettings& page) {
    HWND faces = GetDlgItem(panel, IDC_TEXT_FONT);
    const LRESULT selected = SendMessageW(faces, CB_GETCURSEL, 0, 0);
    if (selected != CB_ERR) {
        Text face(static_cast<std::size_t>(SendMessageW(faces, CB_GETLBTEXTLEN, static_cast<WPARAM>(selected), 0)) + 1, u'\0');
        face.resize(static_cast<std::size_t>(
            SendMessageW(faces, CB_GETLBTEXT, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(wide(face)))));
        page.FontName = capped(face, kFontNameCapacity);
    }
    page.FontSize = kFontSizeRange.clamp(fontSizeShown(panel));
    page.FontStyle = fontStyleOf(isChecked(panel, IDC_TEXT_BOLD), isChecked(panel, IDC_TEXT_ITALIC));
}

void storeItems(HWND panel, PageSettings& page) {
    page.PhotoFlag = withTextItems(page.PhotoFlag, checkedItems(panel), checkedCorner(panel));
}

// Each style box is written in its own style.
void styleBoxes(HWND panel, TextPanelState& state) {
    FontChange bold;
    bold.weight = kBoldWeight;
    state.boldFont = createDialogFont(panel, bold);
    FontChange italic;
    italic.italic = true;
    state.italicFont = createDialogFont(panel, italic);
    SendDlgItemMessageW(panel, IDC_TEXT_BOLD, WM_SETFONT, reinterpret_cast<WPARAM>(state.boldFont.get()), FALSE);
    SendDlgItemMessageW(panel, IDC_TEXT_ITALIC, WM_SETFONT, reinterpret_cast<WPARAM>(state.italicFont.get()), FALSE);
}

INT_PTR onInitDialog(HWND panel, TextPanelState& state) {
    PageSettingsSession& session = state.session;
    const PageSettings& page = session.workingPage();
    fillFontList(panel, IDC_TEXT_FONT, page.FontName);
    setUpDown(panel, IDC_TEXT_SIZE_ARROWS, IDC_TEXT_SIZE, kFontSizeRange, page.FontSize);
    setChecked(panel, IDC_TEXT_BOLD, (page.FontStyle & FontBold) != 0);
    setChecked(panel, IDC_TEXT_ITALIC, (page.FontStyle & FontItalic) != 0);
    setChecked(panel, kCornerButtons[TextCorner.get(page.PhotoFlag)], true);
    for (const ItemBox& box : kItemBoxes) setChecked(panel, box.id, (page.PhotoFlag & box.bit) != 0);
    enableItems(panel, session);
    styleBoxes(panel, state);
    if (session.locked()) {
        for (int id : kFontAndCornerControls) enableControl(panel, id, false);
    }
    slideInPanel(panel, session.host);
    return TRUE;
}

void onFontChanged(HWND panel, PageSettingsSession& session) {
    storeFont(panel, session.workingPage());
    PostMessageW(session.frame, WM_COMMAND, IDM_SAMPLE_REFRESH, 0);
}

void onSizeArrows(HWND panel, PageSettingsSession& session) {
    selectAllText(panel, IDC_TEXT_SIZE);
    session.workingPage().FontSize = kFontSizeRange.clamp(fontSizeShown(panel));
    refreshSample(session);
}

INT_PTR onCommand(HWND panel, TextPanelState& state, int id, int notification) {
    PageSettingsSession& session = state.session;
    switch (id) {
        case IDC_TEXT_FONT:
            if (notification == CBN_SELCHANGE) onFontChanged(panel, session);
            return TRUE;
        case IDC_TEXT_BOLD:
        case IDC_TEXT_ITALIC: onFontChanged(panel, session); return TRUE;
        case IDC_SHOW_DATE:
        case IDC_SHOW_GPS:
        case IDC_SHOW_DIRECTION: enableItems(panel, session); return TRUE;
        case IDC_SET_AS_DEFAULT:
            storeItems(panel, session.workingPage());
            setAsDefault(panel, session, DefaultPanel::Text);
            return TRUE;
        default: return FALSE;
    }
}

void onDestroy(HWND panel, PageSettingsSession& session) {
    storeFont(panel, session.workingPage());
    storeItems(panel, session.workingPage());
}

INT_PTR textPanelProc(HWND panel, TextPanelState& state, UINT message, WPARAM wParam, LPARAM lParam) {
    if (const auto brush = panelControlColour(state.session, PanelEdits::SharedBackground, message, wParam, lParam)) return *brush;
    switch (message) {
        case WM_INITDIALOG: return onInitDialog(panel, state);
        case WM_COMMAND: return onCommand(panel, state, LOWORD(wParam), HIWORD(wParam));
        case WM_VSCROLL:
            if (reinterpret_cast<HWND>(lParam) == GetDlgItem(panel, IDC_TEXT_SIZE_ARROWS)) onSizeArrows(panel, state.session);
            return TRUE;
        case WM_DESTROY: onDestroy(panel, state.session); return FALSE;
        default: return FALSE;
    }
}

}  // namespace

HWND createTextPanel(HWND frame, PageSettingsSession& session) {
    return createDialogWithState<textPanelProc>(GetModuleHandleW(nullptr), IDD_TEXT_PANEL, frame,
                                                std::make_unique<TextPanelState>(session));
}

}  // namespace quillory
