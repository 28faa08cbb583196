// One album is shown by one process: a second start of the same album file hands over to the
// first and ends; another album, even of a name inside this one's or the same name in another
// folder, runs beside it.
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

    // Many folder Pages over one folder of many (empty) pictures, all counted at every start.
    void writeSlowStartingAlbum(const std::wstring& fileName) {
        const std::filesystem::path folder = sandbox_.file(L"many");
        ASSERT_TRUE(std::filesystem::create_directory(folder));
        for (int picture = 0; picture < kSlowPictures; ++picture) {
            ASSERT_TRUE(writeFileBytes(folder / (std::to_wstring(picture) + L".bmp"), Bytes()));
        }
        AlbumText album;
        album.section(L"Quillory", {{L"PageCount", std::to_wstring(kSlowPages)}});
        for (int page = 1; page <= kSlowPages; ++page) {
            album.section(L"Page" + std::to_wstring(page), {{L"PageVer", L"100"}, {L"Flag", L"268435456"},
                                                            {L"File", folder.wstring() + L"\\"}, {L"FileNum", L"0"}});
        }
        ASSERT_TRUE(writeFileBytes(sandbox_.file(fileName), album.bytes()));
    }

    static constexpr int kSlowPictures = 1000;
    static constexpr int kSlowPages = 200;
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

TEST_F(SingleInstanceTest, TwoStartsAtTheSameMomentShowTheAlbumOnce) {
    // Counting the folder Pages' pictures keeps each start busy a while before its window exists,
    // so the second start comes while the first has none.
    writeSlowStartingAlbum(L"travel.qalbum");
    WindowCreationWatch watch;
    ASSERT_TRUE(watch.active());
    std::optional<AppProcess> one = launch(L"travel");
    std::optional<AppProcess> two = launch(L"travel");
    ASSERT_TRUE(one && two);
    HWND stand = watch.waitForWindow({L"#32770", standCaption(L"travel"), 0, true});
    ASSERT_NE(stand, nullptr);
    const bool oneShows = windowProcess(stand) == one->id();
    const AppProcess& shower = oneShows ? *one : *two;
    const AppProcess& other = oneShows ? *two : *one;

    EXPECT_EQ(watch.waitForExit(other), std::optional<DWORD>(0)) << "the later start did not hand over";
    EXPECT_FALSE(watch.windowCreatedBy(other.mainThreadId())) << "the later start made a window";
    EXPECT_EQ(standsShowing(L"travel"), 1u);
    EXPECT_EQ(closeStand(shower, stand), std::optional<DWORD>(0));
}

TEST_F(SingleInstanceTest, AnAlbumWhoseNameEndsAnothersRunsBesideIt) {
    std::optional<AppProcess> myTravel = launch(L"my travel");
    ASSERT_TRUE(myTravel);
    HWND myTravelStand = waitForStand(*myTravel, L"my travel");
    ASSERT_NE(myTravelStand, nullptr);

    std::optional<AppProcess> travel = launch(L"travel");
    ASSERT_TRUE(travel);
    HWND travelStand = waitForStand(*travel, L"travel");
    ASSERT_NE(travelStand, nullptr) << "travel handed over to my travel";
    EXPECT_TRUE(myTravel->running());
    EXPECT_TRUE(std::filesystem::exists(sandbox_.file(L"travel.qalbum")));

    EXPECT_EQ(closeStand(*travel, travelStand), std::optional<DWORD>(0));
    EXPECT_EQ(closeStand(*myTravel, myTravelStand), std::optional<DWORD>(0));
}

TEST_F(SingleInstanceTest, TheSameFileSpeltAnotherWayIsTheSameAlbum) {
    std::optional<AppProcess> first = launch(L"travel");
    ASSERT_TRUE(first);
    HWND stand = waitForStand(*first, L"travel");
    ASSERT_NE(stand, nullptr);

    // Relative to the program's working folder (the sandbox), in capitals (".qalbum" is added in
    // small letters: the extension test minds case, the file system does not).
    std::optional<AppProcess> second = launch(L".\\TRAVEL");
    ASSERT_TRUE(second);
    EXPECT_EQ(second->waitForExit(), std::optional<DWORD>(0));
    EXPECT_EQ(standsShowing(L"travel"), 1u);
    EXPECT_EQ(standsShowing(L"TRAVEL"), 0u);

    EXPECT_EQ(closeStand(*first, stand), std::optional<DWORD>(0));
}

// Two album files are two albums whatever their names, as two documents of one name are in any
// program; each start of one of them brings forward the window that shows that very file.
TEST_F(SingleInstanceTest, AnAlbumOfTheSameNameInAnotherFolderIsAnotherAlbum) {
    std::optional<AppProcess> first = launch(L"travel");
    ASSERT_TRUE(first);
    HWND firstStand = waitForStand(*first, L"travel");
    ASSERT_NE(firstStand, nullptr);

    const std::filesystem::path elsewhere = sandbox_.file(L"elsewhere");
    ASSERT_TRUE(std::filesystem::create_directory(elsewhere));
    const std::wstring elsewhereAlbum = (elsewhere / L"travel.qalbum").wstring();
    std::optional<AppProcess> second = launch(elsewhereAlbum);
    ASSERT_TRUE(second);
    HWND secondStand = waitForStand(*second, L"travel");
    ASSERT_NE(secondStand, nullptr) << "the album in the other folder did not open";
    EXPECT_TRUE(std::filesystem::exists(elsewhere / L"travel.qalbum"));
    EXPECT_EQ(standsShowing(L"travel"), 2u);

    ShowWindow(secondStand, SW_MINIMIZE);
    ASSERT_TRUE(waitUntil([&] { return IsIconic(secondStand) != FALSE; }));
    std::optional<AppProcess> again = launch(elsewhereAlbum);
    ASSERT_TRUE(again);
    EXPECT_EQ(again->waitForExit(), std::optional<DWORD>(0));
    EXPECT_TRUE(waitUntil([&] { return IsIconic(secondStand) == FALSE; })) << "the other folder's window stayed minimised";
    EXPECT_EQ(standsShowing(L"travel"), 2u);

    EXPECT_EQ(closeStand(*second, secondStand), std::optional<DWORD>(0));
    EXPECT_EQ(closeStand(*first, firstStand), std::optional<DWORD>(0));
}

}  // namespace
}  // namespace quillory::e2e
