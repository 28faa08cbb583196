#include "app/tab_navigation.h"

#include <gtest/gtest.h>

#include "album/album.h"

namespace quillory {
namespace {

TEST(TabStepping, WrapsAroundBothEnds) {
    EXPECT_EQ(steppedTabNumber(4, +1, 5), 0);
    EXPECT_EQ(steppedTabNumber(0, -1, 5), 4);
    EXPECT_EQ(steppedTabNumber(2, +1, 5), 3);
    EXPECT_EQ(steppedTabNumber(0, +1, 1), 0);
}

TEST(MainPage, FirstPageWithTheMarkOverAllPagesElsePageZero) {
    Album album;
    album.pages.resize(4);
    EXPECT_EQ(mainPageIndex(album), 0);
    album.pages[1].Flag = FlagUnmarked;
    album.pages[2].Flag = FlagMainPage | FlagUnmarked;  // hidden pages count too
    album.pages[3].Flag = FlagMainPage;
    EXPECT_EQ(mainPageIndex(album), 2);
}

}  // namespace
}  // namespace quillory
