// One album is shown by one process: a second start with the same album name hands over to the
// first and ends; another name runs beside it.
#include "stand_test.h"
#include "window_watch.h"

#include <filesystem>

namespace quillory::e2e {
namespace {

class SingleInstanceTest : public StandTest {
protected:
    size_t standsShowing(const std::wstring& albumName) {
        return topLevelWindows({L"#32770", standCaption(albumName)}).size();
    }
};

TEST_F(SingleInstanceTest, SecondStartRestoresTheMinimisedFirstWindowAndEndsWithoutAWindow) {
    WindowCreationWatch watch;
    ASSERT_TRUE(watch.active());
    std::optional<AppProcess> first = launch(L"travel");
    ASSERT_TRUE(first);
    HWND stand = watch.waitForWindow({L"#32770", standCaption(L"travel"), first->id(), true});
    ASSERT_NE(stand, nullptr);
    ASSERT_TRUE(watch.windowCreatedBy(first->mainThreadId())) << "the watch does not see windows being made";
    ShowWindow(stand, SW_MINIMIZE);
    ASSERT_TRUE(waitUntil([&] { return IsIconic(stand) != FALSE; }));
    const std::optional<Bytes> albumBefore = albumBytes(L"travel.qalbum");

    std::optional<AppProcess> second = launch(L"travel");
    ASSERT_TRUE(second);
    EXPECT_EQ(watch.waitForExit(*second), std::optional<DWORD>(0));
    EXPECT_FALSE(watch.windowCreatedBy(second->mainThreadId())) << "the second start made a window";
    EXPECT_TRUE(waitUntil([&] { return IsIconic(stand) == FALSE; })) << "the first window stayed minimised";
    EXPECT_EQ(standsShowing(L"travel"), 1u);
    EXPECT_TRUE(first->running());
    EXPECT_EQ(albumBytes(L"travel.qalbum"), albumBefore) << "the second start wrote the album";

    EXPECT_EQ(closeStand(*first, stand), std::optional<DWORD>(0));
}

TEST_F(SingleInstanceTest, AnotherNameStartsASecondInstanceAndTheSameNameBringsTheFirstToTheFront) {
    std::optional<AppProcess> travel = launch(L"travel");
    ASSERT_TRUE(travel);
    HWND travelStand = waitForStand(*travel, L"travel");
    ASSERT_NE(travelStand, nullptr);

    std::optional<AppProcess> family = launch(L"family");
    ASSERT_TRUE(family);
    HWND familyStand = waitForStand(*family, L"family");
    ASSERT_NE(familyStand, nullptr);
    EXPECT_TRUE(travel->running());
    ASSERT_TRUE(waitUntil([&] { return GetForegroundWindow() == familyStand; }))
        << "the new instance's window did not come to the front";

    std::optional<AppProcess> again = launch(L"travel");
    ASSERT_TRUE(again);
    EXPECT_EQ(again->waitForExit(), std::optional<DWORD>(0));
    EXPECT_TRUE(waitUntil([&] { return GetForegroundWindow() == travelStand; }))
        << "the first travel window was not brought to the front";
    EXPECT_EQ(standsShowing(L"travel"), 1u);

    EXPECT_EQ(closeStand(*family, familyStand), std::optional<DWORD>(0));
    EXPECT_EQ(closeStand(*travel, travelStand), std::optional<DWORD>(0));
}

TEST_F(SingleInstanceTest, SameFileNameInAnotherFolderCountsAsTheSameAlbum) {
    std::optional<AppProcess> first = launch(L"travel");
    ASSERT_TRUE(first);
    HWND stand = waitForStand(*first, L"travel");
    ASSERT_NE(stand, nullptr);

    const std::filesystem::path elsewhere = sandbox_.file(L"elsewhere");
    ASSERT_TRUE(std::filesystem::create_directory(elsewhere));
    std::optional<AppProcess> second = launch((elsewhere / L"travel.qalbum").wstring());
    ASSERT_TRUE(second);
    EXPECT_EQ(second->waitForExit(), std::optional<DWORD>(0));
    EXPECT_FALSE(std::filesystem::exists(elsewhere / L"travel.qalbum")) << "the second start made its album";

    EXPECT_EQ(closeStand(*first, stand), std::optional<DWORD>(0));
}

}  // namespace
}  // namespace quillory::e2e
