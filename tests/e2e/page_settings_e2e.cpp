// The Page settings dialog reached from the stand: what OK, キャンセル and "初期値設定..." leave in
// the tabs and the album.
#include "stand_test.h"

#include "input.h"
#include "resource.h"

#include <string>
#include <vector>

namespace quillory::e2e {
namespace {

Bytes albumOfTwo() {
    AlbumText album;
    album.section(L"Quillory", {{L"TabNumber", L"0"}, {L"PageCount", L"2"}});
    album.section(L"Page1", {{L"PageVer", L"100"}, {L"Label", L"A"}});
    album.section(L"Page2", {{L"PageVer", L"100"}, {L"Label", L"B"}});
    return album.bytes();
}

class PageSettingsTest : public StandTest {
protected:
    HWND start() {
        EXPECT_TRUE(writeFileBytes(sandbox_.file(L"pages.qalbum"), albumOfTwo()));
        app_ = launch(L"pages");
        return app_ ? waitForStand(*app_, L"pages") : nullptr;
    }
    // The dialog for the current Page, opened as the menu command does.
    HWND openSettings(HWND stand, const std::wstring& label) {
        if (!postCommand(stand, IDM_PAGE_SETTINGS)) return nullptr;
        return waitForTopLevelWindow({L"#32770", L"Quillory - ページ \"" + label + L"\" の設定", app_->id(), true});
    }
    // The panel the dialog shows once it holds control `id`.
    HWND panelWith(HWND dialog, int id) {
        HWND found = nullptr;
        waitUntil([&] {
            HWND panel = FindWindowExW(dialog, nullptr, L"#32770", nullptr);
            found = panel != nullptr && GetDlgItem(panel, id) != nullptr ? panel : nullptr;
            return found != nullptr;
        });
        return found;
    }
    bool chooseFitMode(HWND dialog, int mode) {
        if (!postCommand(dialog, IDM_PANEL_DISPLAY_SIZE)) return false;
        HWND panel = panelWith(dialog, IDC_FIT_MODE);
        HWND combo = GetDlgItem(panel, IDC_FIT_MODE);
        return panel != nullptr && sendMessage(combo, CB_SETCURSEL, static_cast<WPARAM>(mode)) &&
               sendMessage(panel, WM_COMMAND, MAKEWPARAM(IDC_FIT_MODE, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
    }
    // The program's own question, once it shows over the dialog.
    HWND waitForQuestion(HWND stand, HWND dialog) {
        HWND found = nullptr;
        waitUntil([&] {
            for (HWND window : topLevelWindows({L"#32770", L"Quillory", app_->id(), true})) {
                if (window != stand && window != dialog) found = window;
            }
            return found != nullptr;
        });
        return found;
    }
    std::wstring closedAlbum(HWND stand) {
        EXPECT_EQ(closeStand(*app_, stand), std::optional<DWORD>(0));
        return albumText(L"pages.qalbum").value_or(L"");
    }
    static bool has(const std::wstring& album, const std::wstring& section, const std::wstring& line) {
        return sectionBody(album, section).value_or(L"").find(line + L"\r\n") != std::wstring::npos;
    }

    std::optional<AppProcess> app_;
};

TEST_F(PageSettingsTest, ALabelTypedBeforeSwitchingPanelsReachesTheTabAndTheAlbum) {
    HWND stand = start();
    ASSERT_NE(stand, nullptr);
    HWND dialog = openSettings(stand, L"A");
    ASSERT_NE(dialog, nullptr);
    HWND contents = panelWith(dialog, IDC_CONTENTS_LABEL);
    ASSERT_NE(contents, nullptr);
    ASSERT_TRUE(sendMessage(GetDlgItem(contents, IDC_CONTENTS_LABEL), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Beach")));
    ASSERT_TRUE(postCommand(dialog, IDM_PANEL_TEXT));
    ASSERT_NE(panelWith(dialog, IDC_TEXT_FONT), nullptr);
    ASSERT_TRUE(postCommand(dialog, IDOK));
    const std::vector<std::wstring> expected{L"Beach", L"B"};
    EXPECT_EQ(waitForValue([&] { return tabs(stand); }, expected), expected);
    EXPECT_TRUE(has(closedAlbum(stand), L"Page1", L"Label=Beach"));
}

TEST_F(PageSettingsTest, CancelPutsTheFitModeShownMeanwhileBack) {
    HWND stand = start();
    ASSERT_NE(stand, nullptr);
    HWND dialog = openSettings(stand, L"A");
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(chooseFitMode(dialog, 3));
    ASSERT_TRUE(postCommand(dialog, IDCANCEL));
    ASSERT_TRUE(waitUntil([&] { return !IsWindow(dialog); }));
    const std::wstring album = closedAlbum(stand);
    EXPECT_TRUE(has(album, L"Page1", L"PhotoFlag=65728"));
}

TEST_F(PageSettingsTest, SetAsDefaultAnsweredYesGivesNewPagesTheMode) {
    HWND stand = start();
    ASSERT_NE(stand, nullptr);
    HWND dialog = openSettings(stand, L"A");
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(chooseFitMode(dialog, 3));
    ASSERT_TRUE(PostMessageW(panelWith(dialog, IDC_FIT_MODE), WM_COMMAND, IDC_SET_AS_DEFAULT, 0));
    HWND question = waitForQuestion(stand, dialog);
    ASSERT_NE(question, nullptr);
    ASSERT_TRUE(PostMessageW(question, WM_COMMAND, MAKEWPARAM(IDYES, BN_CLICKED), 0));
    ASSERT_TRUE(waitUntil([&] { return !IsWindow(question); }));
    ASSERT_TRUE(postCommand(dialog, IDOK));
    ASSERT_TRUE(waitUntil([&] { return !IsWindow(dialog); }));
    ASSERT_TRUE(postCommand(stand, IDM_NEW_PAGE));
    const std::vector<std::wstring> three{L"A", L"B", L"Page3"};
    ASSERT_EQ(waitForValue([&] { return tabs(stand); }, three), three);
    const std::wstring album = closedAlbum(stand);
    EXPECT_TRUE(has(album, L"Page-Default", L"PhotoFlag=65731"));
    EXPECT_TRUE(has(album, L"Page3", L"PhotoFlag=65731"));
}

}  // namespace
}  // namespace quillory::e2e
