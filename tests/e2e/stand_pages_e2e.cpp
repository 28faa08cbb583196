// The stand's Pages as a person works with them: tabs, new, duplicate and delete Page, fit
// modes; what the album holds after the program has closed.
#include "stand_test.h"

#include "input.h"
#include "resource.h"

#include <commctrl.h>

#include <string>
#include <vector>

namespace quillory::e2e {
namespace {

using Tabs = std::vector<std::wstring>;

// Five Pages labelled A to E, tab `tabNumber` current.
Bytes albumOfFive(int tabNumber) {
    AlbumText album;
    album.section(L"Quillory", {{L"TabNumber", std::to_wstring(tabNumber)}, {L"PageCount", L"5"}});
    for (int page = 0; page < 5; ++page) {
        album.section(L"Page" + std::to_wstring(page + 1),
                      {{L"PageVer", L"100"}, {L"Label", std::wstring(1, static_cast<wchar_t>(L'A' + page))}});
    }
    return album.bytes();
}

class StandPagesTest : public StandTest {
protected:
    HWND start(const Bytes& album) { return startAlbum(L"pages", album); }
    Tabs tabsAfter(HWND stand, const Tabs& expected) {
        return waitForValue([&] { return tabs(stand); }, expected);
    }
    std::optional<int> selected(HWND stand) { return selectedTab(tabControl(stand)); }
    static std::wstring section(const std::wstring& album, const std::wstring& name) {
        return sectionBody(album, name).value_or(L"<no section>");
    }
    static bool has(const std::wstring& body, const std::wstring& line) { return body.find(line + L"\r\n") != std::wstring::npos; }
};

TEST_F(StandPagesTest, AChosenTabIsCurrentWhenTheAlbumCloses) {
    HWND stand = start(albumOfFive(0));
    ASSERT_NE(stand, nullptr);
    // Moving the tab control's focus selects the tab with the same change notices a click sends
    // (a click itself lands unreliably on Wine's desktop while the stand is still settling).
    ASSERT_TRUE(sendMessage(tabControl(stand), TCM_SETCURFOCUS, 3));
    EXPECT_EQ(waitForValue([&] { return selected(stand); }, std::optional<int>(3)), std::optional<int>(3));
    EXPECT_TRUE(has(section(closedAlbum(stand), L"Quillory"), L"TabNumber=3"));
}

TEST_F(StandPagesTest, ANewPageTakesTheDefaultsAndIsSelected) {
    HWND stand = start(albumOfFive(1));
    ASSERT_NE(stand, nullptr);
    ASSERT_TRUE(postCommand(stand, IDM_NEW_PAGE));
    EXPECT_EQ(tabsAfter(stand, {L"A", L"B", L"C", L"D", L"E", L"Page6"}), (Tabs{L"A", L"B", L"C", L"D", L"E", L"Page6"}));
    EXPECT_EQ(selected(stand), std::optional<int>(5));

    const std::wstring album = closedAlbum(stand);
    EXPECT_TRUE(has(section(album, L"Quillory"), L"PageCount=6"));
    EXPECT_TRUE(has(section(album, L"Quillory"), L"TabNumber=5"));
    const std::wstring added = section(album, L"Page6");
    for (const wchar_t* line : {L"Label=Page6", L"Comment000=Page6 コメント", L"FontName=MS UI Gothic", L"FontSize=13",
                                L"FontColorBk2=15263976", L"PhotoFlag=65728", L"File="}) {
        EXPECT_TRUE(has(added, line)) << "no " << testing::PrintToString(std::wstring(line)) << " in\n" << testing::PrintToString(added);
    }
}

TEST_F(StandPagesTest, ASystemMenuNewPageCarriesNoPath) {
    HWND stand = start(albumOfFive(0));
    ASSERT_NE(stand, nullptr);
    // The system menu's commands come with the cursor position where a posted one has its path.
    ASSERT_TRUE(PostMessageW(stand, WM_SYSCOMMAND, IDM_NEW_PAGE, MAKELPARAM(40, 30)));
    EXPECT_EQ(tabsAfter(stand, {L"A", L"B", L"C", L"D", L"E", L"Page6"}), (Tabs{L"A", L"B", L"C", L"D", L"E", L"Page6"}));
    EXPECT_TRUE(has(section(closedAlbum(stand), L"Page6"), L"File="));
}

TEST_F(StandPagesTest, ANewPageCommandFromAnotherProcessNeverReadsItsParameter) {
    HWND stand = start(albumOfFive(0));
    ASSERT_NE(stand, nullptr);
    // From this process the parameter is just a number, not the address of a path in the program:
    // the command adds a plain Page, as the menu's does.
    ASSERT_TRUE(PostMessageW(stand, WM_COMMAND, IDM_NEW_PAGE, 0x1234));
    EXPECT_EQ(tabsAfter(stand, {L"A", L"B", L"C", L"D", L"E", L"Page6"}), (Tabs{L"A", L"B", L"C", L"D", L"E", L"Page6"}));
    EXPECT_TRUE(app_->running());

    const std::wstring album = closedAlbum(stand);
    EXPECT_TRUE(has(section(album, L"Quillory"), L"PageCount=6"));
    EXPECT_TRUE(has(section(album, L"Page6"), L"File="));
}

TEST_F(StandPagesTest, DuplicatingPageTwoOfFiveSelectsTheCopy) {
    HWND stand = start(albumOfFive(2));
    ASSERT_NE(stand, nullptr);
    ASSERT_TRUE(postCommand(stand, IDM_DUPLICATE_PAGE));
    EXPECT_EQ(tabsAfter(stand, {L"A", L"B", L"C", L"C", L"D", L"E"}), (Tabs{L"A", L"B", L"C", L"C", L"D", L"E"}));
    EXPECT_EQ(selected(stand), std::optional<int>(3));
    const std::wstring album = closedAlbum(stand);
    EXPECT_TRUE(has(section(album, L"Quillory"), L"TabNumber=3"));
    EXPECT_TRUE(has(section(album, L"Page4"), L"Label=C"));
    EXPECT_TRUE(has(section(album, L"Page6"), L"Label=E"));
}

// More Pages than a run holds: the window shows the first ones as tabs and says so over them; a
// new Page is refused with the same word, and the file keeps every Page as it was.
TEST_F(StandPagesTest, AnAlbumOfThreeThousandPagesShowsTheFirstThousandAndSaysSo) {
    AlbumText album;
    album.section(L"Quillory", {{L"PageCount", L"3000"}});
    for (int page = 1; page <= 3000; ++page) {
        album.section(L"Page" + std::to_wstring(page), {{L"PageVer", L"100"}, {L"Label", L"P" + std::to_wstring(page)}});
    }
    HWND stand = start(album.bytes());
    ASSERT_NE(stand, nullptr);
    const auto notice = [&] {
        return waitFor([&] {
            const std::vector<HWND> boxes = messageBoxes({stand});
            return boxes.empty() ? HWND{} : boxes.back();
        });
    };
    HWND box = notice();
    ASSERT_NE(box, nullptr) << "no notice over the window";
    EXPECT_TRUE(IsWindowVisible(box));
    const std::wstring said = windowText(GetDlgItem(box, IDC_MESSAGE_TEXT));
    EXPECT_NE(said.find(L"3000 ページ"), std::wstring::npos);
    EXPECT_NE(said.find(L"最初の 1000 ページ"), std::wstring::npos);
    const Tabs shown = tabs(stand);
    ASSERT_EQ(shown.size(), 1000u);
    EXPECT_EQ(shown.back(), L"P1000");
    ASSERT_TRUE(answer({stand}, IDOK));

    ASSERT_TRUE(postCommand(stand, IDM_NEW_PAGE));
    ASSERT_TRUE(answer({stand}, IDOK)) << "a new Page is refused with a word";
    EXPECT_EQ(tabs(stand).size(), 1000u);
    const std::wstring saved = closedAlbum(stand);
    EXPECT_TRUE(has(section(saved, L"Quillory"), L"PageCount=3000"));
    EXPECT_TRUE(has(section(saved, L"Page3000"), L"Label=P3000"));
    EXPECT_TRUE(has(section(saved, L"Page1001"), L"Label=P1001"));
}

TEST_F(StandPagesTest, DeletingAsksFirstAndSelectsTheTabBefore) {
    HWND stand = start(albumOfFive(0));
    ASSERT_NE(stand, nullptr);
    ASSERT_TRUE(postCommand(stand, IDM_DELETE_PAGE));
    ASSERT_TRUE(answer({stand}, IDYES));
    EXPECT_EQ(tabsAfter(stand, {L"B", L"C", L"D", L"E"}), (Tabs{L"B", L"C", L"D", L"E"}));
    EXPECT_EQ(selected(stand), std::optional<int>(0)) << "tab 0 stays selected, now the next Page";

    ASSERT_TRUE(postCommand(stand, IDM_PAGE_FIRST + 2));  // D, from the Page menu
    EXPECT_EQ(waitForValue([&] { return selected(stand); }, std::optional<int>(2)), std::optional<int>(2));
    ASSERT_TRUE(postCommand(stand, IDM_DELETE_PAGE));
    ASSERT_TRUE(answer({stand}, IDNO));
    ASSERT_TRUE(postCommand(stand, IDM_DELETE_PAGE));
    ASSERT_TRUE(answer({stand}, IDYES));
    // Had いいえ deleted, the second はい would have left two Pages.
    EXPECT_EQ(tabsAfter(stand, {L"B", L"C", L"E"}), (Tabs{L"B", L"C", L"E"}));
    EXPECT_EQ(selected(stand), std::optional<int>(1));

    const std::wstring album = closedAlbum(stand);
    EXPECT_TRUE(has(section(album, L"Quillory"), L"PageCount=3"));
    EXPECT_TRUE(has(section(album, L"Page3"), L"Label=E"));
    EXPECT_EQ(sectionBody(album, L"Page4"), std::nullopt);
    EXPECT_EQ(sectionBody(album, L"Page5"), std::nullopt);
}

TEST_F(StandPagesTest, FitModesAreSavedWithTheirPage) {
    HWND stand = start(albumOfFive(0));
    ASSERT_NE(stand, nullptr);
    ASSERT_TRUE(postCommand(stand, IDM_FIT_LONGER));
    ASSERT_TRUE(postCommand(stand, IDM_PAGE_FIRST + 1));
    ASSERT_TRUE(postCommand(stand, IDM_FIT_ACTUAL));
    ASSERT_TRUE(postCommand(stand, IDM_PAGE_FIRST + 2));
    ASSERT_TRUE(postCommand(stand, IDM_FIT_BOTH));
    ASSERT_TRUE(postCommand(stand, IDM_FIT_SHORTER));
    ASSERT_EQ(waitForValue([&] { return selected(stand); }, std::optional<int>(2)), std::optional<int>(2));
    const std::wstring album = closedAlbum(stand);
    EXPECT_TRUE(has(section(album, L"Page1"), L"PhotoFlag=65729"));
    EXPECT_TRUE(has(section(album, L"Page2"), L"PhotoFlag=65731"));
    EXPECT_TRUE(has(section(album, L"Page3"), L"PhotoFlag=65728"));
}

// The tab row's hook, reached with the messages a mouse sends it (real clicks land unreliably on
// Wine's desktop while the stand settles).
TEST_F(StandPagesTest, OnATabADoubleClickOpensItsPageSettingsAndTheRightButtonTheMenu) {
    HWND stand = start(albumOfFive(0));
    ASSERT_NE(stand, nullptr);
    HWND tabs = tabControl(stand);
    ASSERT_TRUE(PostMessageW(tabs, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(10, 8)));
    HWND settings = waitForTopLevelWindow({L"#32770", L"Quillory - ページ \"A\" の設定", app_->id(), true});
    ASSERT_NE(settings, nullptr);
    ASSERT_TRUE(closeDialog(settings, IDCANCEL));

    ASSERT_TRUE(activate(stand));
    ASSERT_TRUE(PostMessageW(tabs, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, 8)));
    HWND menu = waitForTopLevelWindow({L"#32768", std::nullopt, app_->id(), true});
    ASSERT_NE(menu, nullptr);
    ASSERT_TRUE(pressKeys({VK_ESCAPE}));
    EXPECT_TRUE(waitUntil([&] { return !IsWindowVisible(menu); }));
    EXPECT_EQ(closeStand(*app_, stand), std::optional<DWORD>(0));
}

TEST_F(StandPagesTest, TheWheelScrollsAOneRowTabStripThatDoesNotFit) {
    AlbumText album;
    album.section(L"Quillory", {{L"TabNumber", L"0"}, {L"PageCount", L"12"}});
    for (int page = 1; page <= 12; ++page) {
        album.section(L"Page" + std::to_wstring(page), {{L"PageVer", L"100"}, {L"Label", L"A rather long label " + std::to_wstring(page)}});
    }
    HWND stand = start(album.bytes());
    ASSERT_NE(stand, nullptr);
    HWND tabs = tabControl(stand);
    HWND arrows = waitFor([&] { return FindWindowExW(tabs, nullptr, L"msctls_updown32", nullptr); });
    ASSERT_NE(arrows, nullptr);
    const auto position = [&] { return sendMessage(arrows, UDM_GETPOS32); };
    ASSERT_EQ(position(), std::optional<LRESULT>(0));
    const RECT frame = windowRect(tabs);
    const LPARAM at = MAKELPARAM(frame.left + 20, frame.top + 10);
    ASSERT_TRUE(PostMessageW(tabs, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), at));
    EXPECT_EQ(waitForValue(position, std::optional<LRESULT>(1)), std::optional<LRESULT>(1)) << "towards the person: on";
    ASSERT_TRUE(PostMessageW(tabs, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(WHEEL_DELTA)), at));
    ASSERT_TRUE(PostMessageW(tabs, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(WHEEL_DELTA)), at));
    ASSERT_EQ(waitForValue(position, std::optional<LRESULT>(0)), std::optional<LRESULT>(0));
    ASSERT_TRUE(PostMessageW(tabs, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), at));
    // The second turn away found the first tab in front and did nothing; had it gone past, this
    // turn would only come back to the first.
    EXPECT_EQ(waitForValue(position, std::optional<LRESULT>(1)), std::optional<LRESULT>(1));
    EXPECT_EQ(closeStand(*app_, stand), std::optional<DWORD>(0));
}

}  // namespace
}  // namespace quillory::e2e
