#include "stand/stand_commands_win.h"

#include "album/page_tabs.h"
#include "base/format.h"
#include "base/wide_win.h"
#include "base/win_platform_win.h"
#include "dialogs/about_box_win.h"
#include "dialogs/general_settings_dialog_win.h"
#include "dialogs/message_dialog_win.h"
#include "dialogs/page_list.h"
#include "dialogs/page_settings_dialog_win.h"
#include "dialogs/picture_chooser_win.h"
#include "resource.h"
#include "stand/full_screen_win.h"
#include "stand/page_commands.h"
#include "stand/slide_show_win.h"
#include "stand/stand_appearance_win.h"
#include "stand/stand_dialogs_win.h"
#include "stand/stand_page_view_win.h"
#include "stand/stand_screen_win.h"
#include "stand/viewing.h"
#include "view/command_ranges_win.h"
#include "view/folder_scan_win.h"
#include "view/page_view_win.h"

namespace quillory {

namespace {

// The Pages were rebuilt: the tabs follow, and a PageView shows the (new) current Page.
void showRebuiltPages(PhotoStandWindow& stand) {
    openPageView(stand);
    applyChanges(stand, pagesRebuilt());
    tellIfSaveFailed(stand);
}

std::optional<NewPagePicture> pictureAt(const std::optional<Text>& path) {
    if (!path || path->empty()) return std::nullopt;
    const DWORD attributes = GetFileAttributesW(wide(*path));
    const bool folder = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    return NewPagePicture{*path, folder};
}

void newPage(PhotoStandWindow& stand, const std::optional<Text>& droppedPath) {
    StartupFacts& facts = stand.facts;
    if (!canAddPage(facts.album, *facts.albumFile)) return tellPageCountFixed(stand);
    closePageView(stand, PageViewExit::Cut);
    addPage(facts.album, *facts.albumFile, pictureAt(droppedPath));
    showRebuiltPages(stand);
}

void duplicatePage(PhotoStandWindow& stand) {
    StartupFacts& facts = stand.facts;
    if (!canAddPage(facts.album, *facts.albumFile)) return tellPageCountFixed(stand);
    closePageView(stand, PageViewExit::Cut);
    duplicateCurrentPage(facts.album, *facts.albumFile);
    showRebuiltPages(stand);
}

bool confirmDelete(PhotoStandWindow& stand) {
    MessageRequest question;
    question.kind = MB_YESNO | MB_DEFBUTTON2;
    question.title = u"Quillory";
    question.text = formatText(u"ページ \"%0.32s\" を削除しますか?  ", {currentPageOf(stand.facts.album)->Label});
    return showMessageDialog(stand.window, question, dialogHostOf(stand)) == IDYES;
}

void deletePage(PhotoStandWindow& stand) {
    StartupFacts& facts = stand.facts;
    if (!canChangePageCount(*facts.albumFile)) return tellPageCountFixed(stand);
    if (canDeleteCurrentPage(facts.album) && confirmDelete(stand)) {
        closePageView(stand, PageViewExit::Cut);
        deleteCurrentPage(facts.album, *facts.albumFile);
        showRebuiltPages(stand);
    }
    clearHistory(facts.album);
}

// The stand's folder cursor around a command of the viewing model that may move it.
template <typename Command>
Changes withFolderCursor(PhotoStandWindow& stand, Command command) {
    const StartupFacts& facts = stand.facts;
    const FolderLister list = [&facts, &stand](const Text& folder) {
        return scanFolderOnDisk(facts.album, facts.gdiplusActive, folder, /*store=*/true, *stand.viewing.folder.list);
    };
    return command(stand.viewing.folder, list);
}

// The live Page shows at once whatever the dialog previews on it; a picture chosen in it goes to
// the dialog's copy of the Page, which the stand shows after OK.
void pageSettings(PhotoStandWindow& stand) {
    StartupFacts& facts = stand.facts;
    const PageSettingsRecord record{facts.album, facts.albumFile.get(), stand.viewing.folder, stand.pageSettingsPanel,
                                    shownPictureMetrics(stand.pageView)};
    int result = IDCANCEL;
    runModal(stand, [&] { result = showPageSettings(record, stand.window, dialogHostOf(stand)); });
    applyChanges(stand, pageSettingsClosed(result == IDOK));
    if (result != IDOK) return;
    facts.albumFile->savePage(facts.album, facts.album.currentPage, SaveText | SavePicture);
    tellIfSaveFailed(stand);
}

// The dialog has already had the stand show the tabs' position and rows and the topmost band; the
// status bar and the Pages follow here. Replaced Pages are all saved and get new tabs; the old
// PageView must not store its folder place into the record that now sits where its Page was.
void generalSettings(PhotoStandWindow& stand) {
    StartupFacts& facts = stand.facts;
    PageListEdit pageList = beginPageList(facts.album, stand.viewing.folder.index);
    int result = IDCANCEL;
    const GeneralSettingsRecord record{facts.album.settings, pageList, stand.generalSettingsPanel};
    runModal(stand, [&] { result = showGeneralSettings(record, stand.window, dialogHostOf(stand)); });
    if (result != IDOK) return;
    applyStatusBarSetting(stand);
    applyChanges(stand, Change::Layout | Change::Status);
    if (!commitPageList(facts.album, pageList)) return;
    saveEveryPage(facts.album, *facts.albumFile);
    if (stand.pageView != nullptr) leavePageUnsaved(stand.pageView);
    closePageView(stand, PageViewExit::Cut);
    showRebuiltPages(stand);
}

// A system menu opened before the Page was locked may still offer the command; the lock holds.
void choosePicture(PhotoStandWindow& stand) {
    StartupFacts& facts = stand.facts;
    const PageSettings& page = *currentPageOf(facts.album);
    HWND owner = stand.pageView != nullptr ? stand.pageView : stand.window;
    const bool folder = (page.Flag & FlagFolder) != 0;
    std::optional<Text> chosen;
    runModal(stand, [&] { chosen = folder ? chooseFolder(facts.album, page, owner, dialogHostOf(stand)) : chooseFile(page, owner, dialogHostOf(stand)); });
    if (!chosen) return;
    giveCurrentPicture(stand, {*chosen, folder});
    tellIfSaveFailed(stand);
}

void fitMode(PhotoStandWindow& stand, WORD command) {
    applyChanges(stand, chooseFitMode(stand.facts.album, *stand.facts.albumFile, static_cast<unsigned>(command - IDM_FIT_SHORTER)));
    tellIfSaveFailed(stand);
}

void toggleTopmost(PhotoStandWindow& stand) {
    stand.facts.album.settings.TabStyle ^= TabTopmost;
    applyChanges(stand, Change::Topmost);
}

// Commands that change the current Page or open a dialog hold the slide show while they run.
bool holdsTheSlideShow(WORD command) {
    switch (command) {
        case IDM_ABOUT:
        case IDM_PAGE_SETTINGS:
        case IDM_NEW_PAGE:
        case IDM_DUPLICATE_PAGE:
        case IDM_DELETE_PAGE:
        case IDM_GENERAL_SETTINGS:
        case IDM_CHOOSE_PICTURE:
        case IDM_FIT_SHORTER:
        case IDM_FIT_LONGER:
        case IDM_FIT_BOTH:
        case IDM_FIT_ACTUAL:
        case IDM_LEAVE_SHOW: return true;
        default: return kPageCommands.contains(command);
    }
}

void carryOut(PhotoStandWindow& stand, WORD command) {
    StartupFacts& facts = stand.facts;
    switch (command) {
        case IDM_EXIT: PostMessageW(stand.window, WM_CLOSE, 0, 0); break;
        case IDM_ABOUT: runModal(stand, [&] { showAboutBox(stand.window, facts.albumPath, dialogHostOf(stand)); }); break;
        case IDM_NEW_PAGE: newPage(stand, std::nullopt); break;
        case IDM_DUPLICATE_PAGE: duplicatePage(stand); break;
        case IDM_DELETE_PAGE: deletePage(stand); break;
        case IDM_PAGE_SETTINGS: pageSettings(stand); break;
        case IDM_GENERAL_SETTINGS: generalSettings(stand); break;
        case IDM_CHOOSE_PICTURE: choosePicture(stand); break;
        case IDM_FIT_SHORTER:
        case IDM_FIT_LONGER:
        case IDM_FIT_BOTH:
        case IDM_FIT_ACTUAL: fitMode(stand, command); break;
        case IDM_TOPMOST: toggleTopmost(stand); break;
        case IDM_OPEN_FILE: openPictureFile(facts.album, stand.viewing.folder); break;
        case IDM_OPEN_FOLDER: openPictureFolder(facts.album, stand.viewing.folder); break;
        case IDM_FULL_SCREEN: toggleFullScreen(stand); break;
        // The show has already been left, as by any command that holds it.
        case IDM_LEAVE_SHOW: leaveFullScreen(stand); break;
        case IDM_PAGES_PAST_CAP:
            if (facts.albumFile->pagesPastCap() != 0) tellPageCountFixed(stand);
            break;
        default:
            if (runSlideCommand(stand, command)) break;
            if (kPageCommands.contains(command)) showPage(stand, kPageCommands.indexOf(command), PageViewExit::Up);
            break;
    }
}

}  // namespace

void giveCurrentPicture(PhotoStandWindow& stand, const NewPagePicture& picture) {
    StartupFacts& facts = stand.facts;
    const Changes changes = withFolderCursor(stand, [&](FolderCursor& cursor, const FolderLister& list) {
        return giveCurrentPage(facts.album, cursor, picture, list);
    });
    if (changes.any()) facts.albumFile->savePage(facts.album, facts.album.currentPage, SavePicture);
    applyChanges(stand, changes);
}

void giveDialogPicture(PhotoStandWindow& stand, PageSettings& page, const NewPagePicture& picture) {
    withFolderCursor(stand, [&](FolderCursor& cursor, const FolderLister& list) {
        return givePage(stand.facts.album, page, cursor, picture, list);
    });
}

void runStandCommand(PhotoStandWindow& stand, WORD command) {
    StartupFacts& facts = stand.facts;
    if (facts.album.pages.empty()) return;
    stand.countdown.resetCountdown(facts.album.settings, winPlatform().random);
    const bool holds = holdsTheSlideShow(command);
    if (holds) holdAndStop(stand);
    carryOut(stand, command);
    if (holds) stand.countdown.resetIdleCountdown();
}

void addDroppedPage(PhotoStandWindow& stand, const Text& path) {
    StartupFacts& facts = stand.facts;
    if (facts.album.pages.empty()) return;
    holdAndStop(stand);
    newPage(stand, path);
    stand.countdown.resetIdleCountdown();
}

}  // namespace quillory
