// An album from an older version (ANSI text, no byte-order mark) is converted to a Unicode album
// once, after a backup copy of the old file.
#include "stand_test.h"

#include <string>
#include <vector>

namespace quillory::e2e {
namespace {

// ASCII only, so the conversion does not depend on the code page of the machine; the first Page's
// label comes from its Hex twin ("アルバム") and overrides the plain value.
const Bytes kLegacyAlbum =
    "[Quillory]\r\n"
    "PageCount=2\r\n"
    "TabNumber=1\r\n"
    "\r\n"
    "[Page-Default]\r\n"
    "FontName=Legacy Face\r\n"
    "FontSize=21\r\n"
    "PhotoFlag=3\r\n"
    "\r\n"
    "[Page1]\r\n"
    "Label=old\r\n"
    "LabelHex=30A230EB30D030E0\r\n"
    "\r\n"
    "[Page2]\r\n"
    "Label=Second\r\n";

class LegacyAlbumTest : public StandTest {
protected:
    void SetUp() override {
        StandTest::SetUp();
        ASSERT_TRUE(writeFileBytes(sandbox_.file(L"legacy.qalbum"), kLegacyAlbum));
    }

    // Shows the legacy album once and closes it again; returns the tab texts it showed.
    std::vector<std::wstring> showLegacyAlbum() {
        std::optional<AppProcess> app = launch(L"legacy");
        if (!app) {
            ADD_FAILURE() << "quillory.exe did not start";
            return {};
        }
        HWND stand = waitForStand(*app, L"legacy");
        if (stand == nullptr) {
            ADD_FAILURE() << "no window titled \"legacy - Quillory\"";
            return {};
        }
        std::vector<std::wstring> shown = tabs(stand);
        EXPECT_EQ(closeStand(*app, stand), std::optional<DWORD>(0));
        return shown;
    }

    std::optional<Bytes> backup() { return albumBytes(L"legacy_Backup.qalbum"); }
};

TEST_F(LegacyAlbumTest, IsConvertedToUnicodeAfterABackupOfTheOldFile) {
    EXPECT_EQ(showLegacyAlbum(), (std::vector<std::wstring>{L"アルバム", L"Second"}));

    EXPECT_EQ(backup(), std::optional<Bytes>(kLegacyAlbum));
    std::optional<Bytes> converted = albumBytes(L"legacy.qalbum");
    ASSERT_TRUE(converted);
    EXPECT_TRUE(converted->starts_with(utf16leWithMark(L";Quillory\r\n\r\n[Quillory]\r\n")));
    std::optional<std::wstring> text = decodeUtf16le(*converted);
    ASSERT_TRUE(text);
    EXPECT_EQ(text->find(L"LabelHex"), std::wstring::npos);
    std::optional<std::wstring> page1 = sectionBody(*text, L"Page1");
    ASSERT_TRUE(page1);
    EXPECT_NE(page1->find(L"\r\nLabel=アルバム\r\n"), std::wstring::npos) << *page1;
}

TEST_F(LegacyAlbumTest, KeepsTheDefaultsForNewPages) {
    showLegacyAlbum();

    std::optional<std::wstring> text = albumText(L"legacy.qalbum");
    ASSERT_TRUE(text) << "the album was not converted";
    std::optional<std::wstring> defaults = sectionBody(*text, L"Page-Default");
    ASSERT_TRUE(defaults) << "the Page-Default section was lost";
    for (const wchar_t* kept : {L"FontName=Legacy Face\r\n", L"FontSize=21\r\n", L"PhotoFlag=3\r\n"}) {
        EXPECT_NE(defaults->find(kept), std::wstring::npos) << "missing " << kept << " in\n" << *defaults;
    }
}

TEST_F(LegacyAlbumTest, BackupIsMadeOnceAndNeverOverwritten) {
    showLegacyAlbum();
    const std::optional<Bytes> convertedOnce = albumBytes(L"legacy.qalbum");

    showLegacyAlbum();
    EXPECT_EQ(backup(), std::optional<Bytes>(kLegacyAlbum));
    EXPECT_EQ(albumBytes(L"legacy.qalbum"), convertedOnce) << "the second start converted again";

    const Bytes olderBackup = "an older backup";
    ASSERT_TRUE(writeFileBytes(sandbox_.file(L"legacy_Backup.qalbum"), olderBackup));
    ASSERT_TRUE(writeFileBytes(sandbox_.file(L"legacy.qalbum"), kLegacyAlbum));
    showLegacyAlbum();
    EXPECT_EQ(backup(), std::optional<Bytes>(olderBackup));
    EXPECT_TRUE(albumText(L"legacy.qalbum")) << "the album was not converted beside an existing backup";
}

}  // namespace
}  // namespace quillory::e2e
