#include "draw/overlay_text.h"

#include <gtest/gtest.h>

#include "photoinfo/photo_items.h"
#include "support/fake_platform.h"

namespace quillory {
namespace {

using testing::asciiItem;
using testing::rationalItem;
using testing::shortItem;
using testing::sRationalItem;

constexpr std::uint32_t kEveryItem =
    ShowLabel | ShowComment | ShowFileName | ShowDate | ShowCamera | ShowExposure | ShowGps | ShowDirection | ShowAuthor;

class OverlayText : public ::testing::Test {
protected:
    OverlayText() {
        info_.codePage = &codePage_;
        info_.pictureFile = u"C:\\Pictures\\Trip\\IMG_0001.JPG";
        page_.Label = u"旅行";
        page_.Comment = u"海辺で";
        page_.File = u"C:\\Pictures\\Trip\\";
    }

    // The items of a camera picture, stored in tag order as the reader returns them.
    void addExposureItems() {
        info_.items = {rationalItem(0x829A, {1, 250}), rationalItem(0x829D, {8, 1}), shortItem(0x8822, {3}),
                       shortItem(0x8827, {100}), asciiItem(0x9003, "2023:05:07 14:03:09"), sRationalItem(0x9204, 0, 1),
                       shortItem(0x9207, {5}), shortItem(0x9208, {0}), rationalItem(0x920A, {50, 1}), shortItem(0xA001, {1}),
                       shortItem(0xA405, {75})};
    }
    void addCameraAuthorAndPosition() {
        info_.items.push_back(asciiItem(0x010F, "Canon"));
        info_.items.push_back(asciiItem(0x0110, "EOS R"));
        info_.items.push_back(asciiItem(0x8298, "Hanako"));
        info_.items.push_back(asciiItem(0x0001, "N"));
        info_.items.push_back(rationalItem(0x0002, {35, 1, 39, 1, 2917, 100}));
        info_.items.push_back(rationalItem(0x0011, {2250, 100}));
    }
    Text build(bool decoder = true, std::size_t capacity = kDecoderTextCapacity) {
        return BuildOverlayText(page_, info_, decoder, capacity);
    }

    testing::FakeCodePage codePage_;
    PhotoInfo info_;
    PageSettings page_;
};

TEST_F(OverlayText, ExposureExampleLineByLine) {
    addExposureItems();
    page_.PhotoFlag = ShowLabel | ShowDate | DateShort | ShowExposure;
    EXPECT_EQ(build(), u"旅行\n"
                       u"2023年5月7日(日) 午後2時03分\n"
                       u"1/250秒、f/8.0、ISO-100、0EV、焦点距離 50mm\n"
                       u"焦点距離(35mm換算) 75mm\n"
                       u"MODE:絞り優先、測光:パターン、WB:不明、色:sRGB");
}

TEST_F(OverlayText, EveryItemInItsOrder) {
    addExposureItems();
    addCameraAuthorAndPosition();
    page_.PhotoFlag = kEveryItem | GpsShort | DirectionDetail;
    EXPECT_EQ(build(), u"旅行\n海辺で\nIMG_0001 (JPG)\n"
                       u"2023年5月7日 日曜日 午後2時03分09秒\n"
                       u"Canon、EOS R\n"
                       u"1/250秒、f/8.0、ISO-100、0EV、焦点距離 50mm\n"
                       u"焦点距離(35mm換算) 75mm\n"
                       u"MODE:絞り優先、測光:パターン、WB:不明、色:sRGB\n"
                       u"Hanako\n"
                       u"N:35゜39' 29.17\"\n"
                       u"方位: 北北東(22.50)");
}

TEST_F(OverlayText, AbsentItemsAddNeitherLineNorBreak) {
    page_.PhotoFlag = kEveryItem;
    page_.Label.clear();
    EXPECT_EQ(build(), u"海辺で\nIMG_0001 (JPG)");
    page_.File.clear();
    EXPECT_EQ(build(), u"海辺で");
    page_.Comment.clear();
    EXPECT_EQ(build(), u"");
    // A 35mm focal length without any exposure item shows no exposure lines at all.
    info_.items = {shortItem(0xA405, {75}), shortItem(0x8822, {3})};
    page_.PhotoFlag = ShowExposure;
    EXPECT_EQ(build(), u"");
    // A copyright of blanks and no artist is no author.
    info_.items = {asciiItem(0x8298, "   ")};
    page_.PhotoFlag = ShowAuthor | ShowLabel;
    page_.Label = u"L";
    EXPECT_EQ(build(), u"L");
}

TEST_F(OverlayText, WithoutTheDecoderOnlyLabelCommentAndFileName) {
    addExposureItems();
    addCameraAuthorAndPosition();
    page_.PhotoFlag = kEveryItem;
    EXPECT_EQ(build(false), u"旅行\n海辺で\nIMG_0001 (JPG)");
}

TEST_F(OverlayText, CommentLinesBreakOnceEach) {
    page_.PhotoFlag = ShowLabel | ShowComment;
    page_.Comment = u"海辺の夕焼け\r\nSunset";
    EXPECT_EQ(build(), u"旅行\n海辺の夕焼け\nSunset");
}

TEST_F(OverlayText, LongTextsAreCutAtTheCapacity) {
    page_.PhotoFlag = ShowComment;
    page_.Comment = Text(2000, u'x');
    EXPECT_EQ(build(true, kDecoderTextCapacity), Text(1023, u'x'));
    EXPECT_EQ(build(false, kBitmapTextCapacity), Text(255, u'x'));
    // A cut never leaves half a surrogate pair behind.
    page_.Comment = Text(254, u'x') + u"\U0001F600";
    EXPECT_EQ(build(true, kBitmapTextCapacity), Text(254, u'x'));
    EXPECT_EQ(build(true, 0), u"");
}

TEST_F(OverlayText, SlideShowTextIsTheLabelAndItsDate) {
    addExposureItems();
    EXPECT_EQ(BuildSlideShowText(1, page_, info_, true, kDecoderTextCapacity), u"旅行");
    EXPECT_EQ(BuildSlideShowText(2, page_, info_, true, kDecoderTextCapacity), u"旅行\n2023年5月7日(日) 午後2時03分");
    // Without the decoder (or without a shooting date) the file's own time stands in.
    info_.fileWriteTime = CivilTime{2024, 1, 2, 11, 59, 59, 0, 2};
    EXPECT_EQ(BuildSlideShowText(2, page_, info_, false, kBitmapTextCapacity), u"旅行\n2024年1月2日 火曜日 午前11時59分59秒");
    info_.items.clear();
    info_.fileWriteTime.reset();
    EXPECT_EQ(BuildSlideShowText(2, page_, info_, true, kDecoderTextCapacity), u"旅行\n");
    page_.Label.clear();
    EXPECT_EQ(BuildSlideShowText(1, page_, info_, true, kDecoderTextCapacity), u"");
    info_.fileWriteTime = CivilTime{2024, 1, 2, 11, 59, 59, 0, 2};
    EXPECT_EQ(BuildSlideShowText(2, page_, info_, true, kDecoderTextCapacity), u"2024年1月2日 火曜日 午前11時59分59秒");
}

TEST(OverlayChoice, DirectionOrAuthorAloneDrawNothing) {
    const OverlayState decoder;
    EXPECT_EQ(chooseOverlay(ShowAuthor, decoder), OverlayKind::None);
    EXPECT_EQ(chooseOverlay(ShowDirection | DirectionDetail | 0xC003, decoder), OverlayKind::None);
    EXPECT_EQ(chooseOverlay(ShowGps, decoder), OverlayKind::PageItems);
    EXPECT_EQ(chooseOverlay(ShowDate | ShowAuthor, decoder), OverlayKind::PageItems);
}

TEST(OverlayChoice, WithoutTheDecoderOnlyTheFirstThreeItemsCount) {
    OverlayState bitmap;
    bitmap.gdiplusActive = false;
    EXPECT_EQ(chooseOverlay(ShowDate | ShowCamera | ShowExposure | ShowGps, bitmap), OverlayKind::None);
    EXPECT_EQ(chooseOverlay(ShowFileName, bitmap), OverlayKind::PageItems);
}

TEST(OverlayChoice, HiddenInformationShowsNothing) {
    OverlayState hidden;
    hidden.infoVisible = false;
    EXPECT_EQ(chooseOverlay(ShowLabel, hidden), OverlayKind::None);
}

TEST(OverlayChoice, SlideInfoCountsOnlyWhileTheSlideShowRuns) {
    OverlayState state;
    state.slideInfo = 3;
    EXPECT_EQ(chooseOverlay(ShowLabel, state), OverlayKind::PageItems);
    state.slideRunning = true;
    EXPECT_EQ(chooseOverlay(ShowLabel, state), OverlayKind::None);
    state.slideInfo = 1;
    EXPECT_EQ(chooseOverlay(ShowLabel, state), OverlayKind::SlideLabel);
    state.slideInfo = 2;
    EXPECT_EQ(chooseOverlay(ShowComment, state), OverlayKind::SlideLabelAndDate);
    EXPECT_EQ(chooseOverlay(ShowAuthor, state), OverlayKind::None);
    state.slideInfo = 0;
    EXPECT_EQ(chooseOverlay(ShowLabel, state), OverlayKind::PageItems);
}

TEST_F(OverlayText, ThePaintsTextFollowsTheChoiceAndThePaintersCapacity) {
    page_.PhotoFlag = ShowComment | ShowDate;
    page_.Comment = Text(400, u'c');
    OverlayState state;
    EXPECT_EQ(overlayTextFor(page_, info_, state).size(), 400u);
    state.gdiplusActive = false;
    EXPECT_EQ(overlayTextFor(page_, info_, state).size(), 255u);
    state.slideRunning = true;
    state.slideInfo = 1;
    EXPECT_EQ(overlayTextFor(page_, info_, state), u"旅行");
    state.slideInfo = 3;
    EXPECT_EQ(overlayTextFor(page_, info_, state), u"");
}

}  // namespace
}  // namespace quillory
