#include "view/decode_ahead.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>

namespace quillory {
namespace {

using Neighbours = std::vector<int>;

TEST(DecodeAhead, FolderNeighboursAreWhatTheBarsButtonsShowNextFirst) {
    EXPECT_EQ(folderNeighbours(3, 8), (Neighbours{4, 2}));
    EXPECT_EQ(folderNeighbours(0, 8), (Neighbours{1})) << "back on the first picture stays";
    EXPECT_EQ(folderNeighbours(7, 8), (Neighbours{6})) << "no wrap-around";
    EXPECT_EQ(folderNeighbours(0, 1), Neighbours{});
    EXPECT_EQ(folderNeighbours(0, 0), Neighbours{});
    EXPECT_EQ(folderNeighbours(12, 8), (Neighbours{7})) << "a stored index past the end comes back to the last";
}

Album albumOfThreePages() {
    Album album;
    album.pages.resize(3);
    album.pages[0].File = u"C:\\one.jpg";
    album.pages[1].File = u"D:\\trip\\";
    album.pages[1].Flag = FlagFolder;
    album.pages[2].File = u"E:\\cats\\";
    album.pages[2].Flag = FlagFolder;
    album.settings.TabStyle = TabSortByDate;
    album.currentPage = 1;
    return album;
}

TEST(DecodeAhead, APictureIsNamedAsTheStepThatShowsItWillLoadIt) {
    const Album album = albumOfThreePages();
    const auto list = std::make_unique<FolderList>();
    list->entries[2].path = u"D:\\trip\\c.jpg";
    EXPECT_EQ(aheadPictureAt(album, {0, 0}, *list, 3), AheadPicture{u"C:\\one.jpg"});
    EXPECT_EQ(aheadPictureAt(album, {1, 2}, *list, 3), AheadPicture{u"D:\\trip\\c.jpg"}) << "the shown folder's list";
    EXPECT_EQ(aheadPictureAt(album, {1, 3}, *list, 3), AheadPicture{}) << "past the list: nothing";
    EXPECT_EQ(aheadPictureAt(album, {2, 5}, *list, 3), (AheadPicture{u"E:\\cats\\", 5, true}))
        << "another folder is listed anew, in its order";
    EXPECT_EQ(aheadPictureAt(album, {3, 0}, *list, 3), AheadPicture{});
}

TEST(DecodeAhead, ANewWishDropsQueuedWorkAndMakesTheJobInHandStale) {
    DecodeAheadQueue<int> queue;
    EXPECT_TRUE(queue.idle());
    queue.want({4, 2});
    EXPECT_EQ(queue.take(), 4);
    EXPECT_EQ(queue.take(), std::nullopt) << "one job in hand at a time";
    queue.want({5, 4, 3});  // a step to 4 while 4 is decoded
    EXPECT_TRUE(queue.finish()) << "4 is still wanted";
    EXPECT_EQ(queue.take(), 5) << "4 was not queued a second time; 2 was dropped";
    queue.want({6});
    EXPECT_FALSE(queue.finish()) << "5 is stale";
    EXPECT_EQ(queue.take(), 6);
    queue.clear();
    EXPECT_FALSE(queue.finish());
    EXPECT_TRUE(queue.idle());
    EXPECT_FALSE(queue.finish()) << "nothing in hand";
}

// A folder scan may run before the worker knows which picture it decodes; a step must not decode
// the same picture beside it meanwhile.
TEST(DecodeAhead, AStepWaitsForTheJobInHandUntilItsPictureIsKnownToBeAnother) {
    DecodeAheadQueue<int> queue;
    EXPECT_FALSE(queue.mayHold(u"a.jpg")) << "nothing in hand";
    queue.want({1});
    ASSERT_EQ(queue.take(), 1);
    EXPECT_TRUE(queue.mayHold(u"a.jpg")) << "taken, its picture not known yet";
    queue.name(u"b.jpg");
    EXPECT_FALSE(queue.mayHold(u"a.jpg"));
    EXPECT_TRUE(queue.mayHold(u"b.jpg"));
    queue.finish();
    EXPECT_FALSE(queue.mayHold(u"b.jpg"));
    queue.name(u"c.jpg");
    EXPECT_FALSE(queue.mayHold(u"c.jpg")) << "a name with nothing in hand is ignored";
}

TEST(DecodeAhead, TheResultAStepWaitsForIsKeptWhenTheWishMovesOn) {
    DecodeAheadQueue<int> queue;
    queue.want({1, 2});
    ASSERT_EQ(queue.take(), 1);
    queue.name(u"a.jpg");
    queue.await(u"a.jpg");
    queue.clear();  // a Page switch while the step waits
    EXPECT_TRUE(queue.finish()) << "awaited, so not stale";
    queue.await(std::nullopt);
    queue.want({2});
    ASSERT_EQ(queue.take(), 2);
    queue.name(u"b.jpg");
    queue.await(u"a.jpg");
    queue.clear();
    EXPECT_FALSE(queue.finish()) << "another picture is awaited";
}

// A window shows nothing until its picture is ready: that job goes before every wish and is not
// dropped when the wish moves on.
TEST(DecodeAhead, ThePictureAWindowWaitsForGoesFirstAndOutlivesNewWishes) {
    DecodeAheadQueue<int> queue;
    queue.want({2, 3});
    queue.wantFirst(1);
    queue.want({3, 4});
    EXPECT_EQ(queue.take(), 1);
    queue.want({5});
    EXPECT_TRUE(queue.finish()) << "the first job is never stale";
    EXPECT_EQ(queue.first(), std::nullopt) << "done with it";
    EXPECT_EQ(queue.take(), 5);

    queue.wantFirst(5);  // the window wants the very picture in hand
    EXPECT_TRUE(queue.finish());
    EXPECT_TRUE(queue.idle()) << "not queued a second time";

    queue.wantFirst(6);
    queue.wantFirst(7);  // another window came: 6 is no longer waited for
    queue.want({6});
    EXPECT_EQ(queue.take(), 7);
    EXPECT_TRUE(queue.finish());
    EXPECT_EQ(queue.take(), 6);
    queue.wantFirst(8);
    queue.clear();
    EXPECT_FALSE(queue.finish());
    EXPECT_TRUE(queue.idle()) << "stopping lets go of the first job too";
}

// The worker takes no more than the room the kept pictures leave: the job in hand counts until it
// is finished, its result until the window's thread has it.
TEST(DecodeAhead, WorkIsTakenOnlyWhileWhatIsInFlightFitsTheRoom) {
    DecodeAheadQueue<int> queue;
    queue.setRoom(100);
    queue.want({1, 2, 3});
    ASSERT_EQ(queue.take(60), 1);
    EXPECT_EQ(queue.inFlight(), 60u);
    EXPECT_TRUE(queue.finish(50));
    EXPECT_EQ(queue.inFlight(), 50u) << "the result counts its own bytes";
    EXPECT_FALSE(queue.canTake(60));
    EXPECT_EQ(queue.take(60), std::nullopt) << "no room beside the result waiting";
    queue.handedOver();
    queue.want({2, 3});  // 1 is kept now, and takes part of the room
    queue.setRoom(40);
    EXPECT_EQ(queue.take(60), std::nullopt);
    EXPECT_EQ(queue.take(std::numeric_limits<std::size_t>::max()), std::nullopt) << "no overflow";
    queue.wantFirst(9);
    EXPECT_EQ(queue.take(60), 9) << "the window's own picture goes whatever the room";
    EXPECT_TRUE(queue.finish(60));
    queue.handedOver();
    queue.setRoom(100);
    EXPECT_EQ(queue.take(60), 2);
    queue.want({});
    EXPECT_FALSE(queue.finish(60));
    EXPECT_EQ(queue.inFlight(), 0u) << "a stale result is let go at once";
}

}  // namespace
}  // namespace quillory
