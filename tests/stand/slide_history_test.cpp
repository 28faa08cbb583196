#include "stand/slide_history.h"

#include <gtest/gtest.h>

#include <memory>

#include "stand/slide_test_album.h"
#include "support/fake_platform.h"

namespace quillory::testing {
namespace {

class SlideHistory : public ::testing::Test {
protected:
    SlideHistory() {
        album.pages[1].File = u"C:\\Pictures\\Trip\\";
        album.pages[2].File = u"C:\\Pictures\\cat.png";
        for (int index = 0; index < 4; ++index) {
            folder->entries[static_cast<std::size_t>(index)].path = u"C:\\Pictures\\Trip\\IMG_000" + Text(1, u'1' + index) + u".JPG";
        }
        SlideOrder.set(album.settings.SlideStyle, 1);
    }

    // One step as the window performs it, with the folder listed as it was when loaded.
    void step(int folderCount = 4) {
        const auto target = stepSlide(album, state, front, random);
        const PageSettings& page = album.pages[static_cast<std::size_t>(target->position.page)];
        recordSlide(album, *target, slidePicturePath(page, target->position.index, *folder, folderCount));
    }

    Album album = sixPicturesOnThreePages();
    std::unique_ptr<FolderList> folder = std::make_unique<FolderList>();
    SlideStepState state;
    int front = 0;
    ScriptedRandom random;
};

TEST_F(SlideHistory, NewestFirstAndGoingBackToTheSecondNewest) {
    step();
    step();
    step();
    EXPECT_EQ(album.history[0].pictureNumber, 3);
    EXPECT_EQ(album.history[0].fileName, u"IMG_0003.JPG");
    EXPECT_EQ(album.history[1].pictureNumber, 2);
    EXPECT_EQ(album.history[2].pictureNumber, 1);
    EXPECT_EQ(album.history[3].pictureNumber, -1);
    const auto secondNewest = historyTarget(album, 1);
    ASSERT_TRUE(secondNewest);
    EXPECT_EQ(secondNewest->page, 1);
    EXPECT_EQ(secondNewest->index, 1);
}

TEST_F(SlideHistory, KeepsEightAndNamesFilePagesByTheirFile) {
    for (int count = 0; count < 9; ++count) step();
    EXPECT_EQ(album.history[0].pictureNumber, 3);  // 1 … 5, 0, 1, 2, 3
    EXPECT_EQ(album.history[3].pictureNumber, 0);
    EXPECT_EQ(album.history[3].fileName, u"");  // the first Page has no file
    EXPECT_EQ(album.history[4].fileName, u"cat.png");
    EXPECT_EQ(album.history[7].pictureNumber, 2) << "the oldest of the nine steps fell out";
}

TEST_F(SlideHistory, APictureMissingFromItsFolderIsNotRecordedAsAnother) {
    step(/*folderCount=*/0);  // the folder was empty when the picture was loaded
    EXPECT_EQ(album.history[0].pictureNumber, 1);
    EXPECT_EQ(album.history[0].fileName, u"") << "no name rather than another picture's";

    album.pages[1].FileNum = 1;  // the rescan found one picture; picture 2 is no longer in that folder
    const SlideTarget stale{{1, 1}, 2, false};
    recordSlide(album, stale, u"C:\\Pictures\\Trip\\IMG_0002.JPG");
    EXPECT_EQ(album.history[0].pictureNumber, 1) << "nothing pushed for a number that names another picture";
}

TEST_F(SlideHistory, EntriesThatNameNoPictureLeadNowhere) {
    album.history[0].pictureNumber = 6;  // the folder held more pictures when it was recorded
    album.history[1].pictureNumber = -1;
    album.history[2].pictureNumber = -9;
    album.history[3].pictureNumber = 5;
    EXPECT_FALSE(historyTarget(album, 0));
    EXPECT_FALSE(historyTarget(album, 1));
    EXPECT_FALSE(historyTarget(album, 2));
    EXPECT_EQ(historyTarget(album, 3)->page, 2);
    EXPECT_FALSE(historyTarget(album, -1));
    EXPECT_FALSE(historyTarget(album, 8));
}

TEST_F(SlideHistory, ForgottenWhenThePicturesAreNumberedAnew) {
    step();
    const PictureNumbering before = pictureNumbering(album);
    EXPECT_FALSE(forgetHistoryIfRenumbered(album, before));
    EXPECT_EQ(album.history[0].pictureNumber, 1);

    album.pages[1].FileNum = 7;  // a folder dropped on the Page
    EXPECT_TRUE(forgetHistoryIfRenumbered(album, before));
    EXPECT_EQ(album.history[0].pictureNumber, -1);

    step();
    const PictureNumbering marked = pictureNumbering(album);
    album.pages[0].Flag |= FlagUnmarked;  // same counts, but Page 0 no longer numbered
    EXPECT_TRUE(forgetHistoryIfRenumbered(album, marked));
}

}  // namespace
}  // namespace quillory::testing
