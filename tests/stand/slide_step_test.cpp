#include "stand/slide_step.h"

#include <gtest/gtest.h>

#include <random>

#include "stand/current_page.h"
#include "stand/slide_test_album.h"
#include "support/fake_platform.h"

namespace quillory::testing {
namespace {

// The C runtime's range from a seeded generator, for long runs of draws.
class SeededRandom final : public Random {
public:
    explicit SeededRandom(unsigned seed) : engine_(seed) {}
    int next() override { return static_cast<int>(engine_() % 32768); }

private:
    std::minstd_rand engine_;
};

void setOrder(Album& album, unsigned order) { SlideOrder.set(album.settings.SlideStyle, order); }

void showPicture(Album& album, int page, int index) {
    album.currentPage = page;
    album.pages[static_cast<std::size_t>(page)].FolderFileNo = index;
}

TEST(SlideStep, NumbersRunPageAfterPageAndForwardWrapsToTheFirst) {
    Album album = sixPicturesOnThreePages();
    setOrder(album, 1);
    SlideStepState state;
    int front = 0;
    ScriptedRandom random;
    EXPECT_EQ(visiblePictureTotal(album), 6);
    showPicture(album, 1, 2);
    EXPECT_EQ(currentPictureNumber(album), 3);

    showPicture(album, 2, 0);
    const auto target = stepSlide(album, state, front, random);
    ASSERT_TRUE(target);
    EXPECT_EQ(target->number, 0);
    EXPECT_EQ(target->position.page, 0);
    EXPECT_TRUE(target->tabChanged);
    EXPECT_EQ(album.currentPage, 0);
    EXPECT_EQ(currentTab(album), 0);
    EXPECT_EQ(front, 1);
    EXPECT_EQ(state.LastSlideNumber, 0);

    const auto inFolder = stepSlide(album, state, front, random);
    const auto withinFolder = stepSlide(album, state, front, random);
    EXPECT_EQ(inFolder->position.page, 1);
    EXPECT_EQ(withinFolder->position.index, 1);
    EXPECT_EQ(album.pages[1].FolderFileNo, 1);
    EXPECT_FALSE(withinFolder->tabChanged) << "same tab: no rescan";
    EXPECT_EQ(front, 1) << "flipped on every step";
}

TEST(SlideStep, ReverseFromTheFirstPictureGoesToTheLast) {
    Album album = sixPicturesOnThreePages();
    setOrder(album, 2);
    SlideStepState state;
    int front = 0;
    ScriptedRandom random;
    const auto target = stepSlide(album, state, front, random);
    EXPECT_EQ(target->number, 5);
    EXPECT_EQ(target->position.page, 2);
}

TEST(SlideStep, HiddenPagesTakeNoNumbers) {
    Album album = slideAlbum({{1}, {3, true, true}, {2, true}});
    setOrder(album, 1);
    SlideStepState state;
    int front = 0;
    ScriptedRandom random;
    EXPECT_EQ(visiblePictureTotal(album), 3);
    const auto target = stepSlide(album, state, front, random);
    EXPECT_EQ(target->position.page, 2);
    EXPECT_EQ(currentTab(album), 1);
}

TEST(SlideStep, BelowThreePicturesTheOrderIsForward) {
    for (unsigned order : {0u, 2u, 7u}) {
        Album album = slideAlbum({{1}, {1}});
        setOrder(album, order);
        SlideStepState state;
        int front = 0;
        ScriptedRandom random;  // a random choice would draw 0 forever
        EXPECT_EQ(stepSlide(album, state, front, random)->number, 1) << order;
        EXPECT_EQ(stepSlide(album, state, front, random)->number, 0) << order;
    }
}

TEST(SlideStep, RandomNeverRepeatsTheCurrentOrThePreviousChoice) {
    for (int pictures : {3, 4, 9}) {
        Album album = slideAlbum({{1}, {pictures - 1, true}});
        SlideStepState state;
        int front = 0;
        SeededRandom random(static_cast<unsigned>(pictures));
        std::vector<int> seen(static_cast<std::size_t>(pictures));
        for (int step = 0; step < 2000; ++step) {
            // Tab keys change the picture without leaving the show, so the two may differ.
            const auto moved = pictureAt(album, (step * 7) % pictures);
            showPicture(album, moved->page, moved->index);
            const std::int64_t current = currentPictureNumber(album);
            const std::int64_t previous = state.LastSlideNumber;
            const std::int64_t chosen = stepSlide(album, state, front, random)->number;
            ASSERT_NE(chosen, current) << pictures << " pictures, step " << step;
            ASSERT_NE(chosen, previous) << pictures << " pictures, step " << step;
            ++seen[static_cast<std::size_t>(chosen)];
        }
        for (int count : seen) EXPECT_GT(count, 0) << "every picture comes up among " << pictures;
    }
}

TEST(SlideStep, AStuckRandomSourceStillGivesAFreePicture) {
    Album album = sixPicturesOnThreePages();
    SlideStepState state;
    int front = 0;
    state.LastSlideNumber = 1;
    ScriptedRandom random;
    random.values = {6};  // always picture 0, the current one
    const auto target = stepSlide(album, state, front, random);
    ASSERT_TRUE(target);
    EXPECT_EQ(target->number, 2);
}

TEST(SlideStep, AnUnknownOrderShowsThePreviousChoiceAgain) {
    Album album = sixPicturesOnThreePages();
    setOrder(album, 9);
    SlideStepState state;
    int front = 0;
    ScriptedRandom random;
    state.LastSlideNumber = 4;
    EXPECT_EQ(stepSlide(album, state, front, random)->number, 4);
    state.LastSlideNumber = -1;
    EXPECT_EQ(stepSlide(album, state, front, random)->number, 5) << "nothing chosen yet wraps to the last";
}

TEST(SlideStep, AFolderThatEmptiedOrVanishedIsSkipped) {
    Album album = sixPicturesOnThreePages();
    setOrder(album, 1);
    SlideStepState state;
    int front = 0;
    ScriptedRandom random;
    showPicture(album, 1, 3);
    album.pages[1].FileNum = 0;  // the rescan found the folder empty
    EXPECT_EQ(visiblePictureTotal(album), 2);
    const auto target = stepSlide(album, state, front, random);
    EXPECT_EQ(target->position.page, 0) << "the stale folder index wraps rather than leaving the pictures";
    EXPECT_EQ(stepSlide(album, state, front, random)->position.page, 2);

    album.pages[1].FileNum = -3;  // a hand-edited count takes no numbers either
    album.pages[2].FileNum = 5;
    setOrder(album, 0);
    for (int step = 0; step < 50; ++step) EXPECT_NE(stepSlide(album, state, front, random)->position.page, 1);
}

TEST(SlideStep, WithoutAnyPictureEveryStepShowsTheFirstTab) {
    Album album = slideAlbum({{0, true, true}, {0, true}, {0, true}});
    SlideStepState state;
    int front = 0;
    SeededRandom random(1);
    for (int step = 0; step < 3; ++step) {
        const auto target = stepSlide(album, state, front, random);
        ASSERT_TRUE(target);
        EXPECT_EQ(target->position.page, 1) << "Page 0 has no tab";
        EXPECT_EQ(target->position.index, 0);
        EXPECT_EQ(target->number, 0);
    }
    Album empty;
    EXPECT_FALSE(stepSlide(empty, state, front, random));
}

// The picture decoded ahead is the picture the step then shows, and looking ahead does not
// change which pictures come up.
TEST(SlideStep, TheUpcomingPictureIsTheOneTheNextStepShows) {
    for (unsigned order : {0u, 1u, 2u}) {
        Album album = sixPicturesOnThreePages();
        setOrder(album, order);
        SlideStepState state;
        int front = 0;
        SeededRandom random(order + 7);
        for (int step = 0; step < 200; ++step) {
            const auto upcoming = upcomingSlide(album, state, random);
            ASSERT_TRUE(upcoming);
            const auto again = upcomingSlide(album, state, random);
            EXPECT_EQ(again->page, upcoming->page) << "asked twice, drawn once";
            EXPECT_EQ(again->index, upcoming->index);
            const auto target = stepSlide(album, state, front, random);
            ASSERT_EQ(target->position.page, upcoming->page) << "order " << order << ", step " << step;
            ASSERT_EQ(target->position.index, upcoming->index) << "order " << order << ", step " << step;
        }
    }
}

TEST(SlideStep, ANumberDrawnEarlyGivesWayWhenThePersonMovedThere) {
    Album album = sixPicturesOnThreePages();
    SlideStepState state;
    int front = 0;
    ScriptedRandom random;
    random.values = {4, 2};
    ASSERT_EQ(upcomingSlide(album, state, random)->page, 1);  // number 4: the folder's index 3
    showPicture(album, 1, 3);  // a Tab key went there first
    const auto target = stepSlide(album, state, front, random);
    EXPECT_EQ(target->number, 2) << "never the picture on screen";
    album.pages[1].FileNum = 1;  // a rescan shrank the folder: number 4 is gone
    state.drawnNext = 4;
    EXPECT_NE(stepSlide(album, state, front, random)->number, 4);
}

}  // namespace
}  // namespace quillory::testing

namespace quillory::testing {
namespace {

// Page 0 (numbers 0), the folder Page 1 (1 to 4) and Page 2 (5).
SlideShowable showableExcept(std::initializer_list<PicturePosition> blanks) {
    std::vector<PicturePosition> gone(blanks);
    return [gone](const PicturePosition& position) {
        for (const PicturePosition& blank : gone) {
            if (blank.page == position.page && blank.index == position.index) return false;
        }
        return true;
    };
}

TEST(SlideStepSkipping, PicturesThatCannotBeShownArePassedOverInTheShowsDirection) {
    Album album = sixPicturesOnThreePages();
    setOrder(album, 1);
    SlideStepState state;
    int front = 0;
    ScriptedRandom random;
    const SlideShowable showable = showableExcept({{1, 0}, {1, 1}});
    const auto target = stepSlide(album, state, front, random, showable);
    ASSERT_TRUE(target);
    EXPECT_EQ(target->position.page, 1);
    EXPECT_EQ(target->position.index, 2);
    EXPECT_EQ(target->number, 3);
    EXPECT_EQ(state.LastSlideNumber, 3);

    setOrder(album, 2);
    showPicture(album, 1, 2);
    const auto back = stepSlide(album, state, front, random, showableExcept({{1, 1}, {1, 0}}));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->position.page, 0) << "reverse passes over them backwards";

    // A blank Page 2 before the wrap: from the last folder picture forward lands on Page 0.
    setOrder(album, 1);
    showPicture(album, 1, 3);
    const auto wrapped = stepSlide(album, state, front, random, showableExcept({{2, 0}}));
    EXPECT_EQ(wrapped->position.page, 0);
}

TEST(SlideStepSkipping, ARandomChoiceThatCannotBeShownGoesOnToTheNextAndUpcomingAgrees) {
    Album album = sixPicturesOnThreePages();
    setOrder(album, 0);
    SlideStepState state;
    int front = 0;
    ScriptedRandom random;
    random.values = {2};  // number 2: Page 1, index 1
    const SlideShowable showable = showableExcept({{1, 1}});
    const std::optional<PicturePosition> upcoming = upcomingSlide(album, state, random, showable);
    ASSERT_TRUE(upcoming);
    EXPECT_EQ(upcoming->page, 1);
    EXPECT_EQ(upcoming->index, 2);
    const auto target = stepSlide(album, state, front, random, showable);
    ASSERT_TRUE(target);
    EXPECT_EQ(target->position.index, 2);
}

TEST(SlideStepSkipping, WhenNothingCanBeShownTheShowKeepsItsPicture) {
    Album album = sixPicturesOnThreePages();
    setOrder(album, 1);
    SlideStepState state;
    int front = 0;
    ScriptedRandom random;
    showPicture(album, 1, 2);
    const auto target = stepSlide(album, state, front, random, [](const PicturePosition&) { return false; });
    EXPECT_FALSE(target);
    EXPECT_EQ(front, 0);
    EXPECT_EQ(album.currentPage, 1);
    EXPECT_EQ(album.pages[1].FolderFileNo, 2);
}

}  // namespace
}  // namespace quillory::testing
