#pragma once
// The Page settings dialog's two copies of the current Page: the one the panels edit and the
// one that undoes everything on キャンセル, and what each panel's "初期値設定..." copies into the
// DefaultPage.
#include "album/album.h"
#include "base/text.h"

namespace quillory {

struct PageEdit {
    PageSettings workingPage;  // what the panels edit; OK copies it whole into the live Page
    PageSettings savedPage;    // put back on キャンセル, undoing the fit mode shown live
    int savedFolderIndex = 0;  // the folder picture shown when the dialog opened
    bool folderListReplaced = false;  // a folder was chosen: the FolderList now holds that one
};

PageEdit beginPageEdit(const PageSettings& livePage, int folderIndex);

// What the view must do after キャンセル so that it shows the restored Page again.
struct CancelledView {
    int folderIndex = 0;
    bool rescanFolder = false;  // rebuild the FolderList from the restored Page's folder
};
// キャンセル and the title-bar close: the live Page becomes the saved copy.
CancelledView cancelPageEdit(const PageEdit& edit, PageSettings& livePage);

// The panels whose "初期値設定..." make their fields the defaults of new Pages.
enum class DefaultPanel { DisplaySize, Text, Colour };

// "表示サイズ", "文字", "色".
TextView defaultPanelName(DefaultPanel panel);
// The question asked before the fields become defaults.
Text setAsDefaultQuestion(DefaultPanel panel);
// Copies the panel's fields of the edited Page into the DefaultPage (after はい).
void copyToDefaultPage(DefaultPanel panel, const PageSettings& workingPage, PageSettings& defaultPage);

}  // namespace quillory
