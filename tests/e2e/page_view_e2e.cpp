// The PageView as a person sees it on screen: the picture itself in front of the gradient, and
// the overlay text hidden and shown again by double clicks.
#include "stand_test.h"

#include "input.h"
#include "resource.h"
#include "screen.h"

#include <filesystem>
#include <string>

namespace quillory::e2e {
namespace {

constexpr unsigned kStatusBar = 0x10000;         // no animation
constexpr unsigned kDoubleClickToggles = 1u << 29;  // TabDoubleClick 1: the overlay text on and off
constexpr unsigned kShowLabelFileNameDate = 0x10 | 0x40 | 0x80;  // fit the shorter side, bottom right

// The fixture's four quadrants; none is near the gradient's greys.
constexpr COLORREF kQuadrants[] = {RGB(255, 0, 0), RGB(0, 192, 0), RGB(0, 0, 255), RGB(255, 255, 0)};

double shareOf(const ScreenArea& area, COLORREF colour) {
    std::size_t count = 0;
    for (COLORREF pixel : area.pixels) count += looksLike(pixel, colour) ? 1 : 0;
    return area.pixels.empty() ? 0.0 : static_cast<double>(count) / static_cast<double>(area.pixels.size());
}

// Every quadrant covers a good part of the area.
bool showsTheQuadrants(const RECT& area) {
    const std::optional<ScreenArea> shown = captureScreen(area);
    if (!shown) return false;
    for (COLORREF colour : kQuadrants) {
        if (shareOf(*shown, colour) < 0.05) return false;
    }
    return true;
}

RECT bottomRightQuarter(const RECT& area) {
    return {(area.left + area.right) / 2, (area.top + area.bottom) / 2, area.right, area.bottom};
}

class PageViewTest : public StandTest {
protected:
    HWND start() {
        const std::filesystem::path picture = sandbox_.file(L"quadrants.jpg");
        EXPECT_TRUE(std::filesystem::copy_file(fixtureFile(L"quadrants.jpg"), picture));
        AlbumText album;
        album.section(L"Quillory", {{L"PageCount", L"1"}, {L"TabStyle", std::to_wstring(kStatusBar | kDoubleClickToggles)}});
        album.section(L"Page1", {{L"PageVer", L"100"}, {L"Label", L"四色"}, {L"File", picture.wstring()},
                                 {L"PhotoFlag", std::to_wstring(kShowLabelFileNameDate)}});
        return startAlbum(L"view", album.bytes());
    }
};

TEST_F(PageViewTest, ThePictureIsInFrontAndADoubleClickTogglesTheOverlayText) {
    HWND stand = start();
    ASSERT_NE(stand, nullptr);
    HWND view = pageView(stand);
    ASSERT_NE(view, nullptr);
    const RECT area = clientRectOnScreen(view);
    ASSERT_TRUE(waitUntil([&] { return showsTheQuadrants(area); })) << "the view does not show the picture's four colours";

    ASSERT_TRUE(activate(stand));
    const RECT corner = bottomRightQuarter(area);
    const std::optional<ScreenArea> withText = captureScreen(corner);
    ASSERT_TRUE(withText.has_value());
    const POINT middle{(area.right - area.left) / 2, (area.bottom - area.top) / 3};
    ASSERT_TRUE(clickInClient(view, middle, MouseButton::Left, 2));
    EXPECT_TRUE(waitUntil([&] { return captureScreen(corner) != withText; })) << "the overlay's corner did not change";
    ASSERT_TRUE(clickInClient(view, middle, MouseButton::Left, 2));
    EXPECT_TRUE(waitUntil([&] { return captureScreen(corner) == withText; })) << "the overlay did not come back";
    EXPECT_EQ(closeStand(*app_, stand), std::optional<DWORD>(0));
}

}  // namespace
}  // namespace quillory::e2e
