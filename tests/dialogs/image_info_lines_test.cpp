#include "dialogs/image_info_lines.h"

#include <gtest/gtest.h>

#include "photoinfo/photo_items.h"
#include "support/fake_platform.h"

namespace quillory {
namespace {

using namespace quillory::testing;

class ImageInfoLines : public ::testing::Test {
protected:
    std::vector<Text> labels(std::vector<PropertyItem> items) {
        PhotoInfo info;
        info.items = std::move(items);
        info.codePage = &codePage_;
        info.pictureFile = u"D:\\Photos\\IMG_0001.JPG";
        info.pageFile = u"D:\\Photos\\IMG_0001.JPG";
        std::vector<Text> result;
        for (const InfoLine& line : imageInfoLines(info)) result.push_back(line.label);
        return result;
    }

private:
    FakeCodePage codePage_;
};

TEST_F(ImageInfoLines, PictureNeverModifiedShowsOnlyItsShootingDate) {
    const std::vector<Text> shown = labels({asciiItem(0x0132, "2023:05:07 14:03:09"), asciiItem(0x0131, "Editor 1.0"),
                                            asciiItem(0x9003, "2023:05:07 14:03:09")});
    EXPECT_EQ(shown, (std::vector<Text>{u"撮影日", u"場所", u"ファイル名", u"画像サイズ"}));
}

TEST_F(ImageInfoLines, ModifiedPictureShowsBothDatesAndTheSoftware) {
    const std::vector<Text> shown = labels({asciiItem(0x0132, "2024:01:02 10:00:00"), asciiItem(0x0131, "Editor 1.0"),
                                            asciiItem(0x9003, "2023:05:07 14:03:09")});
    EXPECT_EQ(shown, (std::vector<Text>{u"画像更新日", u"撮影日", u"画像加工ソフト", u"場所", u"ファイル名", u"画像サイズ"}));
}

TEST_F(ImageInfoLines, PictureWithoutPropertiesShowsTheRowsThatAlwaysHaveAValue) {
    EXPECT_EQ(labels({}), (std::vector<Text>{u"場所", u"ファイル名", u"画像サイズ"}));
}

}  // namespace
}  // namespace quillory
