#include "stand/suspend_notice_win.h"

#include <gtest/gtest.h>

namespace quillory {
namespace {

// Stands in for the system: keeps what was registered and counts the unregistrations.
PowerNoticeParameters* registered = nullptr;
int unregistered = 0;
int registrationToken = 0;

DWORD WINAPI fakeRegister(DWORD flags, HANDLE recipient, PVOID* registration) {
    EXPECT_EQ(flags, 2u);  // a direct callback
    registered = static_cast<PowerNoticeParameters*>(recipient);
    *registration = &registrationToken;
    return ERROR_SUCCESS;
}

DWORD WINAPI fakeUnregister(PVOID registration) {
    EXPECT_EQ(registration, &registrationToken);
    ++unregistered;
    return ERROR_SUCCESS;
}

void deliver(ULONG type) { registered->callback(registered->context, type, nullptr); }

TEST(SuspendNotice, SleepHoldsTheSlideShowAndWakingRestartsItsCountdown) {
    SlideCountdown countdown;
    countdown.SlideTicks = 9;
    {
        const SuspendNotice notice(countdown, {fakeRegister, fakeUnregister});
        ASSERT_NE(registered, nullptr);
        deliver(PBT_APMSUSPEND);
        EXPECT_TRUE(countdown.SlideHold);
        EXPECT_EQ(countdown.SlideTicks, 9);
        deliver(PBT_APMPOWERSTATUSCHANGE);  // other notices change nothing
        EXPECT_TRUE(countdown.SlideHold);
        deliver(PBT_APMRESUMESUSPEND);
        EXPECT_FALSE(countdown.SlideHold);
        EXPECT_EQ(countdown.SlideTicks, 0);
    }
    EXPECT_EQ(unregistered, 1);
}

}  // namespace
}  // namespace quillory
