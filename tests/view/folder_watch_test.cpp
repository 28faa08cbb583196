#include "view/folder_watch.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

namespace quillory {
namespace {

std::vector<FolderEntry> listing(std::initializer_list<const char16_t*> names) {
    std::vector<FolderEntry> entries;
    for (const char16_t* name : names) entries.push_back({Text(u"C:\\trip\\") + name});
    return entries;
}

FolderPlace relisted(const std::vector<FolderEntry>& before, int shown, const std::vector<FolderEntry>& after) {
    return placeAfterRelisting(before, shown, after);
}

TEST(FolderRelisting, TheShownPictureStaysOnScreenWhereverItNowStands) {
    const auto before = listing({u"b.jpg", u"c.jpg", u"d.jpg"});
    const FolderPlace added = relisted(before, 1, listing({u"a.jpg", u"b.jpg", u"c.jpg", u"d.jpg"}));
    EXPECT_EQ(added.index, 2) << "c.jpg moved up by the picture added before it";
    EXPECT_EQ(added.count, 4);
    EXPECT_FALSE(added.pictureChanged);

    const FolderPlace removed = relisted(before, 2, listing({u"c.jpg", u"d.jpg"}));
    EXPECT_EQ(removed.index, 1);
    EXPECT_EQ(removed.count, 2);
    EXPECT_FALSE(removed.pictureChanged);

    const FolderPlace after = relisted(before, 0, listing({u"b.jpg", u"c.jpg", u"d.jpg", u"e.jpg"}));
    EXPECT_EQ(after.index, 0) << "a picture added after the shown one moves nothing";
    EXPECT_FALSE(after.pictureChanged);
}

TEST(FolderRelisting, AGonePictureMakesWayForItsNeighbourAtTheSamePlace) {
    const auto before = listing({u"a.jpg", u"b.jpg", u"c.jpg", u"d.jpg"});
    const FolderPlace middle = relisted(before, 1, listing({u"a.jpg", u"c.jpg", u"d.jpg"}));
    EXPECT_EQ(middle.index, 1) << "c.jpg took b.jpg's place";
    EXPECT_TRUE(middle.pictureChanged);

    const FolderPlace last = relisted(before, 3, listing({u"a.jpg", u"b.jpg"}));
    EXPECT_EQ(last.index, 1) << "the last picture gone: the new last one";
    EXPECT_EQ(last.count, 2);
    EXPECT_TRUE(last.pictureChanged);

    const FolderPlace emptied = relisted(before, 2, {});
    EXPECT_EQ(emptied.index, 0);
    EXPECT_EQ(emptied.count, 0);
    EXPECT_TRUE(emptied.pictureChanged) << "nothing left to show";
}

TEST(FolderRelisting, AFolderThatShowedNothingKeepsItsStoredPlace) {
    // A Page's stored index past its folder's end shows no picture until a step limits it.
    const FolderPlace stillPast = relisted(listing({u"a.jpg"}), 5, listing({u"a.jpg", u"b.jpg"}));
    EXPECT_EQ(stillPast.index, 5);
    EXPECT_EQ(stillPast.count, 2);
    EXPECT_FALSE(stillPast.pictureChanged);

    const FolderPlace reached = relisted(listing({u"a.jpg"}), 1, listing({u"a.jpg", u"b.jpg"}));
    EXPECT_EQ(reached.index, 1);
    EXPECT_TRUE(reached.pictureChanged) << "the stored place holds a picture now";

    const FolderPlace filled = relisted({}, 0, listing({u"a.jpg"}));
    EXPECT_EQ(filled.index, 0);
    EXPECT_EQ(filled.count, 1);
    EXPECT_TRUE(filled.pictureChanged) << "an empty folder's first picture arrived";
}

}  // namespace
}  // namespace quillory
