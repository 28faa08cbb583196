// The hidden HostWindow's part in what a person sees: Ctrl+Tab, Ctrl+Shift+Tab and Alt+M move
// between the tabs, the taskbar setting decides the minimise box, and closing ends the process.
#include "stand_test.h"

#include "input.h"

#include <string>
#include <vector>

namespace quillory::e2e {
namespace {

constexpr WORD kKeyM = 'M';

// An album of four Pages; `mainPage` (or none when negative) carries the main-page mark.
Bytes albumOfFourPages(int tabNumber, int mainPage, const std::wstring& tabStyle = L"78080") {
    AlbumText album;
    album.section(L"Quillory", {{L"TabStyle", tabStyle}, {L"TabNumber", std::to_wstring(tabNumber)}, {L"PageCount", L"4"}});
    for (int page = 0; page < 4; ++page) {
        const std::wstring flag = page == mainPage ? L"32768" : L"0";
        album.section(L"Page" + std::to_wstring(page + 1), {{L"Label", L"P" + std::to_wstring(page + 1)}, {L"Flag", flag}});
    }
    return album.bytes();
}

class HostWindowTest : public StandTest {
protected:
    // Starts the album, waits for its stand and makes it the foreground window.
    HWND start(const Bytes& album) {
        HWND stand = startAlbum(L"keys", album);
        if (stand != nullptr) activate(stand);
        return stand;
    }

    // Presses the keys and waits for the tab they should select; returns the tab the stand shows.
    std::optional<int> selectedTabAfter(HWND stand, std::initializer_list<WORD> keys, int expected) {
        EXPECT_TRUE(pressKeys(keys));
        return waitForValue([&] { return selectedTab(tabControl(stand)); }, std::optional<int>(expected));
    }
};

TEST_F(HostWindowTest, CtrlTabWrapsFromTheLastTabToTheFirstAndBack) {
    HWND stand = start(albumOfFourPages(3, -1));
    ASSERT_NE(stand, nullptr);
    EXPECT_EQ(selectedTab(tabControl(stand)), std::optional<int>(3));
    EXPECT_EQ(selectedTabAfter(stand, {VK_CONTROL, VK_TAB}, 0), std::optional<int>(0));
    EXPECT_EQ(selectedTabAfter(stand, {VK_CONTROL, VK_SHIFT, VK_TAB}, 3), std::optional<int>(3));
    EXPECT_EQ(selectedTabAfter(stand, {VK_CONTROL, VK_SHIFT, VK_TAB}, 2), std::optional<int>(2));

    // The album remembers the tab that was current when the stand closed.
    EXPECT_EQ(closeStand(*app_, stand), std::optional<DWORD>(0));
    const auto text = albumText(L"keys.qalbum");
    ASSERT_TRUE(text.has_value());
    EXPECT_NE(sectionBody(*text, L"Quillory").value_or(L"").find(L"TabNumber=2\r\n"), std::wstring::npos);
}

TEST_F(HostWindowTest, AltMGoesToTheMainPageAndDoesNothingThere) {
    HWND stand = start(albumOfFourPages(0, 2));
    ASSERT_NE(stand, nullptr);
    EXPECT_EQ(selectedTabAfter(stand, {VK_MENU, kKeyM}, 2), std::optional<int>(2));
    HWND view = pageView(stand);
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(pressKeys({VK_MENU, kKeyM}));
    // Keys are handled in order: once the system menu of Alt+Space shows, the second Alt+M is done.
    EXPECT_TRUE(pressKeys({VK_MENU, VK_SPACE}));
    EXPECT_NE(waitForTopLevelWindow({L"#32768", std::nullopt, app_->id(), true}), nullptr);
    EXPECT_EQ(pageView(stand), view) << "the main Page's view was built again";
    EXPECT_EQ(selectedTab(tabControl(stand)), std::optional<int>(2));
    EXPECT_TRUE(pressKeys({VK_ESCAPE}));
    EXPECT_EQ(closeStand(*app_, stand), std::optional<DWORD>(0));
}

TEST_F(HostWindowTest, AltMWithoutAMainPageGoesToPageZero) {
    HWND stand = start(albumOfFourPages(3, -1));
    ASSERT_NE(stand, nullptr);
    EXPECT_EQ(selectedTabAfter(stand, {VK_MENU, kKeyM}, 0), std::optional<int>(0));
    EXPECT_EQ(closeStand(*app_, stand), std::optional<DWORD>(0));
}

TEST_F(HostWindowTest, WithoutATaskbarButtonTheStandIsOwnedAndHasNoMinimiseBox) {
    // 78080 is the default TabStyle; 0x200 keeps the stand off the taskbar.
    HWND stand = start(albumOfFourPages(0, -1, std::to_wstring(78080 | 0x200)));
    ASSERT_NE(stand, nullptr);
    EXPECT_EQ(windowStyle(stand) & WS_MINIMIZEBOX, 0);
    EXPECT_EQ(windowOwner(stand), findHost(*app_));
    EXPECT_EQ(closeStand(*app_, stand), std::optional<DWORD>(0));
}

TEST_F(HostWindowTest, WithATaskbarButtonTheStandStandsAloneWithAMinimiseBox) {
    HWND stand = start(albumOfFourPages(0, -1));
    ASSERT_NE(stand, nullptr);
    EXPECT_NE(windowStyle(stand) & WS_MINIMIZEBOX, 0);
    EXPECT_EQ(windowOwner(stand), nullptr);
    HWND host = findHost(*app_);
    ASSERT_NE(host, nullptr);
    EXPECT_FALSE(IsWindowVisible(host));
    EXPECT_EQ(closeStand(*app_, stand), std::optional<DWORD>(0));
}

TEST_F(HostWindowTest, ClosingTheHostFirstStillSavesAndEnds) {
    HWND stand = start(albumOfFourPages(1, -1));
    ASSERT_NE(stand, nullptr);
    HWND host = findHost(*app_);
    ASSERT_NE(host, nullptr);
    // What log-off does: the host asks the stand to close before it goes.
    ASSERT_TRUE(postClose(host));
    EXPECT_EQ(app_->waitForExit(), std::optional<DWORD>(0));
    const auto text = albumText(L"keys.qalbum");
    ASSERT_TRUE(text.has_value());
    // Only a save writes the history keys, which the test's album does not have.
    EXPECT_NE(sectionBody(*text, L"Quillory").value_or(L"").find(L"HistoryFileNumber01=-1\r\n"), std::wstring::npos);
}

}  // namespace
}  // namespace quillory::e2e
