// Albums the program cannot write or that make no sense still open, show and close cleanly.
#include "stand_test.h"

#include <windows.h>

#include <filesystem>

namespace quillory::e2e {
namespace {

class BadAlbumTest : public StandTest {
protected:
    // Shows the album and closes it; returns the tabs it showed, empty when it did not show.
    std::vector<std::wstring> showAndClose(const std::wstring& argument, const std::wstring& albumName) {
        std::optional<AppProcess> app = launch(argument);
        if (!app) {
            ADD_FAILURE() << "quillory.exe did not start";
            return {};
        }
        HWND stand = waitForStand(*app, albumName);
        if (stand == nullptr) {
            ADD_FAILURE() << "no window titled \"" << standCaption(albumName) << "\"";
            return {};
        }
        std::vector<std::wstring> shown = tabs(stand);
        EXPECT_EQ(closeStand(*app, stand), std::optional<DWORD>(0));
        return shown;
    }
};

TEST_F(BadAlbumTest, ReadOnlyAlbumIsShownFromMemoryAndLeftAsItWas) {
    const Bytes album = AlbumText()
                            .section(L"Quillory", {{L"PageCount", L"2"}, {L"TabNumber", L"1"}})
                            .section(L"Page1", {{L"Label", L"一"}})
                            .section(L"Page2", {{L"Label", L"二"}})
                            .bytes();
    const std::filesystem::path file = sandbox_.file(L"locked.qalbum");
    ASSERT_TRUE(writeFileBytes(file, album));
    ASSERT_TRUE(SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY));

    EXPECT_EQ(showAndClose(L"locked", L"locked"), (std::vector<std::wstring>{L"一", L"二"}));
    EXPECT_EQ(readFileBytes(file), std::optional<Bytes>(album));
    SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(BadAlbumTest, AlbumInAMissingFolderIsShownWithTheDefaults) {
    const std::filesystem::path missing = sandbox_.file(L"no such folder");
    EXPECT_EQ(showAndClose((missing / L"lost.qalbum").wstring(), L"lost"),
              (std::vector<std::wstring>{L"Page1", L"Page2", L"Page3", L"Page4", L"Page5"}));
    EXPECT_FALSE(std::filesystem::exists(missing));
}

TEST_F(BadAlbumTest, AlbumWithoutPagesStillShowsOne) {
    for (const wchar_t* count : {L"0", L"-3"}) {
        const std::wstring name = std::wstring(L"empty") + count;
        ASSERT_TRUE(writeFileBytes(sandbox_.file(name + L".qalbum"),
                                   AlbumText().section(L"Quillory", {{L"PageCount", count}}).bytes()));
        EXPECT_EQ(showAndClose(name, name).size(), 1u) << "PageCount " << count;
    }
}

}  // namespace
}  // namespace quillory::e2e
