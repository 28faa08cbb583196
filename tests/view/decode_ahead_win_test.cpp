// Decoding ahead on Windows: the worker's pictures reach the kept pictures on the window's
// thread, pictures it cannot decode are left to the step, and stopping lets go of everything.
#include "view/decode_ahead_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/wide_win.h"
#include "draw/gdiplus_win.h"
#include "draw/picture_metrics_win.h"
#include "support/bitmap_file_win.h"
#include "support/scratch_folder_win.h"
#include "view/picture_load_win.h"

namespace quillory {
namespace {

constexpr FitMode kFit = FitMode::ShorterSide;

class DecodeAheadWin : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(gdiplus_.started());
    }
    void TearDown() override { forgetKeptPictures(); }

    static AheadRequest requestFor(AheadPicture picture) {
        return AheadRequest{std::move(picture), {160, 120}, makeDefaultPage(), OverlayState{}};
    }

    // The window's thread keeps the worker's pictures as their notices arrive.
    static void waitForWorkAhead() {
        for (int round = 0; round < 1000 && decodingAhead(); ++round) {
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
            Sleep(10);
        }
        ASSERT_FALSE(decodingAhead());
    }

    GdiplusSession gdiplus_;
    testing::ScratchFolder folder_{u"quillory_ahead"};
};

TEST_F(DecodeAheadWin, PicturesDecodedAheadAreKeptBehindTheOneOnScreen) {
    const Text shown = folder_.write(u"a.bmp", testing::bitmapFile(40, 30, 10));
    const Text next = folder_.write(u"b.bmp", testing::bitmapFile(40, 30, 200));
    const Text inFolder = folder_.write(u"c.bmp", testing::bitmapFile(30, 40, 90));
    const SharedPicture onScreen = loadPictureFile(shown, /*gdiplusActive=*/true, kFit);
    decodeAhead({requestFor({next}), requestFor({folder_.path(), 2, false}), requestFor({shown})});
    waitForWorkAhead();
    EXPECT_TRUE(isPictureKept(next, kFit));
    EXPECT_TRUE(isPictureKept(inFolder, kFit)) << "the third picture of the folder, listed by the worker";
    EXPECT_EQ(keptPictureCount(), 3u) << "the picture on screen was not decoded again";
    EXPECT_EQ(loadPictureFile(shown, true, kFit), onScreen);

    const SharedPicture stepped = loadPictureFile(next, true, kFit);
    ASSERT_NE(stepped->picture.image(), nullptr);
    EXPECT_EQ(pictureMetrics(stepped->picture.image()).width, 40u);
    EXPECT_EQ(keptPictureCount(), 3u) << "the step found its picture kept";
}

TEST_F(DecodeAheadWin, WhatCannotBeDecodedAheadIsLeftToTheStep) {
    std::vector<std::uint8_t> truncated = testing::bitmapFile(40, 30, 10);
    truncated.resize(20);
    const Text broken = folder_.write(u"broken.bmp", truncated);
    const Text& folder = folder_.path();
    decodeAhead({requestFor({broken}), requestFor({folder + u"gone.bmp"}), requestFor({folder + u"none\\", 0, true}),
                 requestFor({folder, 7, false})});
    waitForWorkAhead();
    EXPECT_EQ(keptPictureCount(), 0u);
    EXPECT_EQ(loadPictureFile(broken, true, kFit)->picture.image(), nullptr) << "decoded on demand, and failing, as always";
}

TEST_F(DecodeAheadWin, StoppingLetsGoOfTheWorkAndTheNextRequestStartsAgain) {
    const Text next = folder_.write(u"b.bmp", testing::bitmapFile(400, 300, 200));
    decodeAhead({requestFor({next})});
    stopDecodingAhead();
    EXPECT_FALSE(decodingAhead());
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    EXPECT_EQ(keptPictureCount(), 0u) << "a picture finished before the stop went with it";

    decodeAhead({requestFor({next})});
    waitForWorkAhead();
    EXPECT_TRUE(isPictureKept(next, kFit));
    forgetKeptPictures();
    EXPECT_EQ(keptPictureCount(), 0u);
    EXPECT_FALSE(decodingAhead());
}

}  // namespace
}  // namespace quillory
