#include "stand/compact_window.h"

#include <gtest/gtest.h>

namespace quillory::testing {
namespace {

TEST(CompactWindow, TitleSaysTheShowRuns) {
    EXPECT_EQ(runningTitle(u"家族 - Quillory"), u"家族 - Quillory (スライドショー動作中...)");
    EXPECT_EQ(pausedTitle(u"家族 - Quillory"), u"家族 - Quillory (スライドショー動作中...) (一時停止中)");
}

}  // namespace
}  // namespace quillory::testing
