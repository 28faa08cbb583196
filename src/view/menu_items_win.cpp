#include "view/menu_items_win.h"

#include "base/debug_trace_win.h"
#include "base/dpi.h"
#include "base/wide_win.h"
#include "resource.h"
#include "view/command_ranges_win.h"
#include "view/menu_captions.h"
#include "view/menu_state.h"

namespace quillory {

namespace {

constexpr int kMenuBitmapSide = 16;  // the resources' size, for 96 DPI

void setMenuState(HMENU menu, UINT command, UINT mask, UINT state) {
    MENUITEMINFOW item{};
    item.cbSize = sizeof(item);
    item.fMask = MIIM_STATE;
    if (!GetMenuItemInfoW(menu, command, FALSE, &item)) return;
    item.fState = (item.fState & ~mask) | state;
    SetMenuItemInfoW(menu, command, FALSE, &item);
}

void appendPageItem(HMENU menu, const PageListItem& page) {
    Text text = page.text;
    MENUITEMINFOW item{};
    item.cbSize = sizeof(item);
    item.fMask = MIIM_ID | MIIM_STRING | MIIM_FTYPE | MIIM_STATE;
    item.fType = MFT_RADIOCHECK;
    item.fState = page.checked ? MFS_CHECKED : MFS_UNCHECKED;
    item.wID = static_cast<UINT>(kPageCommands.command(page.page));
    item.dwTypeData = wide(text);
    InsertMenuItemW(menu, static_cast<UINT>(GetMenuItemCount(menu)), TRUE, &item);
}

}  // namespace

void setMenuCaption(HMENU menu, UINT item, BOOL byPosition, TextView caption) {
    Text text(caption);
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STRING;
    info.dwTypeData = wide(text);
    SetMenuItemInfoW(menu, item, byPosition, &info);
}

void fillPageMenu(HMENU menu, UINT position, const Album& album, bool allPages) {
    HMENU pages = GetSubMenu(menu, static_cast<int>(position));
    if (pages == nullptr) return;
    const PageList list = pageList(album, allPages);
    for (const PageListItem& page : list.items) appendPageItem(pages, page);
    DeleteMenu(pages, IDM_PAGE_PLACEHOLDER, MF_BYCOMMAND);
    SetMenuDefaultItem(pages, list.defaultItem ? static_cast<UINT>(*list.defaultItem) : static_cast<UINT>(-1), TRUE);
}

void fillHistoryMenu(HMENU menu, const Album& album) {
    const auto items = historyItems(album);
    for (std::size_t entry = 0; entry < items.size(); ++entry) {
        const UINT command = static_cast<UINT>(kHistoryCommands.command(static_cast<int>(entry)));
        if (items[entry].caption) setMenuCaption(menu, command, FALSE, *items[entry].caption);
        setMenuEnabled(menu, command, items[entry].enabled);
    }
}

void setMenuCheck(HMENU menu, UINT command, bool checked) {
    setMenuState(menu, command, MFS_CHECKED, checked ? MFS_CHECKED : MFS_UNCHECKED);
}

void setMenuRadioCheck(HMENU menu, UINT command, bool checked) {
    MENUITEMINFOW item{};
    item.cbSize = sizeof(item);
    item.fMask = MIIM_FTYPE;
    if (!GetMenuItemInfoW(menu, command, FALSE, &item)) return;
    item.fType |= MFT_RADIOCHECK;
    SetMenuItemInfoW(menu, command, FALSE, &item);
    setMenuCheck(menu, command, checked);
}

void setMenuEnabled(HMENU menu, UINT command, bool enabled) {
    setMenuState(menu, command, MFS_GRAYED, enabled ? MFS_ENABLED : MFS_GRAYED);
}

void setMenuBitmap(HMENU menu, UINT item, BOOL byPosition, HBITMAP bitmap) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_BITMAP;
    info.hbmpItem = bitmap;
    SetMenuItemInfoW(menu, item, byPosition, &info);
}

UniqueBitmap loadMenuBitmap(HINSTANCE instance, int id, int dpi) {
    const int side = scaleForDpi(kMenuBitmapSide, dpi);
    return UniqueBitmap(static_cast<HBITMAP>(traceIfFailed(
        LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_BITMAP, side, side, LR_LOADTRANSPARENT | LR_LOADMAP3DCOLORS),
        L"LoadImageW (menu bitmap)")));
}

}  // namespace quillory
