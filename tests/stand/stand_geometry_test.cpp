#include <gtest/gtest.h>

#include "album/album.h"
#include "stand/monitor_clamp.h"
#include "stand/stand_layout.h"

namespace quillory {
namespace {

const Rect kScreen{0, 0, 1920, 1080};
const Size kNormal{580, 350};

TEST(MonitorClamp, PullsAWindowOffEitherSideBackByFivePixels) {
    EXPECT_EQ(clampedWindowOrigin({-2000, 270, 580, 350}, kNormal, kScreen), (Point{5, 270}));
    EXPECT_EQ(clampedWindowOrigin({1700, 270, 580, 350}, kNormal, kScreen), (Point{1920 - 580 - 5, 270}));
    // A centre exactly 5 pixels inside stays where it is.
    EXPECT_EQ(clampedWindowOrigin({5 - 290, 270, 580, 350}, kNormal, kScreen).x, 5 - 290);
}

TEST(MonitorClamp, PullsAWindowAboveOrBelowBackByThreePixels) {
    EXPECT_EQ(clampedWindowOrigin({100, -900, 580, 350}, kNormal, kScreen), (Point{100, 3}));
    EXPECT_EQ(clampedWindowOrigin({100, 1000, 580, 350}, kNormal, kScreen), (Point{100, 1080 - 350 - 3}));
    EXPECT_EQ(clampedWindowOrigin({180, 270, 580, 350}, kNormal, kScreen), (Point{180, 270}));
}

TEST(MonitorClamp, UsesTheMonitorsOwnEdgesAndTheNormalSize) {
    const Rect left{-1280, -200, 1280, 1024};
    EXPECT_EQ(clampedWindowOrigin({-5000, -5000, 580, 350}, kNormal, left), (Point{-1275, -197}));
    // A compact window (slide show) is still judged by its normal size.
    EXPECT_EQ(clampedWindowOrigin({1800, 100, 200, 150}, kNormal, kScreen).x, 1920 - 580 - 5);
    // Larger than the monitor: the far edge wins.
    EXPECT_EQ(clampedWindowOrigin({-3000, 0, 4000, 350}, {4000, 350}, kScreen).x, 1920 - 4000 - 5);
}

TEST(StandLayout, TabControlKeepsTwoPixelsOffTheEdgesAndTheStatusBar) {
    EXPECT_EQ(tabControlRect({560, 310}, 0, 96), (Rect{2, 2, 556, 306}));
    EXPECT_EQ(tabControlRect({560, 310}, statusBarHeight(18, 2), 96), (Rect{2, 2, 556, 286}));
    EXPECT_EQ(statusBarHeight(std::nullopt, 2), 0) << "a failed query counts as no status bar";
    EXPECT_EQ(statusBarHeight(18, std::nullopt), 0);
    EXPECT_EQ(tabControlRect({3, 3}, 0, 96), (Rect{2, 2, 0, 0}));
}

TEST(StandLayout, PageViewSitsTwoPixelsOffTheTabRow) {
    const Rect display{4, 24, 548, 278};
    EXPECT_EQ(pageViewRect(display, TabPlacement::Top, 96), (Rect{4, 26, 548, 276}));
    EXPECT_EQ(pageViewRect(display, TabPlacement::Bottom, 96), (Rect{4, 24, 548, 276}));
    EXPECT_EQ(pageViewRect(display, TabPlacement::Vertical, 96), display);
}

TEST(StandLayout, StatusFontGrowsWithItsSizeSetting) {
    std::uint32_t style = 0x13100;
    EXPECT_EQ(statusFontHeight(style, 96), 12);
    TabStatusFontSize.set(style, 1);
    EXPECT_EQ(statusFontHeight(style, 96), 13);
    TabStatusFontSize.set(style, 3);
    EXPECT_EQ(statusFontHeight(style, 96), 15) << "特大";
    TabStatusFontSize.set(style, 12);
    EXPECT_EQ(statusFontHeight(style, 96), 15) << "indexes the settings never make stay at the largest";
}

TEST(StandLayout, MarginsFontsAndTheSmallestSizeGrowWithTheWindowsDpi) {
    EXPECT_EQ(tabControlRect({840, 465}, 30, 144), (Rect{3, 3, 834, 429}));
    EXPECT_EQ(tabControlRect({560, 310}, 0, 0), (Rect{2, 2, 556, 306})) << "an unread DPI counts as 96";
    const Rect display{6, 36, 822, 417};
    EXPECT_EQ(pageViewRect(display, TabPlacement::Top, 144), (Rect{6, 39, 822, 414}));
    EXPECT_EQ(pageViewRect(display, TabPlacement::Bottom, 144), (Rect{6, 36, 822, 414}));
    EXPECT_EQ(pageViewRect(display, TabPlacement::Vertical, 144), display);
    std::uint32_t style = 0x13100;
    EXPECT_EQ(statusFontHeight(style, 144), 18);
    TabStatusFontSize.set(style, 3);
    EXPECT_EQ(statusFontHeight(style, 120), 19) << "15 at 125 %";
    EXPECT_EQ(minimumStandSize(96), (Size{310, 250}));
    EXPECT_EQ(minimumStandSize(144), (Size{465, 375}));
    EXPECT_EQ(statusFirstPartRight(144), 570);
}

}  // namespace
}  // namespace quillory
