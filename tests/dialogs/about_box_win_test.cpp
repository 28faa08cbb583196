#include "dialogs/about_box_win.h"

#include <gtest/gtest.h>

#include "dialogs/dialog_driver_win.h"
#include "resource.h"
#include "support/fake_platform.h"

namespace quillory {
namespace {

using testing::itemText;
using testing::ModalDriver;

bool endsWith(const std::wstring& text, const std::wstring& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

bool isClockTime(const std::wstring& text) {
    if (text.size() != 8 || text[2] != L':' || text[5] != L':') return false;
    for (std::size_t i : {0u, 1u, 3u, 4u, 6u, 7u}) {
        if (text[i] < L'0' || text[i] > L'9') return false;
    }
    return true;
}

struct StandWindow {
    HWND window = CreateWindowExW(0, L"STATIC", L"stand", WS_POPUP | WS_VISIBLE, 100, 100, 400, 300, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    ~StandWindow() { DestroyWindow(window); }
};

TEST(AboutBox, ShowsItsLinesBesideTheStand) {
    StandWindow stand;
    testing::ScriptedRandom random;
    random.values = {0};
    DialogHost host;
    host.standWindow = stand.window;
    host.osVersionCode = 1000;
    host.random = &random;

    ModalDriver driver([](HWND dialog) {
        testing::saveScreenshot(dialog, "about");
        EXPECT_EQ(testing::windowText(dialog), L"Quillory - バージョン情報");
        EXPECT_EQ(itemText(dialog, IDC_ABOUT_TITLE), L"Quillory ver.5.0.1");
        EXPECT_EQ(itemText(dialog, IDC_HOME_LINK), L"https://quillory.example.org/");

        const std::wstring build = itemText(dialog, IDC_ABOUT_BUILD);
        ASSERT_EQ(build.size(), 8u + 11u + 2u + 8u) << build;
        EXPECT_EQ(build.substr(0, 8), L"Build : ");
        EXPECT_EQ(build.substr(19, 2), L", ");
        EXPECT_TRUE(isClockTime(build.substr(21))) << build;

        const std::wstring system = itemText(dialog, IDC_ABOUT_SYSTEM);
        EXPECT_EQ(system.rfind(L"Windows Version : ", 0), 0u) << system;
        EXPECT_TRUE(endsWith(system, L", 64bit,")) << system;

        const std::wstring compiler = itemText(dialog, IDC_ABOUT_COMPILER);
        EXPECT_EQ(compiler.rfind(L"MinGW-w64 GCC ", 0), 0u) << compiler;
        EXPECT_NE(compiler.find(L" : " + std::to_wstring(__GNUC__) + L"."), std::wstring::npos) << compiler;

        const std::wstring album = itemText(dialog, IDC_ABOUT_ALBUM);
        EXPECT_NE(album, L"File:");
        EXPECT_TRUE(endsWith(album, L"Quillory.qalbum")) << album;
        EXPECT_EQ(album.find(L'\\'), std::wstring::npos) << album;

        // Margins with rand() giving 0 on Windows 10: 13 across, 8 down; left edges meet 5 in.
        RECT frame{};
        GetWindowRect(dialog, &frame);
        EXPECT_EQ(frame.left, 100 + 5);
        EXPECT_EQ(frame.top, 100 + 300 + 8);

        HWND icon = GetDlgItem(dialog, IDC_BIG_ICON);
        EXPECT_TRUE(IsWindowVisible(icon));
        RECT iconArea{};
        GetClientRect(icon, &iconArea);
        EXPECT_EQ(iconArea.right, 48);
        EXPECT_EQ(iconArea.bottom, 48);
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_BIG_ICON, STN_CLICKED), reinterpret_cast<LPARAM>(icon));
        EXPECT_TRUE(IsWindowVisible(icon));

        SendMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    });
    EXPECT_EQ(showAboutBox(stand.window, u"C:\\albums\\Quillory.qalbum", host), 1);
    EXPECT_TRUE(driver.ran());
    // Two margins drawn for the placement, two effects for the icon's jump.
    EXPECT_EQ(random.position, 4u);
}

TEST(AboutBox, LinkIsAsWideAsItsTextInTheLargerFont) {
    ModalDriver driver([](HWND dialog) {
        HWND link = GetDlgItem(dialog, IDC_HOME_LINK);
        const auto font = reinterpret_cast<HFONT>(SendMessageW(link, WM_GETFONT, 0, 0));
        LOGFONTW description{};
        ASSERT_EQ(GetObjectW(font, sizeof(description), &description), static_cast<int>(sizeof(description)));
        EXPECT_EQ(description.lfHeight, 18);
        EXPECT_TRUE(description.lfUnderline);

        HDC dc = GetDC(link);
        HGDIOBJ previous = SelectObject(dc, font);
        SIZE extent{};
        const std::wstring text = testing::windowText(link);
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
        SelectObject(dc, previous);
        ReleaseDC(link, dc);
        RECT area{};
        GetClientRect(link, &area);
        EXPECT_EQ(area.right, extent.cx);
        EXPECT_EQ(area.bottom, extent.cy);

        const auto titleFont = reinterpret_cast<HFONT>(SendDlgItemMessageW(dialog, IDC_ABOUT_TITLE, WM_GETFONT, 0, 0));
        ASSERT_EQ(GetObjectW(titleFont, sizeof(description), &description), static_cast<int>(sizeof(description)));
        EXPECT_EQ(description.lfHeight, 35);
        EXPECT_EQ(description.lfWeight, 900);
        // The big title keeps one line and stays clear of the OK button.
        const RECT title = testing::clientRectOf(dialog, GetDlgItem(dialog, IDC_ABOUT_TITLE));
        const RECT ok = testing::clientRectOf(dialog, GetDlgItem(dialog, IDOK));
        EXPECT_LE(title.right, ok.left);
        EXPECT_LE(title.bottom - title.top, 35 + 8);
        PostMessageW(dialog, WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(showAboutBox(nullptr, u"D:\\Quillory.qalbum", DialogHost{}), 1);
    EXPECT_TRUE(driver.ran());
}

}  // namespace
}  // namespace quillory
