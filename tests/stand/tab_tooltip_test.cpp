#include "stand/tab_tooltip.h"

#include <gtest/gtest.h>

namespace quillory {
namespace {

TEST(TabTooltip, NamesTheFolderOrTheFileWithoutItsExtension) {
    PageSettings page;
    page.Comment = u"旅行\r\n二日目";
    page.Flag = FlagFolder;
    page.File = u"D:\\Photos\\Kyoto 2024\\";
    EXPECT_EQ(tabTooltipText(page), u"旅行\r\n二日目\nフォルダ : \"Kyoto 2024\"");
    page.Flag = 0;
    page.File = u"D:\\Photos\\IMG.0001.JPG";
    EXPECT_EQ(tabTooltipText(page), u"旅行\r\n二日目\nファイル : \"IMG.0001\"");
    page.File.clear();
    EXPECT_EQ(tabTooltipText(page), u"旅行\r\n二日目\nファイル : \"\"");
}

TEST(TabTooltip, LongCommentsAndNamesAreCut) {
    PageSettings page;
    page.Comment = Text(150, u'c');
    page.File = u"C:\\" + Text(200, u'n') + u".jpg";
    const Text text = tabTooltipText(page);
    EXPECT_EQ(text, Text(100, u'c') + u"\nファイル : \"" + Text(64, u'n') + u"\"");
    EXPECT_LT(text.size(), 180u);
}

}  // namespace
}  // namespace quillory
