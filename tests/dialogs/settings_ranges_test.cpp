#include "dialogs/settings_ranges.h"

#include <gtest/gtest.h>

#include "dialogs/saved_settings.h"

namespace quillory {
namespace {

TEST(SettingsRanges, SlideShowOffGreysTheGroupAndNoEffectGreysItsTime) {
    std::uint32_t style = 0x2203;  // on, jitter, effect 2
    EXPECT_EQ(slideShowEnabling(style).group, true);
    EXPECT_EQ(slideShowEnabling(style).effectTime, true);
    EXPECT_EQ(slideShowEnabling(style).aboutVisible, true);
    SlideEffect.set(style, 0);
    EXPECT_EQ(slideShowEnabling(style).effectTime, false);
    const std::uint32_t off = 0x2200;
    EXPECT_EQ(slideShowEnabling(off).group, false);
    EXPECT_EQ(slideShowEnabling(off).effectTime, false);
    EXPECT_EQ(slideShowEnabling(off).aboutVisible, false);
}

TEST(SettingsRanges, TextItemsNeedTheDecoderTheirItemAndAnUnlockedPage) {
    EXPECT_TRUE(textItemEnabled(ShowLabel, 0, false, false));
    EXPECT_FALSE(textItemEnabled(ShowCamera, 0, false, false));
    EXPECT_TRUE(textItemEnabled(ShowCamera, 0, false, true));
    EXPECT_FALSE(textItemEnabled(DirectionDetail, ShowGps, false, true));
    EXPECT_TRUE(textItemEnabled(DirectionDetail, ShowDirection, false, true));
    EXPECT_FALSE(textItemEnabled(GpsShort, ShowGps, false, false));
    EXPECT_FALSE(textItemEnabled(ShowLabel, kTextItemBits, true, true));
}

TEST(SettingsRanges, StoringTheTextItemsKeepsFitModeAndColourMemory) {
    const std::uint32_t before = 2 | ShowLabel | DirectionDetail | (3u << 18) | (1u << 20);
    const std::uint32_t after = withTextItems(before, ShowDate | DateShort, 3);
    EXPECT_EQ(after, 2 | ShowDate | DateShort | (3u << 14) | (3u << 18) | (1u << 20));
    EXPECT_EQ(fontStyleOf(true, false), FontBold);
}

TEST(SavedSettings, CancelPutsBackTheSixSettingsAndSaysWhenOpacityMustBeReapplied) {
    AlbumSettings settings;
    const AlbumSettings saved = settings;
    settings.SlideInterval = 60;
    settings.TabFontName = u"Meiryo";
    settings.TabStyle |= TabBottom;
    settings.xPosi = 5;  // the window moved meanwhile: not a setting of the dialog
    EXPECT_TRUE(tabLayoutChanged(saved, settings));
    EXPECT_FALSE(restoreSettings(saved, settings));
    EXPECT_EQ(settings.SlideInterval, 23);
    EXPECT_EQ(settings.TabFontName, u"ＭＳ Ｐゴシック");
    EXPECT_EQ(settings.xPosi, 5);
    EXPECT_FALSE(tabLayoutChanged(saved, settings));

    settings.LayerWindowLevel = 40;
    EXPECT_TRUE(restoreSettings(saved, settings));
    EXPECT_EQ(settings.LayerWindowLevel, 192);
    settings.TabStyle ^= TabTranslucent;
    EXPECT_TRUE(restoreSettings(saved, settings));
}

}  // namespace
}  // namespace quillory
