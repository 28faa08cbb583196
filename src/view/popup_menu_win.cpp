#include "view/popup_menu_win.h"

#include "base/os_versions.h"
#include "resource.h"
#include "view/menu_captions.h"
#include "view/menu_items_win.h"
#include "view/menu_state.h"

namespace quillory {

namespace {

// Positions in menu 134's pop-up as loaded.
constexpr UINT kProgramItem = 0;
constexpr UINT kMarkedPagesMenu = 2;
constexpr UINT kAllPagesMenu = 3;

// With TabMarkedMenu every Page has a tab, and the menu offers the marked Pages and all Pages;
// otherwise only the marked Pages, and "現在のページ" moves up into the all-pages list's place.
UINT fillPageLists(HMENU popup, const Album& album, bool markedMenu) {
    if (!markedMenu) {
        fillPageMenu(popup, kMarkedPagesMenu, album, /*allPages=*/false);
        DeleteMenu(popup, kAllPagesMenu, MF_BYPOSITION);
        return kAllPagesMenu;
    }
    setMenuCaption(popup, kMarkedPagesMenu, TRUE, kMarkedPagesCaption);
    fillPageMenu(popup, kMarkedPagesMenu, album, /*allPages=*/false);
    fillPageMenu(popup, kAllPagesMenu, album, /*allPages=*/true);
    return kAllPagesMenu + 1;
}

void applyStates(HMENU popup, const PopupMenuState& state) {
    setMenuEnabled(popup, IDM_DELETE_PAGE, state.currentPage.deleteEnabled);
    setMenuEnabled(popup, IDM_CHOOSE_PICTURE, state.currentPage.pictureItemEnabled);
    setMenuCaption(popup, IDM_CHOOSE_PICTURE, FALSE, state.currentPage.pictureItemCaption);
    SetMenuDefaultItem(popup, kProgramItem, TRUE);
    setMenuCheck(popup, IDM_TOPMOST, state.topmostChecked);
    setMenuCheck(popup, IDM_SLIDE_SHOW, state.slideShowChecked);
    for (int mode = 0; mode < 4; ++mode) {
        setMenuRadioCheck(popup, static_cast<UINT>(IDM_FIT_SHORTER + mode), state.fitModeItem == mode);
    }
}

// Menu bitmaps came with Windows Vista.
void addBitmaps(PopupMenu& menu, const PopupMenuSource& source, bool markedMenu, UINT currentPageMenu) {
    if (source.osVersionCode < kWindowsVista) return;
    const auto put = [&](UINT item, BOOL byPosition, int id) {
        menu.bitmaps.push_back(loadMenuBitmap(source.instance, id, source.dpi));
        setMenuBitmap(menu.popup, item, byPosition, menu.bitmaps.back().get());
    };
    put(kProgramItem, TRUE, IDB_MENU_PROGRAM);
    put(kMarkedPagesMenu, TRUE, IDB_MENU_MARKED_PAGES);
    if (markedMenu) put(kAllPagesMenu, TRUE, IDB_MENU_ALL_PAGES);
    put(currentPageMenu, TRUE, IDB_MENU_CURRENT_PAGE);
    put(IDM_NEW_PAGE, FALSE, IDB_MENU_NEW_PAGE);
    put(IDM_PAGE_SETTINGS, FALSE, IDB_MENU_PAGE_SETTINGS);
    put(IDM_GENERAL_SETTINGS, FALSE, IDB_MENU_GENERAL);
}

}  // namespace

PopupMenu preparePopupMenu(const PopupMenuSource& source) {
    PopupMenu menu;
    menu.resource.reset(LoadMenuW(source.instance, MAKEINTRESOURCEW(IDR_POPUP_MENU)));
    menu.popup = GetSubMenu(menu.resource.get(), 0);
    if (menu.popup == nullptr) return menu;
    const PopupMenuState state = popupMenuState(source.album);
    setMenuCaption(menu.popup, kAllPagesMenu + 1, TRUE, state.currentPage.pageCaption);
    const UINT currentPageMenu = fillPageLists(menu.popup, source.album, state.markedMenu);
    applyStates(menu.popup, state);
    addBitmaps(menu, source, state.markedMenu, currentPageMenu);
    setMenuEnabled(menu.popup, IDM_OPEN_FOLDER, source.pictureShown);
    setMenuCheck(menu.popup, IDM_FULL_SCREEN, source.fullScreen);
    fillHistoryMenu(menu.popup, source.album);
    return menu;
}

void buildPopupMenu(const PopupMenuSource& source, HWND owner, POINT screenPoint) {
    const PopupMenu menu = preparePopupMenu(source);
    if (menu.popup == nullptr) return;
    TrackPopupMenu(menu.popup, TPM_LEFTALIGN | TPM_LEFTBUTTON, screenPoint.x, screenPoint.y, 0, owner, nullptr);
}

}  // namespace quillory
