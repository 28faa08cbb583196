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

TEST(AlbumLocation, OverlongArgumentIsCutNotRefused) {
    const Text longArgument = Text(300, u'n');
    const AlbumLocation location = albumLocationFromArgument(kProgramFolder, longArgument);
    EXPECT_EQ(location.name, Text(kArgumentCapacity, u'n'));
    // Quotes go first: a long quoted path must not keep its opening quote.
    const AlbumLocation quoted = albumLocationFromArgument(kProgramFolder, u"\"D:\\" + longArgument + u"\"");
    EXPECT_EQ(quoted.path, u"D:\\" + Text(kArgumentCapacity - 3, u'n') + u".qalbum");
}

}  // namespace
}  // namespace quillory
