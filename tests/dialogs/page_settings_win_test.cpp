#include "dialogs/page_settings_dialog_win.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include "dialogs/colour_picker_win.h"
#include "dialogs/dialog_driver_win.h"
#include "dialogs/recording_stand_win.h"
#include "resource.h"

namespace quillory {
namespace {

using testing::ModalDriver;

constexpr COLORREF kRed = RGB(255, 0, 0);

HWND panelOf(HWND frame) { return FindWindowExW(frame, nullptr, L"#32770", nullptr); }

void showPanel(HWND frame, int command) { SendMessageW(frame, WM_COMMAND, command, 0); }

void chooseEntry(HWND panel, int comboId, int entry) {
    SendDlgItemMessageW(panel, comboId, CB_SETCURSEL, static_cast<WPARAM>(entry), 0);
    SendMessageW(panel, WM_COMMAND, MAKEWPARAM(comboId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(GetDlgItem(panel, comboId)));
}

void click(HWND dialog, int id) { SendMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

class PageSettingsDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        PageSettings page = makeDefaultPage();
        page.Label = u"Trip";
        page.Comment = u"海辺";
        page.PhotoFlag = ShowLabel | ShowComment;
        page.FontColorBk = 0x804020;
        album.pages = {page};
        album.currentPage = 0;
        pattern = LoadBitmapW(instance, MAKEINTRESOURCEW(IDB_BACKGROUND));
        host.background = CreatePatternBrush(pattern);
        host.backgroundSize = {48, 48};
        host.osVersionCode = 1000;
    }
    void TearDown() override {
        DeleteObject(host.background);
        DeleteObject(pattern);
    }

    int run(std::function<void(HWND)> action) {
        ModalDriver driver(std::move(action));
        const int result = showPageSettings({album, nullptr, cursor, panelIndex, {}}, nullptr, host);
        EXPECT_TRUE(driver.ran());
        return result;
    }

    const PageSettings& page() const { return album.pages[0]; }

    HINSTANCE instance = GetModuleHandleW(nullptr);
    Album album;
    FolderCursor cursor;
    int panelIndex = 0;
    DialogHost host;
    HBITMAP pattern = nullptr;
};

TEST_F(PageSettingsDialogTest, EveryPanelOpensFromItsButtonAndTheDialogReopensOnTheLast) {
    const int commands[] = {IDM_PANEL_CONTENTS, IDM_PANEL_IMAGE_INFO, IDM_PANEL_DISPLAY_SIZE, IDM_PANEL_TEXT, IDM_PANEL_COLOUR};
    const char* names[] = {"page_settings_contents", "page_settings_info", "page_settings_display", "page_settings_text",
                           "page_settings_colour"};
    run([&](HWND frame) {
        EXPECT_EQ(testing::windowText(frame), L"Quillory - ページ \"Trip\" の設定");
        HWND toolbar = GetDlgItem(frame, IDC_PANEL_TOOLBAR);
        EXPECT_EQ(SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0), 5);
        EXPECT_EQ(testing::labelsCutShort(toolbar), std::vector<std::wstring>{});
        for (int i = 0; i < 5; ++i) {
            showPanel(frame, commands[i]);
            HWND panel = panelOf(frame);
            ASSERT_NE(panel, nullptr) << names[i];
            EXPECT_EQ(FindWindowExW(frame, panel, L"#32770", nullptr), nullptr) << "one panel at a time";
            testing::saveScreenshot(frame, names[i]);
        }
        PostMessageW(frame, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(panelIndex, 4);
    run([&](HWND frame) {
        EXPECT_NE(GetDlgItem(panelOf(frame), IDC_COLOUR_PICK), nullptr);
        PostMessageW(frame, WM_COMMAND, IDCANCEL, 0);
    });
}

TEST_F(PageSettingsDialogTest, OkKeepsTheLabelOfAPanelLeftEarlier) {
    panelIndex = 0;
    const int result = run([&](HWND frame) {
        SetDlgItemTextW(panelOf(frame), IDC_CONTENTS_LABEL, L"Beach");
        showPanel(frame, IDM_PANEL_TEXT);
        click(panelOf(frame), IDC_SHOW_COMMENT);
        PostMessageW(frame, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(page().Label, u"Beach");
    EXPECT_EQ(page().PhotoFlag & (ShowLabel | ShowComment), ShowLabel);
}

// A comment longer than its box breaks into lines instead of running out of sight sideways.
TEST_F(PageSettingsDialogTest, ALongCommentWrapsInsideItsBox) {
    album.pages[0].Comment = u"朝の浜辺で貝殻を拾いながら歩いた日のこと、波の音と潮の香り、遠くに見えた白い灯台と帰り道の夕焼け";
    panelIndex = 0;
    LRESULT lines = 0;
    run([&](HWND frame) {
        lines = SendDlgItemMessageW(panelOf(frame), IDC_CONTENTS_COMMENT, EM_GETLINECOUNT, 0, 0);
        PostMessageW(frame, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_GT(lines, 1);
}

// The live Page takes the chosen mode and the stand is asked once to show it.
TEST_F(PageSettingsDialogTest, FitModeShowsAtOnceAndTheCloseBoxPutsItBack) {
    panelIndex = 2;
    testing::RecordingStand asked;
    host.stand = &asked;
    unsigned modeWhileOpen = 99;
    const int result = run([&](HWND frame) {
        chooseEntry(panelOf(frame), IDC_FIT_MODE, 3);
        modeWhileOpen = FitModeBits.get(page().PhotoFlag);
        EXPECT_EQ(asked.looks, std::vector<StandLook>{StandLook::FitModePreview});
        SetDlgItemTextW(frame, IDC_SAMPLE_TEXT, L"");
        PostMessageW(frame, WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(modeWhileOpen, 3u);
    EXPECT_EQ(FitModeBits.get(page().PhotoFlag), 0u);
}

// "MS UI Gothic" is such a face under Wine, which knows it only as a substitute.
TEST_F(PageSettingsDialogTest, ASavedFaceTheSystemDoesNotListSurvivesAStyleChange) {
    album.pages[0].FontName = u"No Such Face Anywhere";
    album.pages[0].FontStyle = FontBold;
    panelIndex = 3;
    std::wstring shown;
    run([&](HWND frame) {
        HWND panel = panelOf(frame);
        shown = testing::windowText(GetDlgItem(panel, IDC_TEXT_FONT));
        click(panel, IDC_TEXT_BOLD);
        click(panel, IDC_TEXT_BOLD);
        PostMessageW(frame, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(shown, L"No Such Face Anywhere");
    EXPECT_EQ(page().FontName, u"No Such Face Anywhere");
    EXPECT_EQ(page().FontStyle, FontBold);
}

TEST_F(PageSettingsDialogTest, LockedPageGreysThePictureChoiceFitModeAndColourBars) {
    album.pages[0].Flag |= FlagLocked;
    panelIndex = 0;
    run([&](HWND frame) {
        HWND contents = panelOf(frame);
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(contents, IDC_CONTENTS_CHOOSE)));
        click(contents, IDC_CONTENTS_LOCKED);  // unlocking takes effect at once
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(contents, IDC_CONTENTS_CHOOSE)));
        click(contents, IDC_CONTENTS_LOCKED);
        showPanel(frame, IDM_PANEL_DISPLAY_SIZE);
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(panelOf(frame), IDC_FIT_MODE)));
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(panelOf(frame), IDC_SET_AS_DEFAULT)));
        showPanel(frame, IDM_PANEL_TEXT);
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(panelOf(frame), IDC_TEXT_FONT)));
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(panelOf(frame), IDC_SHOW_LABEL)));
        showPanel(frame, IDM_PANEL_COLOUR);
        HWND colour = panelOf(frame);
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(colour, IDC_COLOUR_BAR_FIRST)));
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(colour, IDC_COLOUR_PICK)));
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(colour, IDC_COLOUR_SLOT_FIRST + 2)));
        PostMessageW(frame, WM_COMMAND, IDOK, 0);
    });
    EXPECT_TRUE(page().Flag & FlagLocked);
}

// A window of a red class where the picker will look.
class RedPatch {
public:
    RedPatch() {
        WNDCLASSW type{};
        type.lpfnWndProc = DefWindowProcW;
        type.hInstance = GetModuleHandleW(nullptr);
        type.hbrBackground = brush_;
        type.lpszClassName = L"QuilloryRedPatch";
        RegisterClassW(&type);
        window_ = CreateWindowExW(WS_EX_TOPMOST, type.lpszClassName, L"", WS_POPUP | WS_VISIBLE, 0, 0, 40, 40, nullptr,
                                  nullptr, type.hInstance, nullptr);
        UpdateWindow(window_);
        // What a window paints reaches the screen a moment later; the picker reads the screen.
        for (int wait = 0; wait < 50 && !showsRed(); ++wait) {
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
            Sleep(20);
        }
    }
    ~RedPatch() {
        DestroyWindow(window_);
        UnregisterClassW(L"QuilloryRedPatch", GetModuleHandleW(nullptr));
        DeleteObject(brush_);
    }

private:
    static bool showsRed() {
        HDC screen = GetDC(nullptr);
        const COLORREF pixel = GetPixel(screen, 20, 20);
        ReleaseDC(nullptr, screen);
        return pixel == kRed;
    }

    HBRUSH brush_ = CreateSolidBrush(kRed);
    HWND window_ = nullptr;
};

LPARAM clientPointOfScreen(HWND window, int x, int y) {
    POINT p{x, y};
    ScreenToClient(window, &p);
    return MAKELPARAM(static_cast<WORD>(static_cast<short>(p.x)), static_cast<WORD>(static_cast<short>(p.y)));
}

TEST_F(PageSettingsDialogTest, PickerFollowsThePointerAndARightClickPutsTheColourBack) {
    panelIndex = 4;
    album.pages[0].PhotoFlag |= 2u << 18;  // the background slot
    run([&](HWND frame) {
        RedPatch patch;
        HWND panel = panelOf(frame);
        click(panel, IDC_COLOUR_PICK);
        EXPECT_TRUE(ScreenPickerHook::active());
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(panel, IDC_COLOUR_PICK)));
        SendMessageW(panel, WM_MOUSEMOVE, 0, clientPointOfScreen(panel, 20, 20));
        // OK while picking keeps the colour under the pointer.
        PostMessageW(frame, WM_COMMAND, IDOK, 0);
    });
    EXPECT_FALSE(ScreenPickerHook::active()) << "OK removed the hook with the panel";
    EXPECT_EQ(page().FontColorBk, static_cast<std::uint32_t>(kRed));

    album.pages[0].FontColorBk = 0x112233;
    run([&](HWND frame) {
        RedPatch patch;
        HWND panel = panelOf(frame);
        click(panel, IDC_COLOUR_PICK);
        SendMessageW(panel, WM_MOUSEMOVE, 0, clientPointOfScreen(panel, 20, 20));
        SendMessageW(panel, WM_RBUTTONUP, 0, clientPointOfScreen(panel, 20, 20));
        EXPECT_FALSE(ScreenPickerHook::active());
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(panel, IDC_COLOUR_PICK)));
        PostMessageW(frame, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(page().FontColorBk, 0x112233u);
}

TEST_F(PageSettingsDialogTest, EscapeWhilePickingRemovesTheHook) {
    panelIndex = 4;
    const int result = run([&](HWND frame) {
        click(panelOf(frame), IDC_COLOUR_PICK);
        EXPECT_TRUE(ScreenPickerHook::active());
        // The click gave the picker's button the focus, which it loses when it is disabled; keys
        // go to the focus, and with none the dialog hears no Esc.
        HWND focus = GetFocus();
        EXPECT_NE(focus, nullptr);
        PostMessageW(focus != nullptr ? focus : frame, WM_KEYDOWN, VK_ESCAPE, 0);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_FALSE(ScreenPickerHook::active());
}

}  // namespace
}  // namespace quillory
