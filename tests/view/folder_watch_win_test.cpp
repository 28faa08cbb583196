// The folder watch on a real folder: files made and deleted there reach the window's thread as a
// posted notice and a new listing, and a watch of a folder that is not there stays quiet.
#include "view/folder_watch_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "base/wide_win.h"
#include "support/scratch_folder_win.h"

namespace quillory {
namespace {

constexpr UINT kRelisted = WM_APP + 7;

// Two bytes make no picture, but the listing goes by name.
const std::vector<std::uint8_t> kSomeBytes{'B', 'M'};

class FolderWatchWin : public ::testing::Test {
protected:
    void SetUp() override {
        notify_ = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(notify_, nullptr);
        folder_.write(u"a.bmp", kSomeBytes);
        folder_.write(u"b.bmp", kSomeBytes);
        watch_.emplace(notify_, kRelisted);
    }
    void TearDown() override {
        watch_.reset();
        DestroyWindow(notify_);
    }

    // Waits for the watch's notice and takes what it announced. The limit only keeps a watch that
    // never reports from hanging the test.
    std::optional<FolderRelisting> nextListing() {
        for (int round = 0; round < 2000; ++round) {
            MSG message;
            if (PeekMessageW(&message, notify_, kRelisted, kRelisted, PM_REMOVE)) {
                if (std::optional<FolderRelisting> listing = watch_->take()) return listing;
            }
            Sleep(10);
        }
        return std::nullopt;
    }
    // Listings until one counts `count` pictures (a burst may be reported in more than one).
    std::optional<FolderRelisting> listingOf(int count) {
        for (std::optional<FolderRelisting> listing = nextListing(); listing; listing = nextListing()) {
            if (listing->count == count) return listing;
        }
        return std::nullopt;
    }
    static std::vector<Text> namesIn(const FolderRelisting& listing) {
        std::vector<Text> names;
        for (int entry = 0; entry < listing.count; ++entry) {
            const Text& path = listing.list->entries[static_cast<std::size_t>(entry)].path;
            names.push_back(path.substr(path.rfind(u'\\') + 1));
        }
        return names;
    }

    testing::ScratchFolder folder_{u"quillory_watch"};
    FolderToWatch watched_{folder_.path(), /*sortByDate=*/false, /*gdiplusActive=*/true};
    HWND notify_ = nullptr;
    std::optional<FolderWatch> watch_;
};

TEST_F(FolderWatchWin, PicturesAddedAndRemovedReachTheWindowsThreadAsANewListing) {
    watch_->watch(watched_);
    folder_.write(u"0.bmp", kSomeBytes);
    folder_.write(u"c.bmp", kSomeBytes);
    folder_.write(u"notes.txt", kSomeBytes);
    const std::optional<FolderRelisting> grown = listingOf(4);
    ASSERT_TRUE(grown.has_value());
    EXPECT_EQ(namesIn(*grown), (std::vector<Text>{u"0.bmp", u"a.bmp", u"b.bmp", u"c.bmp"}));
    EXPECT_EQ(grown->watched, watched_);

    ASSERT_TRUE(DeleteFileW(wide(folder_.path() + u"a.bmp")));
    const std::optional<FolderRelisting> shrunk = listingOf(3);
    ASSERT_TRUE(shrunk.has_value());
    EXPECT_EQ(namesIn(*shrunk), (std::vector<Text>{u"0.bmp", u"b.bmp", u"c.bmp"}));
}

TEST_F(FolderWatchWin, WatchingAnotherFolderOrNoneEndsTheOldWatch) {
    testing::ScratchFolder other{u"quillory_watch_other"};
    watch_->watch(watched_);
    watch_->watch({other.path(), false, true});
    folder_.write(u"c.bmp", kSomeBytes);
    other.write(u"x.bmp", kSomeBytes);
    const std::optional<FolderRelisting> listing = nextListing();
    ASSERT_TRUE(listing.has_value());
    EXPECT_EQ(namesIn(*listing), std::vector<Text>{u"x.bmp"}) << "only the folder watched last reports";

    watch_->watch({folder_.path() + u"gone\\", false, true});  // not there: nothing to watch, no failure
    watch_->stop();
    EXPECT_FALSE(watch_->take().has_value());
}

}  // namespace
}  // namespace quillory
