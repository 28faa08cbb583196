#include "dialogs/message_dialog_win.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "base/wide_win.h"
#include "dialogs/dialog_driver_win.h"
#include "resource.h"

namespace quillory {
namespace {

using testing::ModalDriver;

const Text kThreeLines =
    u"このページを削除してもよろしいですか。削除したページは元に戻せません。\r\n"
    u"ページのラベル、コメント、画像の指定、文字と色の設定がすべて失われます。\r\n"
    u"よろしければ「はい」を、やめるときは「いいえ」を押してください。";

MessageRequest yesNo(const Text& text) { return {0x104, 0, u"Quillory", text}; }

bool shown(HWND dialog, int id) { return IsWindowVisible(GetDlgItem(dialog, id)) != FALSE; }

void click(HWND dialog, int id) { SendMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

void pressEscape(HWND dialog) {
    HWND focus = GetFocus();
    PostMessageW(focus != nullptr ? focus : dialog, WM_KEYDOWN, VK_ESCAPE, 0);
    PostMessageW(focus != nullptr ? focus : dialog, WM_KEYUP, VK_ESCAPE, 0);
}

// The widest line and the total height of the text in the text control's own font.
SIZE linesExtent(HWND control, const Text& text) {
    HDC dc = GetDC(control);
    HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    SIZE total{};
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(u"\r\n", start);
        if (end == Text::npos) end = text.size();
        SIZE line{};
        GetTextExtentPoint32W(dc, wide(text) + start, static_cast<int>(end - start), &line);
        total.cx = std::max(total.cx, line.cx);
        total.cy += line.cy;
        start = end + 2;
    }
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
    return total;
}

SIZE templateClientSize(HWND dialog) {
    RECT units{0, 0, 196, 63};
    MapDialogRect(dialog, &units);
    return {units.right, units.bottom};
}

TEST(MessageDialog, ThreeLongLinesGrowTheBoxAndMoveTheButtons) {
    const MessageRequest request = yesNo(kThreeLines);
    ModalDriver driver([&](HWND dialog) {
        testing::saveScreenshot(dialog, "message");
        EXPECT_EQ(testing::windowText(dialog), L"Quillory");
        EXPECT_TRUE(shown(dialog, IDYES));
        EXPECT_TRUE(shown(dialog, IDNO));
        EXPECT_FALSE(shown(dialog, IDOK));
        EXPECT_FALSE(shown(dialog, IDCANCEL));

        HWND text = GetDlgItem(dialog, IDC_MESSAGE_TEXT);
        const RECT textArea = testing::clientRectOf(dialog, text);
        const SIZE needed = linesExtent(text, request.text);
        EXPECT_GE(textArea.right - textArea.left, needed.cx);
        EXPECT_GE(textArea.bottom - textArea.top, needed.cy);

        // Wider by what the text area gained, deeper by its extra height plus the bottom padding.
        RECT client{};
        GetClientRect(dialog, &client);
        const SIZE original = templateClientSize(dialog);
        RECT templateText{46, 7, 46 + 138, 7 + 25};
        MapDialogRect(dialog, &templateText);
        EXPECT_GT(client.right, original.cx);
        EXPECT_EQ(client.right - original.cx, (textArea.right - textArea.left) - (templateText.right - templateText.left) - 5);
        EXPECT_EQ(client.bottom - original.cy - 10, (textArea.bottom - textArea.top) - (templateText.bottom - templateText.top));

        const RECT yes = testing::clientRectOf(dialog, GetDlgItem(dialog, IDYES));
        const RECT no = testing::clientRectOf(dialog, GetDlgItem(dialog, IDNO));
        EXPECT_GE(yes.top, textArea.bottom);
        EXPECT_EQ(yes.top, no.top);
        EXPECT_EQ(no.right + 10, textArea.right);
        EXPECT_EQ(yes.right + 10, no.left);
        EXPECT_LE(no.right, client.right);
        EXPECT_LE(no.bottom, client.bottom);
        click(dialog, IDYES);
    });
    EXPECT_EQ(showMessageDialog(nullptr, request, DialogHost{}), IDYES);
    EXPECT_TRUE(driver.ran());
}

TEST(MessageDialog, ManyLinesPushTheButtonsDown) {
    const Text sixLines = u"一\r\n二\r\n三\r\n四\r\n五\r\n六";
    ModalDriver driver([&](HWND dialog) {
        HWND text = GetDlgItem(dialog, IDC_MESSAGE_TEXT);
        const RECT textArea = testing::clientRectOf(dialog, text);
        EXPECT_GE(textArea.bottom - textArea.top, linesExtent(text, sixLines).cy);
        RECT client{};
        GetClientRect(dialog, &client);
        EXPECT_GT(client.bottom, templateClientSize(dialog).cy + 10);
        const RECT ok = testing::clientRectOf(dialog, GetDlgItem(dialog, IDOK));
        EXPECT_GE(ok.top, textArea.bottom);
        EXPECT_LE(ok.bottom, client.bottom);
        click(dialog, IDOK);
    });
    EXPECT_EQ(showMessageDialog(nullptr, MessageRequest{0, 0, u"Quillory", sixLines}, DialogHost{}), IDOK);
}

TEST(MessageDialog, NoAndEscapeAnswerNoAndCancel) {
    {
        ModalDriver driver([](HWND dialog) { click(dialog, IDNO); });
        EXPECT_EQ(showMessageDialog(nullptr, yesNo(kThreeLines), DialogHost{}), IDNO);
        EXPECT_TRUE(driver.ran());
    }
    {
        ModalDriver driver([](HWND dialog) { pressEscape(dialog); });
        EXPECT_EQ(showMessageDialog(nullptr, yesNo(kThreeLines), DialogHost{}), IDCANCEL);
        EXPECT_TRUE(driver.ran());
    }
    {
        ModalDriver driver([](HWND dialog) { PostMessageW(dialog, WM_CLOSE, 0, 0); });
        EXPECT_EQ(showMessageDialog(nullptr, yesNo(u"閉じる"), DialogHost{}), IDCANCEL);
        EXPECT_TRUE(driver.ran());
    }
}

TEST(MessageDialog, EnterPressesTheDefaultAnswerOfTheKind) {
    // With the second button as default Enter must answer いいえ, never the hidden OK.
    ModalDriver second([](HWND dialog) {
        EXPECT_EQ(LOWORD(SendMessageW(dialog, DM_GETDEFID, 0, 0)), IDNO);
        EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDNO));
        SendMessageW(dialog, WM_COMMAND, LOWORD(SendMessageW(dialog, DM_GETDEFID, 0, 0)), 0);
    });
    EXPECT_EQ(showMessageDialog(nullptr, MessageRequest{0x104, 0, u"Quillory", u"削除しますか?"}, DialogHost{}), IDNO);
    ModalDriver first([](HWND dialog) {
        EXPECT_EQ(LOWORD(SendMessageW(dialog, DM_GETDEFID, 0, 0)), IDYES);
        click(dialog, IDYES);
    });
    EXPECT_EQ(showMessageDialog(nullptr, MessageRequest{4, 0, u"Quillory", u"設定しますか?"}, DialogHost{}), IDYES);
}

TEST(MessageDialog, OkKindShortTextKeepsTheTemplateAndIsCentredOnItsOwner) {
    HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP | WS_VISIBLE, 101, 203, 801, 601, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    ModalDriver driver([](HWND dialog) {
        EXPECT_TRUE(shown(dialog, IDOK));
        EXPECT_TRUE(shown(dialog, IDCANCEL));
        EXPECT_FALSE(shown(dialog, IDYES));
        EXPECT_FALSE(shown(dialog, IDNO));
        EXPECT_EQ(testing::windowText(dialog), L"確認");
        EXPECT_EQ(testing::itemText(dialog, IDC_MESSAGE_TEXT), L"OK?");

        RECT client{};
        GetClientRect(dialog, &client);
        const SIZE original = templateClientSize(dialog);
        EXPECT_EQ(client.right, original.cx);
        EXPECT_EQ(client.bottom, original.cy + 10);

        RECT frame{};
        GetWindowRect(dialog, &frame);
        const int width = frame.right - frame.left;
        const int height = frame.bottom - frame.top;
        EXPECT_EQ(frame.left, 101 + 801 / 2 - width / 2);
        EXPECT_EQ(frame.top, 203 + 601 / 2 - (height - 10) / 2);
        click(dialog, IDCANCEL);
    });
    EXPECT_EQ(showMessageDialog(owner, MessageRequest{0, 0, u"確認", u"OK?"}, DialogHost{}), IDCANCEL);
    ModalDriver ok([](HWND dialog) { click(dialog, IDOK); });
    EXPECT_EQ(showMessageDialog(owner, MessageRequest{0, 0, u"確認", u"OK?"}, DialogHost{}), IDOK);
    DestroyWindow(owner);
}

}  // namespace
}  // namespace quillory
