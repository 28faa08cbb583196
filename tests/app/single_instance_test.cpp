#include "app/single_instance.h"

#include <gtest/gtest.h>

#include "app/album_location.h"

namespace quillory {
namespace {

TEST(SingleInstance, AlbumsThatDifferAnywhereInTheirPathsHaveTheirOwnLocks) {
    // A name inside another, and a name beyond 64 characters, were once taken for each other.
    const Text travel = u"C:\\APPS\\QUILLORY\\TRAVEL.QALBUM";
    const Text myTravel = u"C:\\APPS\\QUILLORY\\MY TRAVEL.QALBUM";
    const Text longName = u"C:\\APPS\\" + Text(70, u'A');
    EXPECT_NE(albumKeyOf(travel).lockName, albumKeyOf(myTravel).lockName);
    EXPECT_NE(albumKeyOf(longName + u"1.QALBUM").lockName, albumKeyOf(longName + u"2.QALBUM").lockName);
    EXPECT_NE(albumKeyOf(travel).lockName, albumKeyOf(u"D:\\2024\\TRAVEL.QALBUM").lockName);
    EXPECT_NE(albumKeyOf(travel).hash, albumKeyOf(myTravel).hash);
}

TEST(SingleInstance, TheExtendedSpellingOfAPathIsTheSameAlbum) {
    const Text drive = u"D:\\" + Text(250, u'A') + u".QALBUM";
    EXPECT_EQ(albumKeyOf(extendedLengthPath(drive)).lockName, albumKeyOf(drive).lockName);
    const Text share = u"\\\\SERVER\\SHARE\\" + Text(250, u'A') + u".QALBUM";
    EXPECT_EQ(albumKeyOf(extendedLengthPath(share)).hash, albumKeyOf(share).hash);
}

TEST(SingleInstance, TheLockNameIsAValidSessionNameOfFixedLengthWhateverThePath) {
    for (const Text& path : {Text(u"C:\\A.QALBUM"), u"C:\\" + Text(32000, u'\\'), Text()}) {
        const AlbumKey key = albumKeyOf(path);
        ASSERT_TRUE(key.lockName.starts_with(u"Local\\"));
        const TextView own = TextView(key.lockName).substr(6);
        EXPECT_EQ(own.find(u'\\'), TextView::npos) << "a backslash makes a name the system refuses";
        EXPECT_EQ(key.lockName.size(), albumKeyOf(u"C:\\B.QALBUM").lockName.size());
        EXPECT_LT(key.lockName.size(), 260u);
        EXPECT_NE(key.hash, 0u) << "0 is no window mark";
    }
}

}  // namespace
}  // namespace quillory
