#include "view/picture_cache.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace quillory {
namespace {

constexpr FileStamp kStamp{100, 2000};

// Counts the pictures alive, so a test sees the cache really let go of them.
struct Counted {
    explicit Counted(int* alive) : alive_(alive) { ++*alive_; }
    ~Counted() { --*alive_; }
    int* alive_;
};
using Picture = std::shared_ptr<Counted>;

TEST(PictureCache, KeepsTheMostRecentlyUsedWithinThePictureLimit) {
    int alive = 0;
    PictureCache<Picture> cache({2, 1000});
    cache.insert(u"a.jpg", kStamp, std::make_shared<Counted>(&alive), 10);
    cache.insert(u"b.jpg", kStamp, std::make_shared<Counted>(&alive), 10);
    ASSERT_NE(cache.find(u"a.jpg", kStamp), nullptr);  // a is now more recent than b
    cache.insert(u"c.jpg", kStamp, std::make_shared<Counted>(&alive), 10);
    EXPECT_NE(cache.find(u"a.jpg", kStamp), nullptr);
    EXPECT_EQ(cache.find(u"b.jpg", kStamp), nullptr);
    EXPECT_NE(cache.find(u"c.jpg", kStamp), nullptr);
    EXPECT_EQ(alive, 2);
    EXPECT_EQ(cache.byteCount(), 20u);
}

TEST(PictureCache, DropsTheLeastRecentUntilTheBytesFit) {
    int alive = 0;
    PictureCache<Picture> cache({8, 100});
    cache.insert(u"a.jpg", kStamp, std::make_shared<Counted>(&alive), 40);
    cache.insert(u"b.jpg", kStamp, std::make_shared<Counted>(&alive), 40);
    cache.insert(u"c.jpg", kStamp, std::make_shared<Counted>(&alive), 70);  // needs both gone
    EXPECT_EQ(cache.pictureCount(), 1u);
    EXPECT_EQ(cache.byteCount(), 70u);
    EXPECT_EQ(alive, 1);
    cache.insert(u"huge.jpg", kStamp, std::make_shared<Counted>(&alive), 101);  // never kept
    EXPECT_EQ(cache.find(u"huge.jpg", kStamp), nullptr);
    EXPECT_NE(cache.find(u"c.jpg", kStamp), nullptr);
}

TEST(PictureCache, AFileChangedOnDiskIsDecodedAfresh) {
    int alive = 0;
    PictureCache<Picture> cache({4, 1000});
    cache.insert(u"a.jpg", kStamp, std::make_shared<Counted>(&alive), 10);
    EXPECT_EQ(cache.find(u"a.jpg", {101, 2000}), nullptr);  // rewritten
    EXPECT_EQ(alive, 0);                                     // and the old picture is gone
    EXPECT_EQ(cache.byteCount(), 0u);
    cache.insert(u"a.jpg", kStamp, std::make_shared<Counted>(&alive), 10);
    EXPECT_EQ(cache.find(u"a.jpg", {100, 2001}), nullptr);  // same time, other size
    cache.insert(u"a.jpg", kStamp, std::make_shared<Counted>(&alive), 10);
    cache.insert(u"a.jpg", {102, 2000}, std::make_shared<Counted>(&alive), 30);  // replaces, not beside
    EXPECT_EQ(cache.pictureCount(), 1u);
    EXPECT_EQ(cache.byteCount(), 30u);
    EXPECT_EQ(alive, 1);
}

TEST(PictureCache, APictureInUseOutlivesItsEviction) {
    int alive = 0;
    PictureCache<Picture> cache({1, 1000});
    Picture shown = std::make_shared<Counted>(&alive);
    cache.insert(u"a.jpg", kStamp, shown, 10);
    cache.insert(u"b.jpg", kStamp, std::make_shared<Counted>(&alive), 10);
    EXPECT_EQ(alive, 2);  // the view still shows a
    shown.reset();
    EXPECT_EQ(alive, 1);
    cache.clear();
    EXPECT_EQ(alive, 0);
}

// Pictures decoded ahead of a step: the one on screen and those wanted sooner stay, whatever the
// limits, and a picture that does not fit beside them is the one not kept.
TEST(PictureCache, APictureDecodedAheadNeverPushesOutThoseAheadOfIt) {
    int alive = 0;
    PictureCache<Picture> cache({3, 100});
    cache.insert(u"shown.jpg", kStamp, std::make_shared<Counted>(&alive), 40);
    cache.insert(u"old.jpg", kStamp, std::make_shared<Counted>(&alive), 40);  // more recent than shown
    const std::vector<Text> shown{u"shown.jpg"};
    cache.insertBehind(u"next.jpg", kStamp, std::make_shared<Counted>(&alive), 40, shown);
    EXPECT_TRUE(cache.holds(u"shown.jpg", kStamp)) << "the least recently used, but on screen";
    EXPECT_TRUE(cache.holds(u"next.jpg", kStamp));
    EXPECT_FALSE(cache.holds(u"old.jpg", kStamp));

    const std::vector<Text> wantedSooner{u"shown.jpg", u"next.jpg", u"shown.jpg", u"gone.jpg"};
    cache.insertBehind(u"back.jpg", kStamp, std::make_shared<Counted>(&alive), 40, wantedSooner);
    EXPECT_TRUE(cache.holds(u"shown.jpg", kStamp));
    EXPECT_TRUE(cache.holds(u"next.jpg", kStamp)) << "wanted sooner than the one that came later";
    EXPECT_FALSE(cache.holds(u"back.jpg", kStamp)) << "no room beside them";
    EXPECT_EQ(cache.byteCount(), 80u);
    EXPECT_EQ(alive, 2);

    cache.insertBehind(u"small.jpg", kStamp, std::make_shared<Counted>(&alive), 20, wantedSooner);
    EXPECT_EQ(cache.pictureCount(), 3u);
    EXPECT_FALSE(cache.holds(u"small.jpg", {kStamp.writeTime + 1, kStamp.size})) << "holds only that version";
    cache.insert(u"later.jpg", kStamp, std::make_shared<Counted>(&alive), 10);
    EXPECT_TRUE(cache.holds(u"next.jpg", kStamp));
    EXPECT_FALSE(cache.holds(u"small.jpg", kStamp)) << "came behind next, so goes first";
}

// Before pictures are decoded beside them, the least recently used go, but never those still
// wanted (the one on screen, those wanted sooner).
TEST(PictureCache, MakesRoomForPicturesInFlightWithoutDroppingThoseWanted) {
    int alive = 0;
    PictureCache<Picture> cache({8, 100});
    for (const char16_t* name : {u"a.jpg", u"b.jpg", u"c.jpg"}) cache.insert(name, kStamp, std::make_shared<Counted>(&alive), 30);
    const std::vector<Text> keep{u"a.jpg"};
    EXPECT_EQ(cache.makeRoom(40, keep), 40u);
    EXPECT_TRUE(cache.holds(u"a.jpg", kStamp)) << "the least recently used, but wanted";
    EXPECT_FALSE(cache.holds(u"b.jpg", kStamp));
    EXPECT_TRUE(cache.holds(u"c.jpg", kStamp)) << "room enough without dropping it";
    EXPECT_EQ(cache.makeRoom(90, keep), 70u) << "what is wanted leaves less than asked";
    EXPECT_EQ(alive, 1);
    EXPECT_EQ(cache.byteCount(), 30u);
}

}  // namespace
}  // namespace quillory
