#include "dialogs/page_edit.h"

#include "base/format.h"

namespace quillory {
namespace {

// The question's buffer holds 200 units with its terminator.
constexpr std::size_t kQuestionCapacity = 199;

// PhotoFlag bits the text page owns: everything above the fit mode.
constexpr std::uint32_t kTextPanelPhotoBits = ~FitModeBits.mask();

}  // namespace

PageEdit beginPageEdit(const PageSettings& livePage, int folderIndex) {
    return {livePage, livePage, folderIndex, false};
}

CancelledView cancelPageEdit(const PageEdit& edit, PageSettings& livePage) {
    livePage = edit.savedPage;
    // Choosing a folder scanned it at once; the restored folder Page must not step through it.
    const bool folderPage = (livePage.Flag & FlagFolder) != 0;
    return {edit.savedFolderIndex, edit.folderListReplaced && folderPage};
}

TextView defaultPanelName(DefaultPanel panel) {
    switch (panel) {
    case DefaultPanel::DisplaySize: return u"表示サイズ";
    case DefaultPanel::Text: return u"文字";
    case DefaultPanel::Colour: break;
    }
    return u"色";
}

Text setAsDefaultQuestion(DefaultPanel panel) {
    return capped(formatText(u"\"%0.5s\" の設定\n\n現在の設定を、初期値としますか?\n以後、ページを新規に追加したとき、この設定が使用されます。",
                             {defaultPanelName(panel)}),
                  kQuestionCapacity);
}

void copyToDefaultPage(DefaultPanel panel, const PageSettings& workingPage, PageSettings& defaultPage) {
    switch (panel) {
    case DefaultPanel::DisplaySize:
        FitModeBits.set(defaultPage.PhotoFlag, FitModeBits.get(workingPage.PhotoFlag));
        return;
    case DefaultPanel::Text:
        defaultPage.FontStyle = workingPage.FontStyle;
        defaultPage.FontSize = workingPage.FontSize;
        defaultPage.FontName = workingPage.FontName;
        defaultPage.PhotoFlag = (defaultPage.PhotoFlag & ~kTextPanelPhotoBits) | (workingPage.PhotoFlag & kTextPanelPhotoBits);
        return;
    case DefaultPanel::Colour:
        defaultPage.FontColor = workingPage.FontColor;
        defaultPage.FontColor2 = workingPage.FontColor2;
        defaultPage.FontColorBk = workingPage.FontColorBk;
        defaultPage.FontColorBk2 = workingPage.FontColorBk2;
        defaultPage.FontAlpha = workingPage.FontAlpha;
        return;
    }
}

}  // namespace quillory
