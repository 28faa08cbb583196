#include "dialogs/general_settings_dialog_win.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <functional>
#include <optional>
#include <vector>

#include "dialogs/dialog_driver_win.h"
#include "dialogs/gui_objects_win.h"
#include "dialogs/recording_stand_win.h"
#include "resource.h"

namespace quillory {
namespace {

using testing::ModalDriver;

HWND panelOf(HWND frame) { return FindWindowExW(frame, nullptr, L"#32770", nullptr); }

void showPanel(HWND frame, int command) { SendMessageW(frame, WM_COMMAND, command, 0); }

void click(HWND dialog, int id) { SendMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

void chooseEntry(HWND panel, int comboId, int entry) {
    SendDlgItemMessageW(panel, comboId, CB_SETCURSEL, static_cast<WPARAM>(entry), 0);
    SendMessageW(panel, WM_COMMAND, MAKEWPARAM(comboId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(GetDlgItem(panel, comboId)));
}

void dragSlider(HWND panel, int position) {
    HWND slider = GetDlgItem(panel, IDC_LAYER_LEVEL);
    SendMessageW(slider, TBM_SETPOS, TRUE, position);
    SendMessageW(panel, WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, position), reinterpret_cast<LPARAM>(slider));
}

void pressArrows(HWND panel, int arrowsId, int position) {
    HWND arrows = GetDlgItem(panel, arrowsId);
    SendMessageW(arrows, UDM_SETPOS32, 0, position);
    SendMessageW(panel, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, position), reinterpret_cast<LPARAM>(arrows));
}

// Types into the box as the keyboard does, over its whole text, then moves the focus on.
void typeInto(HWND panel, int editId, const wchar_t* digits, int nextId) {
    HWND box = GetDlgItem(panel, editId);
    SetFocus(box);
    SendMessageW(box, EM_SETSEL, 0, -1);
    for (const wchar_t* c = digits; *c != L'\0'; ++c) SendMessageW(box, WM_CHAR, *c, 0);
    SetFocus(GetDlgItem(panel, nextId));
}

// Whether the focused box shows its whole text: its first and last characters lie inside the
// rectangle it draws text in, as they do when nothing has scrolled out of sight.
bool showsWholeText(HWND box) {
    SetFocus(box);
    SendMessageW(box, EM_SETSEL, 0, -1);
    RECT inside{};
    SendMessageW(box, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&inside));
    const std::wstring text = testing::windowText(box);
    if (text.empty()) return false;
    const LRESULT first = SendMessageW(box, EM_POSFROMCHAR, 0, 0);
    const LRESULT last = SendMessageW(box, EM_POSFROMCHAR, text.size() - 1, 0);
    HDC dc = GetDC(box);
    HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0)));
    SIZE lastWidth{};
    GetTextExtentPoint32W(dc, &text.back(), 1, &lastWidth);
    SelectObject(dc, previous);
    ReleaseDC(box, dc);
    const int left = static_cast<short>(LOWORD(first));
    const int right = static_cast<short>(LOWORD(last)) + lastWidth.cx;
    return left >= inside.left && right <= inside.right;
}

// Whether a panel slid out before it was destroyed: the slide's last step hides it, so it is no
// longer visible when its destruction begins.
class SlidOutBeforeDestruction {
public:
    explicit SlidOutBeforeDestruction(HWND window) {
        watched() = window;
        slidOut() = false;
        hook_ = SetWindowsHookExW(WH_CBT, &SlidOutBeforeDestruction::onEvent, nullptr, GetCurrentThreadId());
    }
    ~SlidOutBeforeDestruction() {
        UnhookWindowsHookEx(hook_);
        watched() = nullptr;
    }
    bool slid() const { return slidOut(); }

private:
    static HWND& watched() {
        static HWND window = nullptr;
        return window;
    }
    static bool& slidOut() {
        static bool value = false;
        return value;
    }
    static LRESULT CALLBACK onEvent(int code, WPARAM wParam, LPARAM lParam) {
        const auto window = reinterpret_cast<HWND>(wParam);
        if (code == HCBT_DESTROYWND && window == watched()) slidOut() = !IsWindowVisible(window);
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    HHOOK hook_ = nullptr;
};

using Looks = std::vector<StandLook>;

std::vector<std::u16string> labels(const std::vector<PageSettings>& pages) {
    std::vector<std::u16string> result;
    for (const PageSettings& page : pages) result.push_back(page.Label);
    return result;
}

// The dialog opens beside a stand-in window; what it wants shown on the stand goes to `asked`.
class GeneralSettingsDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char16_t* label : {u"A", u"B", u"C"}) {
            PageSettings page = makeDefaultPage();
            page.Label = label;
            album.pages.push_back(page);
        }
        album.currentPage = 1;
        album.settings.TabStyle = TabTranslucent | TabAnimate;
        album.settings.LayerWindowLevel = 200;
        stand = CreateWindowExW(0, L"STATIC", L"stand", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr, instance, nullptr);
        host.standWindow = stand;
        host.stand = &asked;
        host.osVersionCode = 1000;
    }
    void TearDown() override { DestroyWindow(stand); }

    int run(std::function<void(HWND)> action) {
        ModalDriver driver(std::move(action));
        edit = beginPageList(album, 0);
        const int result = showGeneralSettings({album.settings, edit, panelIndex}, nullptr, host);
        EXPECT_TRUE(driver.ran());
        return result;
    }

    HINSTANCE instance = GetModuleHandleW(nullptr);
    Album album;
    int panelIndex = 0;
    testing::RecordingStand asked;
    DialogHost host;
    PageListEdit edit;
    HWND stand = nullptr;
};

TEST_F(GeneralSettingsDialogTest, EveryPanelOpensFromItsButtonAndTheDialogReopensOnTheLast) {
    const int commands[] = {IDM_PANEL_SLIDE_SHOW, IDM_PANEL_GENERAL, IDM_PANEL_PAGE_LIST, IDM_PANEL_OTHER};
    const int probes[] = {IDC_SLIDE_ORDER, IDC_LAYER_LEVEL, IDC_PAGE_TREE, IDC_DOUBLE_CLICK};
    const char* names[] = {"general_slide_show", "general_general", "general_page_list", "general_other"};
    run([&](HWND frame) {
        EXPECT_EQ(testing::windowText(frame), L"Quillory - 全般設定");
        EXPECT_EQ(SendMessageW(GetDlgItem(frame, IDC_PANEL_TOOLBAR), TB_BUTTONCOUNT, 0, 0), 4);
        EXPECT_EQ(testing::labelsCutShort(GetDlgItem(frame, IDC_PANEL_TOOLBAR)), std::vector<std::wstring>{});
        for (int i = 0; i < 4; ++i) {
            showPanel(frame, commands[i]);
            HWND panel = panelOf(frame);
            ASSERT_NE(panel, nullptr) << names[i];
            EXPECT_NE(GetDlgItem(panel, probes[i]), nullptr) << names[i];
            testing::saveScreenshot(frame, names[i]);
        }
        PostMessageW(frame, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(panelIndex, 3);
    run([&](HWND frame) {
        EXPECT_NE(GetDlgItem(panelOf(frame), IDC_DOUBLE_CLICK), nullptr);
        PostMessageW(frame, WM_COMMAND, IDCANCEL, 0);
    });
}

// Each slider move and each click of 半透明 asks the stand once to show the translucency;
// キャンセル puts the stored values back and asks once more, with the fonts and the band.
TEST_F(GeneralSettingsDialogTest, OpacityFollowsTheSliderNeverBelow35AndCancelRestoresIt) {
    panelIndex = 1;
    std::int16_t whileDragging = 0;
    LRESULT sliderAfterLow = 0;
    Looks whileOpen;
    const int result = run([&](HWND frame) {
        HWND panel = panelOf(frame);
        dragSlider(panel, 100);
        whileDragging = album.settings.LayerWindowLevel;
        dragSlider(panel, 20);
        sliderAfterLow = SendDlgItemMessageW(panel, IDC_LAYER_LEVEL, TBM_GETPOS, 0, 0);
        EXPECT_EQ(album.settings.LayerWindowLevel, 35);
        click(panel, IDC_TAB_TRANSLUCENT);
        EXPECT_FALSE(album.settings.TabStyle & TabTranslucent);
        whileOpen = asked.looks;
        PostMessageW(frame, WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(whileDragging, 100);
    EXPECT_EQ(sliderAfterLow, 35);
    EXPECT_EQ(whileOpen, Looks(3, StandLook::Translucency));
    EXPECT_EQ(album.settings.LayerWindowLevel, 200);
    EXPECT_TRUE(album.settings.TabStyle & TabTranslucent);
    EXPECT_EQ(asked.looks, (Looks{StandLook::Translucency, StandLook::Translucency, StandLook::Translucency, StandLook::Translucency,
                                  StandLook::TabFont, StandLook::StatusFont, StandLook::Topmost}));
}

// The stored face is shown though the system does not list it; picking the list's first face
// then changes the tab font, as picking any other does, and the stand is asked at once to show
// it on the tabs and the status bar. A pick of the face already used asks for nothing.
TEST_F(GeneralSettingsDialogTest, ASavedTabFaceTheSystemDoesNotListIsShownAndTheFirstFaceCanBePicked) {
    panelIndex = 1;
    album.settings.TabFontName = u"No Such Face Anywhere";
    std::wstring listed;
    wchar_t first[LF_FACESIZE + 1]{};
    Looks askedByThePick;
    run([&](HWND frame) {
        HWND panel = panelOf(frame);
        listed = testing::windowText(GetDlgItem(panel, IDC_TAB_FONT_NAME));
        SendDlgItemMessageW(panel, IDC_TAB_FONT_NAME, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(first));
        chooseEntry(panel, IDC_TAB_FONT_NAME, 0);
        askedByThePick = asked.looks;
        chooseEntry(panel, IDC_TAB_FONT_NAME, 0);
        EXPECT_EQ(asked.looks, askedByThePick) << "the same face again";
        PostMessageW(frame, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(listed, L"No Such Face Anywhere");
    ASSERT_NE(first[0], L'\0');
    EXPECT_EQ(album.settings.TabFontName, reinterpret_cast<const char16_t*>(first));
    EXPECT_EQ(askedByThePick, (Looks{StandLook::TabFont, StandLook::StatusFont}));
}

// The colours the screen shows along the middle of the dialog's top strip.
std::vector<COLORREF> topStripOnScreen(HWND dialog) {
    RECT client{};
    GetClientRect(dialog, &client);
    std::vector<COLORREF> shown;
    HDC screen = GetDC(nullptr);
    for (int eighth = 1; eighth < 8; ++eighth) {
        POINT p{client.right * eighth / 8, 5};
        ClientToScreen(dialog, &p);
        shown.push_back(GetPixel(screen, p.x, p.y));
    }
    ReleaseDC(nullptr, screen);
    return shown;
}

// A system may report desktop composition and composite nothing (Wine, asked as Windows 8 or
// later): the glass would leave black bands. The strips show the dialog's plain background
// instead, and keep it.
TEST_F(GeneralSettingsDialogTest, TheStripsShowThePlainBackgroundWhereNoGlassShows) {
    panelIndex = 3;
    host.compositionEnabled = [] { return true; };
    const std::vector<COLORREF> plain(7, GetSysColor(COLOR_BTNFACE));
    std::vector<std::vector<COLORREF>> seen;
    run([&](HWND frame) {
        for (int round = 0; round < 150; ++round) {
            RedrawWindow(frame, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
            Sleep(20);
            const std::vector<COLORREF> shown = topStripOnScreen(frame);
            if (shown == plain || !seen.empty()) seen.push_back(shown);
        }
        PostMessageW(frame, WM_COMMAND, IDCANCEL, 0);
    });
    ASSERT_FALSE(seen.empty()) << "the strip never showed the plain background";
    for (const std::vector<COLORREF>& shown : seen) EXPECT_EQ(shown, plain);
}

// Only OK with a new position or row count asks the stand to slide its tabs to their layout;
// otherwise closing asks for their font alone. Either way the band follows once.
TEST_F(GeneralSettingsDialogTest, TabsMoveToTheBottomOnOkButNotOnCancel) {
    panelIndex = 1;
    run([&](HWND frame) {
        click(panelOf(frame), IDC_TAB_BOTTOM);
        click(panelOf(frame), IDC_TAB_ANIMATE);
        PostMessageW(frame, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(album.settings.TabStyle & (TabBottom | TabAnimate), TabAnimate);
    EXPECT_EQ(asked.looks, (Looks{StandLook::TabFont, StandLook::StatusFont, StandLook::Topmost}));
    asked.looks.clear();
    run([&](HWND frame) { PostMessageW(frame, WM_COMMAND, IDOK, 0); });
    EXPECT_EQ(asked.looks, (Looks{StandLook::TabFont, StandLook::Topmost}));
    asked.looks.clear();
    const int result = run([&](HWND frame) {
        click(panelOf(frame), IDC_TAB_BOTTOM);
        PostMessageW(frame, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(asked.looks, (Looks{StandLook::TabLayout, StandLook::Topmost}));
    EXPECT_TRUE(album.settings.TabStyle & TabBottom);
}

// Unchecking アニメーション stops the panel slides at once, not from the next opening on.
TEST_F(GeneralSettingsDialogTest, PanelsStopSlidingAsSoonAsAnimationIsUnchecked) {
    panelIndex = 1;
    host.tabAnimate = true;
    bool slidBefore = false;
    bool slidAfter = true;
    run([&](HWND frame) {
        {
            SlidOutBeforeDestruction general(panelOf(frame));
            showPanel(frame, IDM_PANEL_OTHER);
            slidBefore = general.slid();
        }
        showPanel(frame, IDM_PANEL_GENERAL);
        click(panelOf(frame), IDC_TAB_ANIMATE);
        SlidOutBeforeDestruction general(panelOf(frame));
        showPanel(frame, IDM_PANEL_OTHER);
        slidAfter = general.slid();
        PostMessageW(frame, WM_COMMAND, IDOK, 0);
    });
    EXPECT_TRUE(slidBefore);
    EXPECT_FALSE(slidAfter);
    EXPECT_EQ(album.settings.TabStyle & TabAnimate, 0u);
}

TEST_F(GeneralSettingsDialogTest, SlideShowControlsGreyAndTheIntervalComesBackOnCancel) {
    panelIndex = 0;
    album.settings.SlideStyle = SlideOn | 0x200;  // an effect, no jitter
    album.settings.SlideInterval = 23;
    run([&](HWND frame) {
        HWND panel = panelOf(frame);
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(panel, IDC_SLIDE_ABOUT)));
        click(panel, IDC_SLIDE_JITTER);
        EXPECT_TRUE(IsWindowVisible(GetDlgItem(panel, IDC_SLIDE_ABOUT)));
        pressArrows(panel, IDC_SLIDE_INTERVAL_ARROWS, 60);
        EXPECT_EQ(album.settings.SlideInterval, 60);
        chooseEntry(panel, IDC_SLIDE_EFFECT, 0);
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(panel, IDC_SLIDE_EFFECT_TIME)));
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(panel, IDC_SLIDE_ORDER)));
        click(panel, IDC_SLIDE_OFF);
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(panel, IDC_SLIDE_ORDER)));
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(panel, IDC_SLIDE_INTERVAL_ARROWS)));
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(panel, IDC_SLIDE_ON)));
        PostMessageW(frame, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(album.settings.SlideInterval, 23);
    EXPECT_EQ(album.settings.SlideStyle, SlideOn | 0x200u);
}

// The interval box holds 600 whole while it has the focus, takes a typed number and clamps it
// when the person leaves it; so does the tab font size.
TEST_F(GeneralSettingsDialogTest, NumberBoxesShowTheirLargestValueAndTakeTypedNumbersClamped) {
    panelIndex = 0;
    album.settings.SlideStyle = SlideOn;
    album.settings.SlideInterval = 600;
    album.settings.TabFontSize = 64;
    run([&](HWND frame) {
        HWND slides = panelOf(frame);
        EXPECT_TRUE(showsWholeText(GetDlgItem(slides, IDC_SLIDE_INTERVAL))) << "600 is cut";
        typeInto(slides, IDC_SLIDE_INTERVAL, L"300", IDC_SLIDE_ORDER);
        EXPECT_EQ(album.settings.SlideInterval, 300);
        typeInto(slides, IDC_SLIDE_INTERVAL, L"5", IDC_SLIDE_ORDER);
        EXPECT_EQ(album.settings.SlideInterval, 10);
        EXPECT_EQ(testing::itemText(slides, IDC_SLIDE_INTERVAL), L"10");
        typeInto(slides, IDC_SLIDE_INTERVAL, L"999", IDC_SLIDE_ORDER);
        EXPECT_EQ(album.settings.SlideInterval, 600);

        showPanel(frame, IDM_PANEL_GENERAL);
        HWND general = panelOf(frame);
        EXPECT_TRUE(showsWholeText(GetDlgItem(general, IDC_TAB_FONT_SIZE))) << "64 is cut";
        typeInto(general, IDC_TAB_FONT_SIZE, L"99", IDC_TAB_FONT_NAME);
        EXPECT_EQ(album.settings.TabFontSize, 64);
        typeInto(general, IDC_TAB_FONT_SIZE, L"20", IDC_TAB_FONT_NAME);
        EXPECT_EQ(album.settings.TabFontSize, 20);
        PostMessageW(frame, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(album.settings.SlideInterval, 600);
    EXPECT_EQ(album.settings.TabFontSize, 20);
}

// Indices the lists do not offer (a hand-edited album, a later version) survive the panels:
// only an entry the person picks is stored.
TEST_F(GeneralSettingsDialogTest, StoredIndicesTheListsDoNotOfferStayUntilAnEntryIsPicked) {
    panelIndex = 0;
    std::uint32_t slideStyle = SlideOn;
    SlideOrder.set(slideStyle, 7);
    SlideEffect.set(slideStyle, 12);
    SlideEffectTime.set(slideStyle, 9);
    SlideInfo.set(slideStyle, 8);
    album.settings.SlideStyle = slideStyle;
    TabDoubleClick.set(album.settings.TabStyle, 5);
    TabStatusFontSize.set(album.settings.TabStyle, 9);
    run([&](HWND frame) {
        HWND slides = panelOf(frame);
        for (int id : {IDC_SLIDE_ORDER, IDC_SLIDE_EFFECT, IDC_SLIDE_EFFECT_TIME, IDC_SLIDE_INFO}) SetFocus(GetDlgItem(slides, id));
        SetFocus(GetDlgItem(slides, IDC_SLIDE_JITTER));
        EXPECT_EQ(album.settings.SlideStyle, slideStyle) << "focus alone rewrote an index";
        showPanel(frame, IDM_PANEL_GENERAL);
        SetFocus(GetDlgItem(panelOf(frame), IDC_STATUS_FONT_SIZE));
        showPanel(frame, IDM_PANEL_OTHER);
        SetFocus(GetDlgItem(panelOf(frame), IDC_DOUBLE_CLICK));
        showPanel(frame, IDM_PANEL_SLIDE_SHOW);
        chooseEntry(panelOf(frame), IDC_SLIDE_INFO, 1);
        PostMessageW(frame, WM_COMMAND, IDOK, 0);
    });
    SlideInfo.set(slideStyle, 1);
    EXPECT_EQ(album.settings.SlideStyle, slideStyle);
    EXPECT_EQ(TabDoubleClick.get(album.settings.TabStyle), 5u);
    EXPECT_EQ(TabStatusFontSize.get(album.settings.TabStyle), 9u);
}

TEST_F(GeneralSettingsDialogTest, MovingBUpGivesBACOnOkAndNothingOnCancel) {
    panelIndex = 2;
    auto moveBUp = [&](HWND frame) {
        HWND panel = panelOf(frame);
        EXPECT_EQ(edit.selectedPage, 1);
        click(panel, IDC_MOVE_UP);
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(panel, IDC_MOVE_UP)));
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(panel, IDC_MOVE_DOWN)));
        click(panel, IDC_SET_MAIN_PAGE);
        EXPECT_EQ(testing::itemText(panel, IDC_MAIN_PAGE_NAME), L"\"B\"");
    };
    run([&](HWND frame) {
        moveBUp(frame);
        PostMessageW(frame, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_FALSE(edit.PagesChanged);
    EXPECT_FALSE(commitPageList(album, edit));
    EXPECT_EQ(labels(album.pages), (std::vector<std::u16string>{u"A", u"B", u"C"}));

    run([&](HWND frame) {
        moveBUp(frame);
        PostMessageW(frame, WM_COMMAND, IDOK, 0);
    });
    ASSERT_TRUE(commitPageList(album, edit));
    EXPECT_EQ(labels(album.pages), (std::vector<std::u16string>{u"B", u"A", u"C"}));
    EXPECT_TRUE(album.pages[0].Flag & FlagMainPage);
}

// Every visit to the page list makes a tree with check boxes; leaving it frees all it made.
TEST_F(GeneralSettingsDialogTest, VisitingThePageListTwentyTimesLeavesNoObjectBehind) {
    panelIndex = 3;
    testing::GuiObjects before;
    testing::GuiObjects after;
    auto visit = [](HWND frame) {
        showPanel(frame, IDM_PANEL_PAGE_LIST);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);  // LoadMarks
        showPanel(frame, IDM_PANEL_OTHER);
    };
    run([&](HWND frame) {
        visit(frame);
        before = testing::guiObjectsInUse();
        for (int i = 0; i < 20; ++i) visit(frame);
        after = testing::guiObjectsInUse();
        PostMessageW(frame, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_LE(after.gdi, before.gdi + 2) << before.gdi << " GDI objects became " << after.gdi;
    EXPECT_LE(after.user, before.user + 2) << before.user << " USER objects became " << after.user;
}

TEST_F(GeneralSettingsDialogTest, AnUncheckedPageStaysUncheckedAcrossPanelsAndIsUnmarkedOnOk) {
    panelIndex = 2;
    run([&](HWND frame) {
        HWND tree = GetDlgItem(panelOf(frame), IDC_PAGE_TREE);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);  // LoadMarks
        HTREEITEM third = TreeView_GetNextSibling(tree, TreeView_GetNextSibling(tree, TreeView_GetRoot(tree)));
        EXPECT_EQ(TreeView_GetCheckState(tree, third), 1u);  // marked in the record
        TreeView_SetCheckState(tree, third, FALSE);
        showPanel(frame, IDM_PANEL_OTHER);
        showPanel(frame, IDM_PANEL_PAGE_LIST);
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        tree = GetDlgItem(panelOf(frame), IDC_PAGE_TREE);
        third = TreeView_GetNextSibling(tree, TreeView_GetNextSibling(tree, TreeView_GetRoot(tree)));
        EXPECT_FALSE(TreeView_GetCheckState(tree, third));
        PostMessageW(frame, WM_COMMAND, IDOK, 0);
    });
    EXPECT_TRUE(edit.workingPageList[2].Flag & FlagUnmarked);
    EXPECT_FALSE(edit.workingPageList[0].Flag & FlagUnmarked);
}

}  // namespace
}  // namespace quillory
