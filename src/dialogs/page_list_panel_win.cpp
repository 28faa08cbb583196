// The page list panel: every Page in a checked tree, to reorder, mark and crown them. The tree's
// items never move; the records of the working list move under them. Check marks live in the
// tree until ApplyPageList writes them into the records.
#include <windows.h>
#include <uxtheme.h>

#include <memory>
#include <vector>

#include "base/dialog_font_win.h"
#include "base/tooltips_win.h"
#include "base/wide_win.h"
#include "base/window_state_win.h"
#include "dialogs/general_settings_panels_win.h"
#include "resource.h"

namespace quillory {

namespace {

constexpr UINT kUnchecked = INDEXTOSTATEIMAGEMASK(1);
constexpr UINT kChecked = INDEXTOSTATEIMAGEMASK(2);
constexpr int kItemHeight = 16;
constexpr int kArrowSize = 16;
constexpr UINT_PTR kLoadMarksTimer = 1;

struct PageListPanelState {
    explicit PageListPanelState(GeneralSettingsSession& owner) : session(owner), edit(owner.pageList) {}
    GeneralSettingsSession& session;
    PageListEdit& edit;
    std::vector<HTREEITEM> items;
    UniqueFont boldFont;
    UniqueIcon up;
    UniqueIcon down;
    UniqueWindow tips;
    bool marksShown = false;  // until then the tree's boxes say nothing
};

HWND treeOf(HWND panel) { return GetDlgItem(panel, IDC_PAGE_TREE); }

void setItemState(HWND tree, HTREEITEM item, UINT state, UINT mask) {
    TVITEMW data{};
    data.mask = TVIF_STATE;
    data.hItem = item;
    data.state = state;
    data.stateMask = mask;
    TreeView_SetItem(tree, &data);
}

bool itemChecked(HWND tree, HTREEITEM item) {
    return (TreeView_GetItemState(tree, item, TVIS_STATEIMAGEMASK) & TVIS_STATEIMAGEMASK) != kUnchecked;
}

// The marks the person set in the tree, into the edit's marks.
void readMarks(HWND panel, PageListPanelState& state) {
    if (!state.marksShown) return;
    for (std::size_t i = 0; i < state.items.size(); ++i) state.edit.marks[i] = itemChecked(treeOf(panel), state.items[i]);
}

// Item i shows record i: its label, its mark and whether it is the main page.
void showItem(HWND panel, const PageListPanelState& state, std::size_t i) {
    HWND tree = treeOf(panel);
    Text label = state.edit.workingPageList[i].Label;
    TVITEMW data{};
    data.mask = TVIF_TEXT;
    data.hItem = state.items[i];
    data.pszText = wide(label);
    TreeView_SetItem(tree, &data);
    const UINT bold = static_cast<int>(i) == state.edit.boldPage ? TVIS_BOLD : 0u;
    setItemState(tree, state.items[i], (state.edit.marks[i] ? kChecked : kUnchecked) | bold, TVIS_STATEIMAGEMASK | TVIS_BOLD);
}

void showMainPage(HWND panel, const PageListPanelState& state) {
    SetDlgItemTextW(panel, IDC_MAIN_PAGE_NAME, wide(mainPageCaption(state.edit)));
}

void showMoveButtons(HWND panel, const PageListEdit& edit) {
    enableControl(panel, IDC_MOVE_UP, canMoveUp(edit));
    enableControl(panel, IDC_MOVE_DOWN, canMoveDown(edit));
}

void showMarkPictures(HWND panel, const GeneralSettingsSession& session) {
    if (!session.host.vistaOrLater()) return;
    ShowWindow(GetDlgItem(panel, IDC_MARKS_PICTURE), SW_SHOW);
    const bool menu = (session.settings().TabStyle & TabMarkedMenu) != 0;
    ShowWindow(GetDlgItem(panel, IDC_MARKED_MENU_PICTURE), menu ? SW_SHOW : SW_HIDE);
}

void selectAndShow(HWND panel, const PageListPanelState& state) {
    HWND tree = treeOf(panel);
    const auto selected = static_cast<std::size_t>(state.edit.selectedPage);
    if (selected < state.items.size()) {
        TreeView_SelectItem(tree, state.items[selected]);
        TreeView_EnsureVisible(tree, state.items[selected]);
    }
    SetFocus(tree);
    showMoveButtons(panel, state.edit);
}

// A tree made with check boxes makes their images only when it is first painted, and empties
// every box then, marks set before included; given the style before it is filled, it makes them
// at once (the resource leaves the style out for this reason).
void giveCheckBoxes(HWND tree) {
    SetWindowLongPtrW(tree, GWL_STYLE, GetWindowLongPtrW(tree, GWL_STYLE) | TVS_CHECKBOXES);
}

void fillTree(HWND panel, PageListPanelState& state) {
    HWND tree = treeOf(panel);
    giveCheckBoxes(tree);
    for (std::size_t i = 0; i < state.edit.workingPageList.size(); ++i) {
        Text label = state.edit.workingPageList[i].Label;
        TVINSERTSTRUCTW insert{};
        insert.hParent = TVI_ROOT;
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_STATE;
        insert.item.pszText = wide(label);
        insert.item.lParam = static_cast<LPARAM>(i);
        insert.item.state = static_cast<int>(i) == state.edit.boldPage ? TVIS_BOLD : 0u;
        insert.item.stateMask = TVIS_BOLD;
        state.items.push_back(TreeView_InsertItem(tree, &insert));
    }
    TreeView_SetItemHeight(tree, kItemHeight * state.session.host.dpiY / USER_DEFAULT_SCREEN_DPI);
    SetWindowTheme(tree, L"EXPLORER", nullptr);
}

void giveIcon(HWND panel, int buttonId, int iconId, UniqueIcon& icon) {
    icon.reset(static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(iconId), IMAGE_ICON, kArrowSize, kArrowSize, 0)));
    SendDlgItemMessageW(panel, buttonId, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon.get()));
}

INT_PTR onInitDialog(HWND panel, PageListPanelState& state) {
    openPageListPanel(state.edit);
    fillTree(panel, state);
    selectAndShow(panel, state);
    state.boldFont = createDialogFont(panel, FontChange{.weight = FW_BOLD});
    if (state.boldFont) SendDlgItemMessageW(panel, IDC_MAIN_PAGE_NAME, WM_SETFONT, reinterpret_cast<WPARAM>(state.boldFont.get()), FALSE);
    showMainPage(panel, state);
    const std::uint32_t style = state.session.settings().TabStyle;
    setChecked(panel, IDC_MAIN_AT_START, (style & TabMainAtStart) != 0);
    setChecked(panel, (style & TabMarkedMenu) != 0 ? IDC_MARKED_MENU : IDC_HIDE_UNMARKED, true);
    showMarkPictures(panel, state.session);
    giveIcon(panel, IDC_MOVE_UP, IDI_MOVE_UP, state.up);
    giveIcon(panel, IDC_MOVE_DOWN, IDI_MOVE_DOWN, state.down);
    const ToolTipPair tips[] = {{IDC_MOVE_UP, u"一つ上に移動"},
                                {IDC_MOVE_DOWN, u"一つ下に移動"},
                                {IDC_SET_MAIN_PAGE, u"選択されているページをメインページに設定"}};
    state.tips = addToolTips(panel, tips);
    SetTimer(panel, kLoadMarksTimer, USER_TIMER_MINIMUM, nullptr);
    slideInPanel(panel, state.session.host);
    return FALSE;  // the tree has the focus
}

void loadMarks(HWND panel, PageListPanelState& state) {
    state.marksShown = true;
    for (std::size_t i = 0; i < state.items.size(); ++i) showItem(panel, state, i);
}

// The tree gives every item an empty box once it is shown, which the dialog is only when its
// creation messages are done: the marks go on after that, from a timer.
void onTimer(HWND panel, UINT_PTR timer) {
    if (timer != kLoadMarksTimer) return;
    KillTimer(panel, kLoadMarksTimer);
    SendMessageW(panel, WM_COMMAND, IDM_LOAD_MARKS, 0);
}

void move(HWND panel, PageListPanelState& state, int step) {
    readMarks(panel, state);
    if (const std::optional<int> left = moveSelectedPage(state.edit, step)) {
        showItem(panel, state, static_cast<std::size_t>(*left));
        showItem(panel, state, static_cast<std::size_t>(state.edit.selectedPage));
    }
    selectAndShow(panel, state);
}

void makeMainPage(HWND panel, PageListPanelState& state) {
    readMarks(panel, state);
    setMainPage(state.edit);
    loadMarks(panel, state);
    showMainPage(panel, state);
}

void markEveryPage(HWND panel, PageListPanelState& state) {
    markAll(state.edit);
    loadMarks(panel, state);
}

void chooseMarkUse(HWND panel, PageListPanelState& state, bool markedMenu) {
    setMarkedMenu(state.edit, state.session.settings(), markedMenu);
    showMarkPictures(panel, state.session);
}

void toggleMainAtStart(GeneralSettingsSession& session) { session.settings().TabStyle ^= TabMainAtStart; }

void applyMarks(HWND panel, PageListPanelState& state, bool accept) {
    if (accept) readMarks(panel, state);
    applyPageList(state.edit, accept);
}

INT_PTR onCommand(HWND panel, PageListPanelState& state, int id, LPARAM lParam) {
    switch (id) {
        case IDM_LOAD_MARKS: loadMarks(panel, state); return TRUE;
        case IDM_APPLY_PAGE_LIST: applyMarks(panel, state, lParam == 1); return TRUE;
        case IDC_MOVE_UP: move(panel, state, -1); return TRUE;
        case IDC_MOVE_DOWN: move(panel, state, 1); return TRUE;
        case IDC_SET_MAIN_PAGE: makeMainPage(panel, state); return TRUE;
        case IDC_MAIN_AT_START: toggleMainAtStart(state.session); return TRUE;
        case IDC_MARK_ALL: markEveryPage(panel, state); return TRUE;
        case IDC_HIDE_UNMARKED: chooseMarkUse(panel, state, false); return TRUE;
        case IDC_MARKED_MENU: chooseMarkUse(panel, state, true); return TRUE;
        default: return FALSE;
    }
}

// A right click selects the Page under the pointer, as a left click does.
void selectUnderPointer(HWND tree) {
    TVHITTESTINFO hit{};
    GetCursorPos(&hit.pt);
    ScreenToClient(tree, &hit.pt);
    if (HTREEITEM item = TreeView_HitTest(tree, &hit)) TreeView_SelectItem(tree, item);
}

INT_PTR onNotify(HWND panel, PageListPanelState& state, const NMHDR& notice) {
    if (notice.idFrom != IDC_PAGE_TREE) return FALSE;
    if (notice.code == TVN_SELCHANGEDW) {
        const auto& change = reinterpret_cast<const NMTREEVIEWW&>(notice);
        if (selectPage(state.edit, static_cast<int>(change.itemNew.lParam))) showMoveButtons(panel, state.edit);
    } else if (notice.code == NM_RCLICK) {
        selectUnderPointer(notice.hwndFrom);
    }
    return FALSE;
}

// The check boxes' image list, made when the style was given, is the tree's owner's to free.
void freeCheckBoxes(HWND tree) {
    if (HIMAGELIST boxes = TreeView_SetImageList(tree, nullptr, TVSIL_STATE)) ImageList_Destroy(boxes);
}

// The pictures the template gave the two statics: taken back, they are the panel's to free (not
// every system frees what a static loaded itself).
void freeMarkPictures(HWND panel) {
    for (int id : {IDC_MARKS_PICTURE, IDC_MARKED_MENU_PICTURE}) {
        const LRESULT picture = SendDlgItemMessageW(panel, id, STM_SETIMAGE, IMAGE_BITMAP, 0);
        if (picture != 0) DeleteObject(reinterpret_cast<HGDIOBJ>(picture));
    }
}

void onDestroy(HWND panel, PageListPanelState& state) {
    if (state.edit.pending) applyMarks(panel, state, true);
    freeCheckBoxes(treeOf(panel));
    freeMarkPictures(panel);
}

INT_PTR pageListPanelProc(HWND panel, PageListPanelState& state, UINT message, WPARAM wParam, LPARAM lParam) {
    if (const auto brush = panelControlColour(state.session, PanelEdits::SystemColours, message, wParam, lParam)) return *brush;
    switch (message) {
        case WM_INITDIALOG: return onInitDialog(panel, state);
        case WM_COMMAND: return onCommand(panel, state, LOWORD(wParam), lParam);
        case WM_NOTIFY: return onNotify(panel, state, *reinterpret_cast<NMHDR*>(lParam));
        case WM_TIMER: onTimer(panel, wParam); return TRUE;
        case WM_DESTROY: onDestroy(panel, state); return FALSE;
        default: return FALSE;
    }
}

}  // namespace

HWND createPageListPanel(HWND frame, GeneralSettingsSession& session) {
    return createDialogWithState<pageListPanelProc>(GetModuleHandleW(nullptr), IDD_PAGE_LIST_PANEL, frame,
                                                    std::make_unique<PageListPanelState>(session));
}

}  // namespace quillory
