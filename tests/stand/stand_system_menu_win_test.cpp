#include "stand/stand_system_menu_win.h"

#include <gtest/gtest.h>

#include <string>

#include "resource.h"

namespace quillory {
namespace {

struct MenuItem {
    UINT id = 0;
    UINT type = 0;
    HMENU submenu = nullptr;
    std::wstring text;
};

MenuItem itemAt(HMENU menu, UINT position) {
    wchar_t text[128] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_SUBMENU | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = 128;
    GetMenuItemInfoW(menu, position, TRUE, &info);
    return {info.wID, info.fType, info.hSubMenu, text};
}

class StandSystemMenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        app.instance = GetModuleHandleW(nullptr);
        app.OsVersionCode = 1000;
        window = CreateWindowExW(0, L"STATIC", L"stand", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr,
                                 app.instance, nullptr);
        ASSERT_NE(window, nullptr);
    }
    void TearDown() override { DestroyWindow(window); }

    StartupFacts app;
    HWND window = nullptr;
    StandSystemMenu menu;
};

TEST_F(StandSystemMenuTest, ProgramPageAndSettingsItemsComeFirstInOrder) {
    menu.build(app, window);
    HMENU system = GetSystemMenu(window, FALSE);

    const MenuItem program = itemAt(system, 0);
    EXPECT_EQ(program.id, static_cast<UINT>(IDM_ABOUT));
    EXPECT_EQ(program.text, L"Quillory");
    EXPECT_EQ(GetMenuDefaultItem(system, TRUE, 0), 0u);
    EXPECT_TRUE(itemAt(system, 1).type & MFT_SEPARATOR);
    const MenuItem page = itemAt(system, 2);
    EXPECT_EQ(page.text, L"ページ");
    ASSERT_NE(page.submenu, nullptr);
    EXPECT_EQ(page.submenu, menu.pageMenu());
    EXPECT_EQ(itemAt(system, 3).id, static_cast<UINT>(IDM_NEW_PAGE));
    EXPECT_EQ(itemAt(system, 3).text, L"新規ページ追加(&A)");
    EXPECT_TRUE(itemAt(system, 4).type & MFT_SEPARATOR);
    EXPECT_EQ(itemAt(system, 5).id, static_cast<UINT>(IDM_GENERAL_SETTINGS));
    EXPECT_EQ(itemAt(system, 5).text, L"全般設定(&T)...");
    EXPECT_TRUE(itemAt(system, 6).type & MFT_SEPARATOR);
}

TEST_F(StandSystemMenuTest, PageMenuHoldsThePageCommands) {
    menu.build(app, window);
    const UINT expected[] = {IDM_CHOOSE_PICTURE, 0, 0, IDM_PAGE_SETTINGS, IDM_DUPLICATE_PAGE, IDM_DELETE_PAGE};
    ASSERT_EQ(GetMenuItemCount(menu.pageMenu()), 6);
    for (UINT position = 0; position < 6; ++position) {
        if (expected[position] == 0) continue;
        EXPECT_EQ(itemAt(menu.pageMenu(), position).id, expected[position]) << position;
    }
    HMENU fitModes = itemAt(menu.pageMenu(), 1).submenu;
    ASSERT_NE(fitModes, nullptr);
    EXPECT_EQ(itemAt(fitModes, 0).id, static_cast<UINT>(IDM_FIT_SHORTER));
    EXPECT_EQ(itemAt(fitModes, 3).id, static_cast<UINT>(IDM_FIT_ACTUAL));
}

TEST_F(StandSystemMenuTest, RestoreAndMaximizeAreGoneAndCloseIsRenamed) {
    menu.build(app, window);
    HMENU system = GetSystemMenu(window, FALSE);
    EXPECT_EQ(GetMenuState(system, SC_RESTORE, MF_BYCOMMAND), static_cast<UINT>(-1));
    EXPECT_EQ(GetMenuState(system, SC_MAXIMIZE, MF_BYCOMMAND), static_cast<UINT>(-1));
    wchar_t close[64] = {};
    GetMenuStringW(system, SC_CLOSE, close, 64, MF_BYCOMMAND);
    EXPECT_STREQ(close, L"閉じる(&C)");
}

}  // namespace
}  // namespace quillory
