// The stand on a denser screen: the tab text and the band above the picture (caption and tabs)
// grow with the screen's DPI, as a person sees them.
#include "stand_test.h"

#include "screen.h"

#include <cstdio>
#include <optional>

namespace quillory::e2e {
namespace {

constexpr COLORREF kViewColour = RGB(255, 0, 255);

// The screen's DPI that a program reads when it starts; the old one comes back however the test
// ends, so that the tests after it run at the prefix's own DPI.
class ScreenDpiAtStart {
public:
    explicit ScreenDpiAtStart(DWORD dpi) {
        if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr,
                            &key_, nullptr) != ERROR_SUCCESS) {
            key_ = nullptr;
            return;
        }
        DWORD old = 0;
        DWORD size = sizeof(old);
        if (RegQueryValueExW(key_, L"LogPixels", nullptr, nullptr, reinterpret_cast<BYTE*>(&old), &size) == ERROR_SUCCESS) {
            old_ = old;
        }
        set_ = RegSetValueExW(key_, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi), sizeof(dpi)) == ERROR_SUCCESS;
    }
    ~ScreenDpiAtStart() {
        if (key_ == nullptr) return;
        if (old_) {
            RegSetValueExW(key_, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&*old_), sizeof(*old_));
        } else {
            RegDeleteValueW(key_, L"LogPixels");
        }
        RegCloseKey(key_);
    }
    ScreenDpiAtStart(const ScreenDpiAtStart&) = delete;
    ScreenDpiAtStart& operator=(const ScreenDpiAtStart&) = delete;
    bool set() const { return set_; }

private:
    HKEY key_ = nullptr;
    std::optional<DWORD> old_;
    bool set_ = false;
};

// What a person sees of the stand's top, in screen pixels.
struct TopOfStand {
    int band = 0;       // from the window's top edge down to the first row of the picture's area
    int frame = 0;      // of it, the system's frame and caption
    int tabHeight = 0;  // of the selected tab
    int textHeight = 0; // the rows the selected tab's label inks
};

bool isInk(COLORREF colour) { return GetRValue(colour) < 100 && GetGValue(colour) < 100 && GetBValue(colour) < 100; }

std::optional<int> bandAbovePicture(HWND stand) {
    const RECT frame = windowRect(stand);
    const int x = (frame.left + frame.right) / 2;
    const std::optional<ScreenArea> column = captureScreen({x, frame.top, x + 1, frame.bottom});
    if (!column) return std::nullopt;
    for (int y = 0; y < column->height; ++y) {
        if (looksLike(column->at(0, y), kViewColour)) return y;
    }
    return std::nullopt;
}

// The label's ink in the middle half of the tab, away from the tab's own edges.
std::optional<int> tabTextHeight(HWND tabRow, const RECT& tab) {
    const RECT row = clientRectOnScreen(tabRow);
    const int quarter = (tab.right - tab.left) / 4;
    const std::optional<ScreenArea> area =
        captureScreen({row.left + tab.left + quarter, row.top + tab.top + 2, row.left + tab.right - quarter, row.top + tab.bottom - 2});
    if (!area) return std::nullopt;
    int first = -1;
    int last = -1;
    for (int y = 0; y < area->height; ++y) {
        for (int x = 0; x < area->width; ++x) {
            if (!isInk(area->at(x, y))) continue;
            if (first < 0) first = y;
            last = y;
            break;
        }
    }
    if (first < 0) return std::nullopt;
    return last - first + 1;
}

class ScreenDpiTest : public StandTest {
protected:
    // The stand as it shows on a screen of `dpi`, measured in that screen's pixels.
    std::optional<TopOfStand> topOfStandAt(DWORD dpi) {
        std::optional<TopOfStand> top;
        {
            const ScreenDpiAtStart screen(dpi);
            EXPECT_TRUE(screen.set());
            stand_ = startAlbum(L"dense", album());
        }
        if (stand_ == nullptr) return top;
        const HWND tabRow = tabControl(stand_);
        const std::optional<RECT> tab = tabItemRect(tabRow, 0);
        // The picture's area shows once the view has painted.
        std::optional<int> band;
        waitUntil([&] { return (band = bandAbovePicture(stand_)).has_value(); });
        const std::optional<int> text = tab ? tabTextHeight(tabRow, *tab) : std::nullopt;
        const int frame = static_cast<int>(clientRectOnScreen(stand_).top - windowRect(stand_).top);
        if (tab && band && text) top = TopOfStand{*band, frame, static_cast<int>(tab->bottom - tab->top), *text};
        EXPECT_EQ(closeStand(*app_, stand_), std::optional<DWORD>(0));
        return top;
    }

    HWND stand_ = nullptr;

private:
    static Bytes album() {
        const std::wstring colour = std::to_wstring(kViewColour);
        return AlbumText()
            .section(L"Quillory", {{L"PageCount", L"1"}, {L"TabFontSize", L"12"}, {L"xSize", L"600"}, {L"ySize", L"450"}})
            .section(L"Page1", {{L"PageVer", L"100"}, {L"Label", L"Hpg"}, {L"PhotoFlag", L"0"},
                                {L"FontColorBk", colour}, {L"FontColorBk2", colour}})
            .bytes();
    }
};

TEST_F(ScreenDpiTest, TheTabTextAndTheBandAboveThePictureGrowWithTheScreen) {
    // Rectangles of the program's windows in the screen's own pixels, as the captures are.
    const DPI_AWARENESS_CONTEXT before = SetThreadDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    const std::optional<TopOfStand> normal = topOfStandAt(96);
    const std::optional<TopOfStand> dense = topOfStandAt(144);
    if (before != nullptr) SetThreadDpiAwarenessContext(before);
    ASSERT_TRUE(normal.has_value());
    ASSERT_TRUE(dense.has_value());
    std::printf("band %d -> %d (frame and caption %d -> %d), tab %d -> %d, text %d -> %d pixels\n", normal->band, dense->band,
                normal->frame, dense->frame, normal->tabHeight, dense->tabHeight, normal->textHeight, dense->textHeight);
    // The text half as large again, give or take the font's own rounding. The band holds parts
    // the system and the tab control draw with a few fixed pixels, so it grows a little less.
    EXPECT_GE(dense->textHeight * 10, normal->textHeight * 14);
    EXPECT_GE(dense->tabHeight * 10, normal->tabHeight * 13);
    EXPECT_GE(dense->band * 10, normal->band * 13);
    EXPECT_LE(dense->band * 10, normal->band * 16);
}

}  // namespace
}  // namespace quillory::e2e
