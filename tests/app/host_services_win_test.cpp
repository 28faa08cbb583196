#include "app/host_services_win.h"

#include <gtest/gtest.h>

namespace quillory {
namespace {

constexpr SHORT kDown = static_cast<SHORT>(0x8000);
constexpr SHORT kPressedSinceLastQuery = 0x0001;

// The key states a test pretends the keyboard has at start.
SHORT leftShift = 0;
SHORT leftControl = 0;

SHORT WINAPI pretendedKeys(int key) {
    if (key == VK_LSHIFT) return leftShift;
    if (key == VK_LCONTROL) return leftControl;
    return 0;
}

bool startsGdiplusWith(SHORT shift, SHORT control) {
    leftShift = shift;
    leftControl = control;
    const HostServices services(pretendedKeys);
    EXPECT_TRUE(services.comStarted());
    return services.gdiplusActive();
}

TEST(HostServices, LeftShiftAndLeftControlHeldAtStartRunWithoutGdiplus) {
    EXPECT_FALSE(startsGdiplusWith(kDown, kDown));
    // Control counts when it was only pressed since the last query; Shift must be down now.
    EXPECT_FALSE(startsGdiplusWith(kDown, kPressedSinceLastQuery));
    EXPECT_TRUE(startsGdiplusWith(kPressedSinceLastQuery, kDown));
    EXPECT_TRUE(startsGdiplusWith(kDown, 0));
    EXPECT_TRUE(startsGdiplusWith(0, kDown));
    EXPECT_TRUE(startsGdiplusWith(0, 0));
}

}  // namespace
}  // namespace quillory
