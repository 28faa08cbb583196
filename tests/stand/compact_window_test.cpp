#include "stand/compact_window.h"

#include <gtest/gtest.h>

namespace quillory::testing {
namespace {

TEST(CompactWindow, TitleSaysTheShowRuns) {
    EXPECT_EQ(runningTitle(u"家族"), u"家族 - Quillory (スライドショー動作中...)");
    EXPECT_EQ(runningTitle(Text(70, u'a')), Text(64, u'a') + u" - Quillory (スライドショー動作中...)");
}

}  // namespace
}  // namespace quillory::testing
