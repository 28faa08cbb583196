#include "stand/stand_dialogs_win.h"

#include "base/format.h"
#include "dialogs/message_dialog_win.h"
#include "stand/stand_commands_win.h"
#include "stand/stand_screen_win.h"

namespace quillory {

namespace {

Changes changeShowing(StandLook look) {
    switch (look) {
        case StandLook::TabFont: return Change::TabFont;
        case StandLook::StatusFont: return Change::StatusFont;
        case StandLook::TabLayout: return Change::TabLayout;
        case StandLook::Translucency: return Change::Translucency;
        case StandLook::Topmost: return Change::Topmost;
        case StandLook::FitModePreview: return fitModePreviewed();
    }
    return Change::Look;
}

}  // namespace

void PhotoStandWindow::showStandLook(StandLook look) { applyChanges(*this, changeShowing(look)); }

void PhotoStandWindow::givePagePicture(PageSettings& page, const Text& path, bool isFolder) {
    giveDialogPicture(*this, page, {path, isFolder});
}

DialogHost dialogHostOf(PhotoStandWindow& stand) {
    const StartupFacts& facts = stand.facts;
    DialogHost host;
    host.instance = facts.instance;
    host.standWindow = stand.window;
    host.stand = &stand;
    host.osVersionCode = static_cast<int>(facts.OsVersionCode);
    host.gdiplusActive = facts.gdiplusActive;
    host.albumName = facts.albumName;
    host.tabAnimate = (facts.album.settings.TabStyle & TabAnimate) != 0;
    host.dpiX = static_cast<int>(facts.dpiX);
    host.dpiY = static_cast<int>(facts.dpiY);
    host.background = stand.background.brush();
    host.backgroundSize = stand.background.patternSize();
    return host;
}

void tellIfSaveFailed(PhotoStandWindow& stand) {
    if (stand.saveFailureTold || !stand.facts.albumFile->lastSaveFailed()) return;
    stand.saveFailureTold = true;
    MessageRequest notice;
    notice.title = u"Quillory";
    notice.text = formatText(u"アルバムファイル \"%s\" に保存できませんでした。\r\n"
                             u"変更はこのまま使えますが、終了すると失われます。",
                             {stand.facts.albumPath});
    runModal(stand, [&] { showMessageDialog(stand.window, notice, dialogHostOf(stand)); });
}

void tellPageCountFixed(PhotoStandWindow& stand) {
    const AlbumFile& file = *stand.facts.albumFile;
    const std::int32_t shown = static_cast<std::int32_t>(stand.facts.album.pages.size());
    MessageRequest notice;
    notice.title = u"Quillory";
    if (file.pagesPastCap() != 0) {
        notice.text = formatText(u"このアルバムには %d ページありますが、表示するのは最初の %d ページだけです。\r\n"
                                 u"残りのページはアルバムファイルにそのまま残ります。ページの追加と削除はできません。",
                                 {shown + file.pagesPastCap(), shown});
    } else {
        notice.text = formatText(u"ページは %d ページまでです。これ以上追加できません。", {file.pageCap()});
    }
    runModal(stand, [&] { showMessageDialog(stand.window, notice, dialogHostOf(stand)); });
}

}  // namespace quillory
