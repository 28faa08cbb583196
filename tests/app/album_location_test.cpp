#include "app/album_location.h"

#include <gtest/gtest.h>

namespace quillory {
namespace {

constexpr TextView kProgramFolder = u"C:\\Apps\\Quillory\\";

TEST(AlbumLocation, NoArgumentUsesTheAlbumBesideTheProgram) {
    const AlbumLocation location = albumLocationFromArgument(kProgramFolder, u"");
    EXPECT_EQ(location.path, u"C:\\Apps\\Quillory\\Quillory.qalbum");
    EXPECT_EQ(location.name, u"Quillory");
    EXPECT_EQ(standWindowTitle(location.name), u"Quillory - Quillory");
}

TEST(AlbumLocation, ANameIsLookedUpBesideTheProgramAndGetsTheExtension) {
    const AlbumLocation location = albumLocationFromArgument(kProgramFolder, u"travel");
    EXPECT_EQ(location.path, u"C:\\Apps\\Quillory\\travel.qalbum");
    EXPECT_EQ(location.name, u"travel");
}

TEST(AlbumLocation, APathIsTakenAsItIsWithOrWithoutQuotesAndExtension) {
    for (const TextView argument : {u"D:\\photos\\family.qalbum", u"\"D:\\photos\\family.qalbum\"", u"D:\\photos\\family"}) {
        const AlbumLocation location = albumLocationFromArgument(kProgramFolder, argument);
        EXPECT_EQ(location.path, u"D:\\photos\\family.qalbum") << textToUtf8(argument);
        EXPECT_EQ(location.name, u"family") << textToUtf8(argument);
    }
}

TEST(AlbumLocation, NameLosesOnlyItsLastExtensionAndBlanksStayInOneArgument) {
    EXPECT_EQ(albumLocationFromArgument(kProgramFolder, u"my trip.2024.qalbum").name, u"my trip.2024");
    EXPECT_EQ(albumLocationFromArgument(kProgramFolder, u"my trip.2024.qalbum").path, u"C:\\Apps\\Quillory\\my trip.2024.qalbum");
    // The extension test is a plain substring test: a folder named like an album keeps the path unchanged.
    EXPECT_EQ(albumLocationFromArgument(kProgramFolder, u"D:\\x.qalbum\\y").path, u"D:\\x.qalbum\\y");
}

TEST(AlbumLocation, TitleTakesAtMost64CharactersOfTheName) {
    const Text longName = Text(64, u'a') + u"tail";
    EXPECT_EQ(standWindowTitle(longName), Text(64, u'a') + u" - Quillory");
}

TEST(AlbumLocation, AnArgumentOfAnyLengthIsKeptWhole) {
    const Text folder = u"D:\\" + Text(120, u'f') + u"\\長い フォルダ 名前 " + Text(150, u'g');
    for (const Text& argument : {folder + u"\\album.qalbum", u"\"" + folder + u"\\album.qalbum\"", folder + u"\\album"}) {
        const AlbumLocation location = albumLocationFromArgument(kProgramFolder, argument);
        EXPECT_EQ(location.path, folder + u"\\album.qalbum");
        EXPECT_EQ(location.name, u"album");
    }
    const Text longName = Text(300, u'n');
    EXPECT_EQ(albumLocationFromArgument(kProgramFolder, longName).path, Text(kProgramFolder) + longName + u".qalbum");
}

TEST(AlbumLocation, OnlyAPathTooLongForAPlainOneGetsTheExtendedPrefix) {
    const Text shortPath = u"D:\\photos\\family.qalbum";
    EXPECT_EQ(extendedLengthPath(shortPath), shortPath);
    // 245 units and "_Backup.qalbum" after them still make a plain path of 259; one more does not.
    const Text fits = u"D:\\" + Text(235, u'a') + u".qalbum";
    ASSERT_EQ(fits.size(), 245u);
    EXPECT_EQ(extendedLengthPath(fits), fits);
    const Text drive = u"D:\\" + Text(236, u'a') + u".qalbum";
    EXPECT_EQ(extendedLengthPath(drive), u"\\\\?\\" + drive);
    const Text share = u"\\\\server\\share\\" + Text(240, u'a') + u".qalbum";
    EXPECT_EQ(extendedLengthPath(share), u"\\\\?\\UNC\\server\\share\\" + Text(240, u'a') + u".qalbum");
    const Text oneLetterShare = u"\\\\s\\share\\" + Text(240, u'a');
    EXPECT_EQ(extendedLengthPath(oneLetterShare), u"\\\\?\\UNC\\s\\share\\" + Text(240, u'a'));
}

TEST(AlbumLocation, PathsTheSystemTakesAsTheyAreKeepTheirSpelling) {
    const Text tail = Text(260, u'a') + u".qalbum";
    for (const Text& path : {u"\\\\?\\D:\\" + tail, u"\\\\?\\UNC\\server\\" + tail, u"\\\\.\\D:\\" + tail, u"relative\\" + tail}) {
        EXPECT_EQ(extendedLengthPath(path), path) << textToUtf8(path.substr(0, 12));
    }
}

TEST(AlbumLocation, ThePlainSpellingUndoesTheExtendedOne) {
    const Text tail = Text(250, u'a') + u".qalbum";
    for (const Text& plain : {u"D:\\" + tail, u"\\\\server\\share\\" + tail}) {
        EXPECT_EQ(withoutExtendedPrefix(extendedLengthPath(plain)), plain) << textToUtf8(plain.substr(0, 12));
    }
    EXPECT_EQ(withoutExtendedPrefix(u"D:\\a.qalbum"), u"D:\\a.qalbum");
}

}  // namespace
}  // namespace quillory
