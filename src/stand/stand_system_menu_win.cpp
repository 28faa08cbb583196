#include "stand/stand_system_menu_win.h"

#include "base/os_versions.h"
#include "base/window_dpi_win.h"
#include "resource.h"
#include "view/menu_items_win.h"
#include "view/menu_state.h"

namespace quillory {

namespace {

constexpr UINT kPageMenuPosition = 2;

void insertItem(HMENU menu, UINT position, UINT id, const wchar_t* text, HMENU submenu = nullptr) {
    MENUITEMINFOW item{};
    item.cbSize = sizeof(item);
    item.fMask = MIIM_ID | MIIM_STRING | (submenu ? MIIM_SUBMENU : 0u);
    item.wID = id;
    item.dwTypeData = const_cast<wchar_t*>(text);
    item.hSubMenu = submenu;
    InsertMenuItemW(menu, position, TRUE, &item);
}

void insertSeparator(HMENU menu, UINT position) {
    MENUITEMINFOW item{};
    item.cbSize = sizeof(item);
    item.fMask = MIIM_FTYPE;
    item.fType = MFT_SEPARATOR;
    InsertMenuItemW(menu, position, TRUE, &item);
}

}  // namespace

void StandSystemMenu::build(const StartupFacts& facts, HWND stand) {
    stand_ = stand;
    HMENU menu = GetSystemMenu(stand, FALSE);
    DeleteMenu(menu, SC_RESTORE, MF_BYCOMMAND);
    DeleteMenu(menu, SC_MAXIMIZE, MF_BYCOMMAND);
    ModifyMenuW(menu, SC_CLOSE, MF_BYCOMMAND | MF_STRING, SC_CLOSE, L"閉じる(&C)");

    pageMenuResource_.reset(LoadMenuW(facts.instance, MAKEINTRESOURCEW(IDR_PAGE_MENU)));
    pageMenu_ = GetSubMenu(pageMenuResource_.get(), 0);

    insertItem(menu, 0, IDM_ABOUT, L"Quillory");
    insertSeparator(menu, 1);
    insertItem(menu, kPageMenuPosition, 0, L"ページ", pageMenu_);
    insertItem(menu, 3, IDM_NEW_PAGE, L"新規ページ追加(&A)");
    insertSeparator(menu, 4);
    insertItem(menu, 5, IDM_GENERAL_SETTINGS, L"全般設定(&T)...");
    insertSeparator(menu, 6);
    SetMenuDefaultItem(menu, 0, TRUE);

    if (facts.OsVersionCode < kWindowsVista) return;
    const int ids[5] = {IDB_MENU_PROGRAM, IDB_MENU_CURRENT_PAGE, IDB_MENU_PAGE_SETTINGS, IDB_MENU_NEW_PAGE, IDB_MENU_GENERAL};
    for (std::size_t i = 0; i < bitmaps_.size(); ++i) bitmaps_[i] = loadMenuBitmap(facts.instance, ids[i], windowDpi(stand));
    setMenuBitmap(menu, 0, TRUE, bitmaps_[0].get());
    setMenuBitmap(menu, kPageMenuPosition, TRUE, bitmaps_[1].get());
    setMenuBitmap(pageMenu_, IDM_PAGE_SETTINGS, FALSE, bitmaps_[2].get());
    setMenuBitmap(menu, 3, TRUE, bitmaps_[3].get());
    setMenuBitmap(menu, 5, TRUE, bitmaps_[4].get());
}

void StandSystemMenu::refresh(const Album& album) const {
    if (stand_ == nullptr || pageMenu_ == nullptr) return;
    const CurrentPageItems items = currentPageItems(album);
    setMenuCaption(GetSystemMenu(stand_, FALSE), kPageMenuPosition, TRUE, items.pageCaption);
    setMenuCaption(pageMenu_, IDM_CHOOSE_PICTURE, FALSE, items.pictureItemCaption);
    setMenuEnabled(pageMenu_, IDM_CHOOSE_PICTURE, items.pictureItemEnabled);
    setMenuEnabled(pageMenu_, IDM_DELETE_PAGE, items.deleteEnabled);
}

}  // namespace quillory
