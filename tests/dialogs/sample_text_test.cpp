#include "dialogs/sample_text.h"

#include <gtest/gtest.h>

#include "support/fake_platform.h"

namespace quillory {
namespace {

class SampleText : public ::testing::Test {
protected:
    testing::FakeSpecialFolders folders;
    // Relative paths resolve against C:\Work; an empty path cannot be resolved.
    FullPathResolver resolve = [](TextView path) -> std::optional<Text> {
        if (path.empty()) return std::nullopt;
        if (path.size() > 1 && path[1] == u':') return Text(path);
        return u"C:\\Work\\" + Text(path);
    };

    Text sampleOf(TextView file, bool liveFolderPage = false, TextView shown = u"") {
        PageSettings page;
        page.File = file;
        return sampleText({page, liveFolderPage, shown}, resolve, folders);
    }
};

TEST_F(SampleText, NamesThePictureWithoutItsLastExtension) {
    EXPECT_EQ(sampleOf(u"D:\\Photos\\Trip.2024.jpg"), u"Trip.2024");
    EXPECT_EQ(sampleOf(u"D:\\Photos\\README"), u"README");
    EXPECT_EQ(sampleOf(u"Trip.jpg"), u"Trip");
}

TEST_F(SampleText, PageWithoutPictureShowsTheProgramsName) { EXPECT_EQ(sampleOf(u""), u"Quillory"); }

TEST_F(SampleText, FolderPageNamesThePictureShownFromTheFolder) {
    EXPECT_EQ(sampleOf(u"D:\\Photos\\", true, u"D:\\Photos\\Beach.png"), u"Beach");
    // A folder Page whose folder lists nothing has no picture to name.
    EXPECT_EQ(sampleOf(u"D:\\Photos\\", true, u""), u"");
}

TEST_F(SampleText, FolderPathShowsInItsDisplayForm) {
    folders.paths[39] = u"C:\\Users\\A\\Pictures";
    // A file Page just given a folder (the live Page is still a file Page).
    EXPECT_EQ(sampleOf(u"C:\\Users\\A\\Pictures\\2024\\"), u"[Pictures]  > 2024 > ");
    EXPECT_EQ(sampleOf(u"D:\\x\\"), u"D: > x > ");
}

TEST_F(SampleText, PathWhoseFullFormIsTooLongHasNoSample) {
    EXPECT_EQ(sampleOf(Text(255, u'a') + u".jpg"), u"");
}

}  // namespace
}  // namespace quillory
