#include "view/popup_menu_win.h"

#include <gtest/gtest.h>

#include <string>

#include "resource.h"
#include "stand/slide_test_album.h"
#include "stand/stand_system_menu_win.h"
#include "stand/startup_facts_win.h"

namespace quillory {
namespace {

using testing::slideAlbum;

struct MenuItem {
    UINT id = 0;
    UINT type = 0;
    UINT state = 0;
    HMENU submenu = nullptr;
    HBITMAP bitmap = nullptr;
    std::wstring text;
};

MenuItem itemOf(HMENU menu, UINT item, BOOL byPosition) {
    wchar_t text[128] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE | MIIM_SUBMENU | MIIM_STRING | MIIM_BITMAP;
    info.dwTypeData = text;
    info.cch = 128;
    if (!GetMenuItemInfoW(menu, item, byPosition, &info)) return {};
    return {info.wID, info.fType, info.fState, info.hSubMenu, info.hbmpItem, text};
}
MenuItem at(HMENU menu, UINT position) { return itemOf(menu, position, TRUE); }
MenuItem command(HMENU menu, UINT id) { return itemOf(menu, id, FALSE); }
bool greyed(const MenuItem& item) { return (item.state & MFS_GRAYED) != 0; }
bool checked(const MenuItem& item) { return (item.state & MFS_CHECKED) != 0; }

class PopupMenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        app.instance = GetModuleHandleW(nullptr);
        app.OsVersionCode = 1000;
    }
    PopupMenu prepare(bool pictureShown = false, bool fullScreen = false) const {
        return preparePopupMenu({.instance = app.instance, .album = app.album, .osVersionCode = app.OsVersionCode,
                                 .pictureShown = pictureShown, .fullScreen = fullScreen});
    }
    StartupFacts app;
};

TEST_F(PopupMenuTest, LockedPageOfMarkedTabsGreysChoiceAndDeleteAndListsMarkedPagesAsRadioItems) {
    app.album = slideAlbum({{1, false, false, u"Home"}, {1, false, true, u"Hidden"}, {5, true, false, u"Trip"}});
    app.album.currentPage = 2;
    app.album.pages[2].Flag |= FlagLocked;
    const PopupMenu menu = prepare();
    ASSERT_NE(menu.popup, nullptr);

    EXPECT_EQ(GetMenuItemCount(menu.popup), 14) << "the all-pages list is gone";
    EXPECT_EQ(GetMenuDefaultItem(menu.popup, TRUE, 0), 0u);
    HMENU pages = at(menu.popup, 2).submenu;
    ASSERT_EQ(GetMenuItemCount(pages), 2);
    const MenuItem home = at(pages, 0);
    const MenuItem trip = at(pages, 1);
    EXPECT_EQ(home.id, static_cast<UINT>(IDM_PAGE_FIRST));
    EXPECT_EQ(trip.id, static_cast<UINT>(IDM_PAGE_FIRST + 2));
    EXPECT_EQ(trip.text, L"[ Trip ]");
    EXPECT_TRUE(home.type & MFT_RADIOCHECK);
    EXPECT_FALSE(checked(home));
    EXPECT_TRUE(checked(trip)) << "the current Page";
    EXPECT_EQ(GetMenuDefaultItem(pages, TRUE, 0), static_cast<UINT>(-1)) << "no main Page, nothing bold";

    const MenuItem current = at(menu.popup, 3);
    EXPECT_EQ(current.text, L"ページ \"Trip\"");
    EXPECT_NE(current.bitmap, nullptr);
    EXPECT_EQ(command(current.submenu, IDM_CHOOSE_PICTURE).text, L"画像フォルダ選択(&F)...");
    EXPECT_TRUE(greyed(command(menu.popup, IDM_CHOOSE_PICTURE)));
    EXPECT_TRUE(greyed(command(menu.popup, IDM_DELETE_PAGE)));
    EXPECT_FALSE(greyed(command(menu.popup, IDM_DUPLICATE_PAGE)));
}

TEST_F(PopupMenuTest, EveryPageTabbedOffersMarkedAndAllPagesAndChecksTheSettings) {
    app.album = slideAlbum({{1, false, true, u"One"}, {1, false, false, u"Two"}}, TabMarkedMenu | TabTopmost);
    app.album.pages[1].Flag |= FlagMainPage;
    app.album.settings.SlideStyle &= ~SlideOn;
    FitModeBits.set(app.album.pages[0].PhotoFlag, 3);
    const PopupMenu menu = prepare();
    ASSERT_NE(menu.popup, nullptr);

    EXPECT_EQ(at(menu.popup, 2).text, L"マークページから選択");
    HMENU all = at(menu.popup, 3).submenu;
    ASSERT_EQ(GetMenuItemCount(all), 2);
    EXPECT_EQ(GetMenuDefaultItem(all, TRUE, 0), 1u) << "the main Page is bold";
    EXPECT_TRUE(checked(at(all, 0)));
    EXPECT_EQ(at(menu.popup, 4).text, L"ページ \"One\"");
    EXPECT_FALSE(greyed(command(menu.popup, IDM_DELETE_PAGE)));

    EXPECT_TRUE(checked(command(menu.popup, IDM_TOPMOST)));
    EXPECT_FALSE(checked(command(menu.popup, IDM_SLIDE_SHOW)));
    const MenuItem actual = command(menu.popup, IDM_FIT_ACTUAL);
    EXPECT_TRUE(checked(actual));
    EXPECT_TRUE(actual.type & MFT_RADIOCHECK);
    EXPECT_FALSE(checked(command(menu.popup, IDM_FIT_SHORTER)));
}

TEST_F(PopupMenuTest, HistoryItemsNameThePicturesAndGreyTheEmptyOnes) {
    app.album = slideAlbum({{1, false, false, u"Home"}, {4, true, false, u"旅行"}});
    app.album.history[0] = {2, u"IMG_0001.JPG"};
    const PopupMenu menu = prepare();
    ASSERT_NE(menu.popup, nullptr);
    const MenuItem newest = command(menu.popup, IDM_HISTORY_FIRST);
    EXPECT_EQ(newest.text, L"(1) [ 旅行 ] - IMG_0001.JPG");
    EXPECT_FALSE(greyed(newest));
    const MenuItem empty = command(menu.popup, IDM_HISTORY_FIRST + 1);
    EXPECT_EQ(empty.text, L"スライドショー ・ 二つ前の絵");
    EXPECT_TRUE(greyed(empty));
}

TEST_F(PopupMenuTest, BeforeVistaItemsHaveNoBitmaps) {
    app.OsVersionCode = 510;
    app.album = slideAlbum({{1}});
    const PopupMenu menu = prepare();
    EXPECT_TRUE(menu.bitmaps.empty());
    EXPECT_EQ(at(menu.popup, 0).bitmap, nullptr);
}

TEST_F(PopupMenuTest, SystemPageMenuFollowsTheLockOfTheCurrentPageEachTimeItIsRefreshed) {
    HWND stand = CreateWindowExW(0, L"STATIC", L"stand", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr, app.instance, nullptr);
    ASSERT_NE(stand, nullptr);
    StandSystemMenu systemMenu;
    systemMenu.build(app, stand);
    app.album = slideAlbum({{1, false, false, u"Home"}, {3, true, false, u"Trip"}});
    app.album.currentPage = 1;
    app.album.pages[1].Flag |= FlagLocked;

    systemMenu.refresh(app.album);
    EXPECT_EQ(at(GetSystemMenu(stand, FALSE), 2).text, L"ページ \"Trip\"");
    EXPECT_EQ(command(systemMenu.pageMenu(), IDM_CHOOSE_PICTURE).text, L"画像フォルダ選択(&F)...");
    EXPECT_TRUE(greyed(command(systemMenu.pageMenu(), IDM_CHOOSE_PICTURE)));
    EXPECT_TRUE(greyed(command(systemMenu.pageMenu(), IDM_DELETE_PAGE)));

    app.album.pages[1].Flag &= ~FlagLocked;
    systemMenu.refresh(app.album);
    EXPECT_FALSE(greyed(command(systemMenu.pageMenu(), IDM_CHOOSE_PICTURE)));
    EXPECT_FALSE(greyed(command(systemMenu.pageMenu(), IDM_DELETE_PAGE)));
    DestroyWindow(stand);
}

// The item beside "ファイルを開く" opens the shown picture's folder, so it waits for a picture.
TEST_F(PopupMenuTest, OpeningThePicturesFolderIsOfferedOnlyWithAPictureShown) {
    app.album = slideAlbum({{1, false, false, u"Home"}});
    app.album.currentPage = 0;
    const PopupMenu without = prepare(/*pictureShown=*/false);
    const PopupMenu with = prepare(/*pictureShown=*/true);
    ASSERT_NE(without.popup, nullptr);
    ASSERT_NE(with.popup, nullptr);
    EXPECT_EQ(command(with.popup, IDM_OPEN_FOLDER).text, L"ファイルの場所を開く(&L)");
    EXPECT_FALSE(greyed(command(with.popup, IDM_OPEN_FOLDER)));
    EXPECT_TRUE(greyed(command(without.popup, IDM_OPEN_FOLDER)));
    EXPECT_FALSE(greyed(command(without.popup, IDM_OPEN_FILE))) << "only the new item waits for a picture";
}

TEST_F(PopupMenuTest, TheFullScreenItemIsCheckedOnlyWhileTheViewCoversItsMonitor) {
    app.album = slideAlbum({{1, false, false, u"Home"}});
    app.album.currentPage = 0;
    const PopupMenu framed = prepare(/*pictureShown=*/true, /*fullScreen=*/false);
    const PopupMenu full = prepare(/*pictureShown=*/true, /*fullScreen=*/true);
    ASSERT_NE(framed.popup, nullptr);
    ASSERT_NE(full.popup, nullptr);
    EXPECT_FALSE(checked(command(framed.popup, IDM_FULL_SCREEN)));
    EXPECT_TRUE(checked(command(full.popup, IDM_FULL_SCREEN)));
}

}  // namespace
}  // namespace quillory
