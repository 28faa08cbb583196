#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>

#include <array>
#include <set>
#include <vector>

#include "base/dialog_font_win.h"
#include "base/tooltips_win.h"
#include "dialogs/animate_random_win.h"
#include "base/background_brush_win.h"
#include "dialogs/dialog_driver_win.h"
#include "dialogs/font_list_win.h"
#include "dialogs/panel_toolbar_win.h"
#include "resource.h"
#include "support/fake_platform.h"

namespace quillory {
namespace {

constexpr int kComboId = 1401;

INT_PTR CALLBACK plainDialog(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

// A modeless dialog from one of the program's templates, with the template's font.
struct TestDialog {
    UniqueWindow window{CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_MESSAGE), nullptr,
                                          plainDialog, 0)};
    HWND get() const { return window.get(); }
};

LOGFONTW describe(HFONT font) {
    LOGFONTW description{};
    GetObjectW(font, sizeof(description), &description);
    return description;
}

std::vector<std::wstring> comboEntries(HWND combo) {
    std::vector<std::wstring> entries;
    const auto count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        wchar_t name[LF_FACESIZE + 1]{};
        SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(name));
        entries.emplace_back(name);
    }
    return entries;
}

HWND addCombo(HWND dialog) {
    return CreateWindowExW(0, WC_COMBOBOXW, nullptr, WS_CHILD | CBS_DROPDOWNLIST | CBS_SORT, 0, 0, 100, 200, dialog,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(kComboId)), GetModuleHandleW(nullptr), nullptr);
}

TEST(FontList, ListsEveryTrueTypeFaceOnceAndNoVerticalFaces) {
    TestDialog dialog;
    HWND combo = addCombo(dialog.get());
    fillFontList(dialog.get(), kComboId, u"");
    const std::vector<std::wstring> entries = comboEntries(combo);
    ASSERT_FALSE(entries.empty());
    std::set<std::wstring> seen;
    for (const std::wstring& face : entries) {
        EXPECT_NE(face.front(), L'@') << "vertical face listed";
        std::wstring folded = face;
        CharUpperW(folded.data());
        EXPECT_TRUE(seen.insert(folded).second) << "listed twice";
    }
    // The IPA faces are reported for the Japanese and the Western character sets alike.
    EXPECT_TRUE(seen.count(L"IPAPGOTHIC") == 1);
}

std::wstring selectedEntry(HWND combo) {
    const auto selected = SendMessageW(combo, CB_GETCURSEL, 0, 0);
    if (selected < 0) return L"";
    return comboEntries(combo)[static_cast<std::size_t>(selected)];
}

// A face the system does not list under the saved name (a substitute, or gone) stays the face
// shown, as that name; nothing wanted shows the program's default face or the first.
TEST(FontList, ShowsTheWantedFaceEvenWhenTheSystemListsNoneOfThatName) {
    TestDialog dialog;
    HWND combo = addCombo(dialog.get());
    fillFontList(dialog.get(), kComboId, u"IPAPGothic");
    const auto listed = comboEntries(combo).size();
    EXPECT_EQ(selectedEntry(combo), L"IPAPGothic");

    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    fillFontList(dialog.get(), kComboId, u"No Such Face Anywhere");
    EXPECT_EQ(selectedEntry(combo), L"No Such Face Anywhere");
    EXPECT_EQ(comboEntries(combo).size(), listed + 1);

    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    fillFontList(dialog.get(), kComboId, u"");
    const std::vector<std::wstring> again = comboEntries(combo);
    const auto gothic = std::find(again.begin(), again.end(), L"ＭＳ Ｐゴシック");
    const auto expected = gothic == again.end() ? 0 : gothic - again.begin();
    EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), expected);
}

TEST(DialogFont, ChangesOnlyWhatIsAskedAndKeepsTheDialogFace) {
    TestDialog dialog;
    const LOGFONTW base = describe(reinterpret_cast<HFONT>(SendMessageW(dialog.get(), WM_GETFONT, 0, 0)));

    FontChange big;
    big.height = 35;
    big.weight = 900;
    big.underline = true;
    const UniqueFont made = createDialogFont(dialog.get(), big);
    ASSERT_TRUE(made);
    const LOGFONTW changed = describe(made.get());
    EXPECT_EQ(changed.lfHeight, 35);
    EXPECT_EQ(changed.lfWeight, 900);
    EXPECT_TRUE(changed.lfUnderline);
    EXPECT_FALSE(changed.lfItalic);
    EXPECT_EQ(changed.lfCharSet, DEFAULT_CHARSET);
    EXPECT_STREQ(changed.lfFaceName, base.lfFaceName);

    const UniqueFont kept = createDialogFont(dialog.get(), FontChange{});
    ASSERT_TRUE(kept);
    EXPECT_EQ(describe(kept.get()).lfHeight, base.lfHeight);
    EXPECT_EQ(describe(kept.get()).lfWeight, base.lfWeight);
}

TEST(DialogFont, FaceNamesAreCutAndAWindowWithoutFontGetsNone) {
    TestDialog dialog;
    FontChange face;
    face.faceName = Text(40, u'x');
    const UniqueFont made = createDialogFont(dialog.get(), face);
    ASSERT_TRUE(made);
    EXPECT_EQ(std::wstring(describe(made.get()).lfFaceName), std::wstring(31, L'x'));

    UniqueWindow bare(CreateWindowExW(0, L"STATIC", nullptr, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                     GetModuleHandleW(nullptr), nullptr));
    EXPECT_FALSE(createDialogFont(bare.get(), FontChange{}));
}

TEST(ToolTips, OneToolPerExistingControlWithItsText) {
    TestDialog dialog;
    const std::array<ToolTipPair, 3> pairs{{{IDC_MESSAGE_TEXT, u"本文\n二行目"}, {4242, u"ない"}, {IDOK, u"閉じる"}}};
    const UniqueWindow tips = addToolTips(dialog.get(), pairs);
    ASSERT_TRUE(tips);
    EXPECT_EQ(SendMessageW(tips.get(), TTM_GETTOOLCOUNT, 0, 0), 2);
    EXPECT_EQ(SendMessageW(tips.get(), TTM_GETMAXTIPWIDTH, 0, 0), 480);

    wchar_t text[64]{};
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = dialog.get();
    tool.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(dialog.get(), IDC_MESSAGE_TEXT));
    tool.lpszText = text;
    SendMessageW(tips.get(), TTM_GETTEXTW, 64, reinterpret_cast<LPARAM>(&tool));
    EXPECT_STREQ(text, L"本文\n二行目");
    EXPECT_EQ(GetWindow(tips.get(), GW_OWNER), dialog.get());
}

TEST(PanelToolbar, PressesOneButtonNamesThemAndTakesItsPlace) {
    TestDialog dialog;
    std::array<TBBUTTON, 3> buttons{};
    for (int i = 0; i < 3; ++i) {
        buttons[static_cast<std::size_t>(i)] = {i, 1201 + i, TBSTATE_ENABLED, BTNS_CHECKGROUP | BTNS_SHOWTEXT, {}, 0, i};
    }
    const std::array<Text, 3> texts{u"ページ", u"画像情報", u"表示"};
    PanelToolbarRequest request{buttons, texts, IDI_QUILLORY, Rect{5, 16, 88, 260}, Size{86, 60}, 1, 24};
    HWND toolbar = createPanelToolbar(dialog.get(), request);
    ASSERT_NE(toolbar, nullptr);
    EXPECT_EQ(GetDlgCtrlID(toolbar), IDC_PANEL_TOOLBAR);
    EXPECT_EQ(SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0), 3);
    EXPECT_TRUE(SendMessageW(toolbar, TB_ISBUTTONCHECKED, 1202, 0));
    EXPECT_FALSE(SendMessageW(toolbar, TB_ISBUTTONCHECKED, 1201, 0));

    wchar_t text[32]{};
    SendMessageW(toolbar, TB_GETBUTTONTEXTW, 1203, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, L"表示");
    const RECT at = testing::clientRectOf(dialog.get(), toolbar);
    EXPECT_EQ(at.left, 5);
    EXPECT_EQ(at.top, 16);
    EXPECT_EQ(at.right - at.left, 88);
    EXPECT_EQ(at.bottom - at.top, 260);
    DestroyWindow(toolbar);

    // The table remembers the pressed button; a new choice moves it.
    request.checkedIndex = 2;
    toolbar = createPanelToolbar(dialog.get(), request);
    EXPECT_EQ(buttons[1].fsState & TBSTATE_CHECKED, 0);
    EXPECT_NE(buttons[2].fsState & TBSTATE_CHECKED, 0);
    EXPECT_TRUE(SendMessageW(toolbar, TB_ISBUTTONCHECKED, 1203, 0));
    DestroyWindow(toolbar);
    request.checkedIndex = -1;
    toolbar = createPanelToolbar(dialog.get(), request);
    EXPECT_TRUE(SendMessageW(toolbar, TB_ISBUTTONCHECKED, 1203, 0));
}

TEST(BackgroundBrush, PatternContinuesIntoABorderedControl) {
    TestDialog dialog;
    HWND control = CreateWindowExW(WS_EX_CLIENTEDGE, L"STATIC", L"", WS_CHILD | WS_VISIBLE | WS_BORDER, 70, 41, 90, 30,
                                   dialog.get(), nullptr, GetModuleHandleW(nullptr), nullptr);
    POINT dialogOrigin{0, 0};
    POINT controlOrigin{0, 0};
    ClientToScreen(dialog.get(), &dialogOrigin);
    ClientToScreen(control, &controlOrigin);
    const int dx = controlOrigin.x - dialogOrigin.x;
    const int dy = controlOrigin.y - dialogOrigin.y;
    ASSERT_GT(dx, 70);  // the border moves the control's client area in

    HDC dc = GetDC(control);
    alignBackgroundBrush(dialog.get(), control, dc, Size{48, 48});
    POINT origin{};
    GetBrushOrgEx(dc, &origin);
    ReleaseDC(control, dc);
    EXPECT_EQ(origin.x, 48 - dx % 48 + 12);
    EXPECT_EQ(origin.y, 48 - dy % 48 + 16);
}

TEST(AnimateRandom, IconComesBackAfterItsJump) {
    TestDialog dialog;
    ShowWindow(dialog.get(), SW_SHOW);
    HWND icon = GetDlgItem(dialog.get(), IDC_BIG_ICON);
    testing::ScriptedRandom random;
    random.values = {8, 9};
    jumpIcon(icon, random);
    EXPECT_TRUE(IsWindowVisible(icon));
    EXPECT_EQ(random.position, 2u);
}

}  // namespace
}  // namespace quillory
