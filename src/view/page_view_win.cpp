#include "view/page_view_win.h"

#include <shellapi.h>
#include <windowsx.h>

#include <algorithm>
#include <iterator>

#include "app/app_state_win.h"
#include "base/gdi_handles_win.h"
#include "base/window_dpi_win.h"
#include "base/window_slide_win.h"
#include "base/wide_win.h"
#include "base/window_state_win.h"
#include "photoinfo/photo_info_win.h"
#include "resource.h"
#include "view/decode_ahead.h"
#include "view/decode_ahead_win.h"
#include "view/absence_note_win.h"
#include "view/dropped_file.h"
#include "view/folder_bar_win.h"
#include "view/folder_bar_timing.h"
#include "view/folder_scan_win.h"
#include "view/folder_watch.h"
#include "view/folder_watch_win.h"
#include "view/picture_load_win.h"
#include "view/picture_absence.h"
#include "view/picture_open.h"

namespace quillory {

namespace {

constexpr UINT_PTR kFolderBarTimer = 21;
constexpr UINT kFolderBarPeriod = 1000;
// Posted to itself at creation: by the time it arrives, the stand has placed the view.
constexpr UINT kShowPlacedView = WM_APP + 1;
// Posted by the folder watch: a new listing of the shown folder waits in it.
constexpr UINT kFolderRelisted = WM_APP + 2;

// The Page's fields a picture save writes, as the album file last received them from this view.
struct PictureFields {
    Text File;
    std::int32_t FileNum = 0;
    std::int32_t FolderFileNo = 0;
    std::uint32_t PhotoFlag = 0;
    bool operator==(const PictureFields&) const = default;
};

PictureFields pictureFieldsOf(const PageSettings& page) { return {page.File, page.FileNum, page.FolderFileNo, page.PhotoFlag}; }

// Everything the view owns. The FolderBar is destroyed by the view: a window owned by a child
// window is owned by its top-level window, so it would outlive the view.
struct PageViewState final : FolderBarHost {
    PageViewState(App& owner, PageViewHost& viewHost) : app(owner), host(viewHost) {}
    void step(StepDirection direction, StepModifiers modifiers) override {
        folderBarTiming.stepped();
        host.stepFolder(direction, modifiers);
    }
    int folderIndex() const override { return app.viewing.folder.index; }
    int folderCount() const override { return app.viewing.folder.count; }
    App& app;
    PageViewHost& host;
    SharedPicture picture;  // CurrentPicture or CurrentBitmap
    bool pictureComing = false;  // decoded by the worker; the Page's background shows meanwhile
    PictureFields savedPicture;
    UniqueBrush background;
    HWND folderBar = nullptr;
    FolderBarTiming folderBarTiming;
    std::unique_ptr<FolderWatch> folderWatch;  // the current folder Page's folder, while the view lives
};

PageSettings& currentPageOf(App& app) { return app.album.pages[static_cast<std::size_t>(app.album.currentPage)]; }

bool hasCurrentPage(const App& app) {
    return app.album.currentPage >= 0 && app.album.currentPage < static_cast<int>(app.album.pages.size());
}

bool isFolderPage(const PageSettings& page) { return (page.Flag & FlagFolder) != 0; }

bool tabAnimate(const App& app) { return (app.album.settings.TabStyle & TabAnimate) != 0; }

HWND frontSurfaceOf(HWND view, const App& app) {
    return GetDlgItem(view, app.viewing.frontSurface == 0 ? IDC_PICTURE_SURFACE1 : IDC_PICTURE_SURFACE2);
}

// A stored position beyond the list's capacity starts at its last entry.
int folderIndexFrom(int folderFileNo) { return std::clamp(folderFileNo, 0, kFolderListCapacity - 1); }

// The folder the view's FolderList was listed from, as the watch lists it again.
std::optional<FolderToWatch> shownFolder(const App& app) {
    if (!hasCurrentPage(app) || !isFolderPage(app.album.pages[static_cast<std::size_t>(app.album.currentPage)])) return std::nullopt;
    return FolderToWatch{app.album.pages[static_cast<std::size_t>(app.album.currentPage)].File,
                         (app.album.settings.TabStyle & TabSortByDate) != 0, app.gdiplusActive};
}

// The slide show and the commands change the current Page's folder under the same view.
void followShownFolder(PageViewState& state) {
    if (!state.folderWatch) return;
    if (const std::optional<FolderToWatch> folder = shownFolder(state.app)) {
        state.folderWatch->watch(*folder);
    } else {
        state.folderWatch->stop();
    }
}

void loadPictureInto(PageViewState& state, int page, bool rescan) {
    App& app = state.app;
    const PageSettings& settings = app.album.pages[static_cast<std::size_t>(page)];
    if (isFolderPage(settings) && rescan) {
        app.viewing.folder.count = scanFolderOnDisk(app.album, app.gdiplusActive, settings.File, /*store=*/true);
    }
    const Text file = CurrentPictureFile(settings, app.viewing.folder.index, app.viewing.folder.count);
    state.pictureComing = false;
    state.picture.reset();  // two large pictures need not be held at once
    state.picture = loadPictureFile(fullPathName(file).value_or(file), app.gdiplusActive, fitModeOf(settings.PhotoFlag));
    followShownFolder(state);
}

// The view comes up with the Page's background; a picture that must be decoded follows once
// the worker has it (onShowPlacedView asks for it).
void loadPictureUnlessSlow(PageViewState& state, int page) {
    App& app = state.app;
    const PageSettings& settings = app.album.pages[static_cast<std::size_t>(page)];
    if (isFolderPage(settings)) app.viewing.folder.count = scanFolderOnDisk(app.album, app.gdiplusActive, settings.File, /*store=*/true);
    const Text file = CurrentPictureFile(settings, app.viewing.folder.index, app.viewing.folder.count);
    if (!app.gdiplusActive || isPictureKept(fullPathName(file).value_or(file), fitModeOf(settings.PhotoFlag))) {
        loadPictureInto(state, page, /*rescan=*/false);
        return;
    }
    state.picture = std::make_shared<LoadedPicture>();
    state.pictureComing = true;
    followShownFolder(state);
}

PictureMetrics metricsOf(const LoadedPicture& picture) {
    const PagePicture& shown = picture.picture;
    return shown.image() != nullptr ? picture.metrics : pictureMetrics(shown.bitmap());
}

OverlayState overlayStateOf(const App& app, HWND view) {
    OverlayState overlay;
    overlay.infoVisible = app.infoVisible;
    overlay.slideInfo = SlideInfo.get(app.album.settings.SlideStyle);
    overlay.gdiplusActive = app.gdiplusActive;
    overlay.dpi = windowDpi(view);
    return overlay;
}

bool pathExists(const Text& path) {
    return GetFileAttributesW(wide(fullPathName(path).value_or(path))) != INVALID_FILE_ATTRIBUTES;
}

// Without a picture the view says why, so an empty Page or a vanished file does not pass for a
// picture that failed to paint.
std::optional<Text> absenceNoteOf(const App& app, const LoadedPicture& picture) {
    if (picture.picture.image() != nullptr || picture.picture.bitmap() != nullptr) return std::nullopt;
    const PageSettings& page = app.album.pages[static_cast<std::size_t>(app.album.currentPage)];
    return absenceNote(page, CurrentPictureFile(page, app.viewing.folder.index, app.viewing.folder.count), pathExists);
}

void paintSurface(PageViewState& state, HWND surface, HDC dc) {
    App& app = state.app;
    if (!state.picture || !hasCurrentPage(app)) return;
    const PageSettings& page = currentPageOf(app);
    // A fit mode just chosen may draw more of the picture than was kept for the last one.
    if (!keptPictureServes(*state.picture, fitModeOf(page.PhotoFlag))) loadPictureInto(state, app.album.currentPage, false);
    const PhotoInfo info = currentPhotoInfo(page, app.viewing.folder.index, app.viewing.folder.count, app.gdiplusActive, metricsOf(*state.picture), {});
    state.picture->painter.paintPage(surface, dc, page, state.picture->picture, info, overlayStateOf(app, surface));
    if (const std::optional<Text> note = absenceNoteOf(app, *state.picture)) drawAbsenceNote(surface, dc, *note);
}

void savePictureFields(PageViewState& state) {
    App& app = state.app;
    app.albumFile->savePage(app.album, app.album.currentPage, SavePicture);
    state.savedPicture = pictureFieldsOf(currentPageOf(app));
}

void rebuildBackground(PageViewState& state) {
    const COLORREF colour = hasCurrentPage(state.app) ? currentPageOf(state.app).FontColorBk2 : GetSysColor(COLOR_BTNFACE);
    state.background.reset(CreateSolidBrush(colour));
}

void layOut(HWND view) {
    RECT client{};
    GetClientRect(view, &client);
    for (const int surface : {IDC_PICTURE_SURFACE1, IDC_PICTURE_SURFACE2}) {
        MoveWindow(GetDlgItem(view, surface), 0, 0, client.right, client.bottom, TRUE);
    }
}

Size windowSizeOf(HWND window) {
    RECT frame{};
    GetWindowRect(window, &frame);
    return {frame.right - frame.left, frame.bottom - frame.top};
}

POINT windowCornerOf(HWND window) {
    RECT frame{};
    GetWindowRect(window, &frame);
    return {frame.left, frame.top};
}

void sendToFolderBar(const PageViewState& state, WORD command, LPARAM parameter) {
    if (state.folderBar != nullptr) SendMessageW(state.folderBar, WM_COMMAND, command, parameter);
}

void placeFolderBar(const PageViewState& state, HWND view) {
    POINT corner = windowCornerOf(view);
    sendToFolderBar(state, IDM_FOLDERBAR_POSITION, reinterpret_cast<LPARAM>(&corner));
}

void recreateFolderBar(PageViewState& state, HWND view) {
    if (state.folderBar != nullptr) DestroyWindow(state.folderBar);
    state.folderBar = createFolderBar(state.app.instance, static_cast<int>(state.app.OsVersionCode), view, state);
    const Size size = windowSizeOf(view);
    sendToFolderBar(state, IDM_FOLDERBAR_SIZE, MAKELPARAM(size.dx, size.dy));
    placeFolderBar(state, view);
}

void hideFolderBar(PageViewState& state, HWND view) {
    if (state.folderBar != nullptr) ShowWindow(state.folderBar, SW_HIDE);
    state.folderBarTiming.hidden();
    const Size client = clientSizeOf(view);
    sendToFolderBar(state, IDM_FOLDERBAR_SIZE, MAKELPARAM(client.dx, client.dy));
}

// Outside the slide show, which asks for its own next picture, a click on the FolderBar's
// buttons finds its picture decoded.
void decodeNeighboursAhead(HWND view, const App& app) {
    if (app.countdown.SlideRunning) return;
    std::vector<PicturePosition> positions;
    if (hasCurrentPage(app) && isFolderPage(app.album.pages[static_cast<std::size_t>(app.album.currentPage)])) {
        for (const int index : folderNeighbours(app.viewing.folder.index, app.viewing.folder.count)) positions.push_back({app.album.currentPage, index});
    }
    decodeAheadFor(view, positions);
}

AheadRequest aheadRequestFor(HWND view, const App& app, PicturePosition position) {
    const PageSettings& page = app.album.pages[static_cast<std::size_t>(position.page)];
    return {aheadPictureAt(app.album, position, folderList(), app.viewing.folder.count), clientSizeOf(view), page, overlayStateOf(app, view)};
}

// Placed by now, so the pictures are fitted to the area they will be shown in.
void onShowPlacedView(HWND view, const PageViewState& state) {
    const App& app = state.app;
    if (state.pictureComing) {
        decodeForWindow(aheadRequestFor(view, app, {app.album.currentPage, app.viewing.folder.index}), view, IDM_VIEW_PICTURE_READY);
    }
    decodeNeighboursAhead(view, app);
    if (IsWindowVisible(view)) return;
    if (!tabAnimate(app)) {
        ShowWindow(view, SW_SHOW);
        return;
    }
    const bool tabsBelow = (app.album.settings.TabStyle & TabBottom) != 0;
    // A slide the system refuses still leaves the view shown.
    if (!AnimateWindow(view, kSlideMilliseconds, AW_SLIDE | AW_ACTIVATE | (tabsBelow ? AW_VER_NEGATIVE : AW_VER_POSITIVE)))
        ShowWindow(view, SW_SHOW);
}

INT_PTR onInitDialog(HWND view, PageViewState& state) {
    App& app = state.app;
    state.folderWatch = std::make_unique<FolderWatch>(view, kFolderRelisted);
    DragAcceptFiles(view, TRUE);
    app.infoVisible = true;
    if (hasCurrentPage(app)) {
        app.viewing.folder.index = folderIndexFrom(currentPageOf(app).FolderFileNo);
        state.savedPicture = pictureFieldsOf(currentPageOf(app));
        loadPictureUnlessSlow(state, app.album.currentPage);
    }
    PostMessageW(view, WM_COMMAND, IDM_FOLDERBAR_CREATE, 0);
    PostMessageW(view, WM_COMMAND, IDM_VIEW_LAYOUT, 0);
    PostMessageW(view, kShowPlacedView, 0, 0);
    SetTimer(view, kFolderBarTimer, kFolderBarPeriod, nullptr);
    rebuildBackground(state);
    return FALSE;  // the stand keeps the focus
}

INT_PTR onDestroy(HWND view, PageViewState& state) {
    App& app = state.app;
    state.folderWatch.reset();
    if (!app.PagesChanged && hasCurrentPage(app)) {
        storeFolderPosition(app);
        // Rewriting the album with what it holds would cost every Page change a file write.
        if (pictureFieldsOf(currentPageOf(app)) != state.savedPicture) savePictureFields(state);
    }
    KillTimer(view, kFolderBarTimer);
    if (state.folderBar != nullptr) DestroyWindow(state.folderBar);
    state.folderBar = nullptr;
    DragAcceptFiles(view, FALSE);
    decodeAhead({});
    // The stand has already forgotten itself when it goes: the program is ending, and the kept
    // pictures must go before the decoder does.
    if (app.standWindow == nullptr) forgetKeptPictures();
    return FALSE;
}

// The new listing replaces the FolderList in the same step as the host moves the cursor, so the
// index never points into a list it was not meant for. A listing of a folder the view has left
// meanwhile is dropped.
void onFolderRelisted(HWND view, PageViewState& state) {
    App& app = state.app;
    std::optional<FolderRelisting> relisting = state.folderWatch ? state.folderWatch->take() : std::nullopt;
    if (!relisting || shownFolder(app) != relisting->watched) return;
    FolderList& list = folderList();
    const std::span<const FolderEntry> before = std::span<const FolderEntry>(list.entries).first(static_cast<std::size_t>(std::clamp(app.viewing.folder.count, 0, kFolderListCapacity)));
    const std::span<const FolderEntry> after = std::span<const FolderEntry>(relisting->list->entries).first(static_cast<std::size_t>(relisting->count));
    const FolderPlace place = placeAfterRelisting(before, app.viewing.folder.index, after);
    std::swap(list.entries, relisting->list->entries);
    list.morePictures = relisting->list->morePictures;
    state.host.folderRelisted(place);
    sendToFolderBar(state, IDM_FOLDERBAR_COUNTER, 0);
    decodeNeighboursAhead(view, app);
}

// A step or a drop may have shown another picture meanwhile.
void showComingPicture(const PageViewState& state) {
    if (state.pictureComing && hasCurrentPage(state.app)) state.host.pictureArrived();
}

INT_PTR onCommand(HWND view, PageViewState& state, WORD command, LPARAM parameter) {
    switch (command) {
        case IDM_VIEW_LAYOUT: layOut(view); break;
        case IDM_VIEW_BACKGROUND: rebuildBackground(state); break;
        case IDM_VIEW_PICTURE_READY: showComingPicture(state); break;
        case IDM_FOLDERBAR_CREATE: recreateFolderBar(state, view); break;
        case IDM_FOLDERBAR_POSITION: sendToFolderBar(state, IDM_FOLDERBAR_POSITION, parameter); break;
        case IDM_FOLDERBAR_SIZE: hideFolderBar(state, view); break;
        default: break;
    }
    return TRUE;
}

INT_PTR onSize(HWND view, PageViewState& state) {
    SendMessageW(view, WM_COMMAND, IDM_FOLDERBAR_SIZE, 0);
    SendMessageW(view, WM_COMMAND, IDM_VIEW_LAYOUT, 0);
    state.folderBarTiming.resized();
    return TRUE;
}

int folderBarHeight(const PageViewState& state) {
    return state.folderBar != nullptr ? clientSizeOf(state.folderBar).dy : 0;
}

INT_PTR onMouseMove(HWND view, PageViewState& state, LPARAM position) {
    const App& app = state.app;
    // The running slide show's picture is not the folder Page's place the bar would step from.
    if (app.countdown.SlideRunning || !hasCurrentPage(app) || !isFolderPage(currentPageOf(state.app))) return TRUE;
    const Point point{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    if (!state.folderBarTiming.hover(point, clientSizeOf(view), folderBarHeight(state), windowDpi(view))) return TRUE;
    placeFolderBar(state, view);
    sendToFolderBar(state, IDM_FOLDERBAR_COUNTER, 0);
    if (state.folderBar != nullptr) ShowWindow(state.folderBar, SW_SHOWNOACTIVATE);
    return TRUE;
}

INT_PTR onTimer(PageViewState& state, UINT_PTR timer) {
    if (timer != kFolderBarTimer) return FALSE;
    if (state.folderBarTiming.tick() && state.folderBar != nullptr) ShowWindow(state.folderBar, SW_HIDE);
    return TRUE;
}

// The keys that step through a folder come to the view once the picture was clicked.
INT_PTR onClick(HWND view, PageViewHost& host) {
    SetFocus(view);
    host.holdAndStop();
    host.actionDone();
    return TRUE;
}

bool showsFolder(const App& app) {
    return hasCurrentPage(app) && isFolderPage(app.album.pages[static_cast<std::size_t>(app.album.currentPage)]);
}

std::optional<FolderKey> folderKeyOf(WPARAM key) {
    switch (key) {
        case VK_LEFT: return FolderKey::Back;
        case VK_RIGHT: return FolderKey::Next;
        case VK_HOME: return FolderKey::First;
        case VK_END: return FolderKey::Last;
        default: return std::nullopt;
    }
}

// On a file Page the keys step nowhere.
INT_PTR onKeyDown(const PageViewState& state, WPARAM key) {
    const std::optional<FolderKey> folderKey = folderKeyOf(key);
    if (!folderKey) return FALSE;
    if (showsFolder(state.app)) {
        const FolderStep step = folderKeyStep(*folderKey);
        state.host.stepFolder(step.direction, step.modifiers);
    }
    return TRUE;
}

// The wheel steps as it does over the FolderBar, when it is turned over the picture.
INT_PTR onMouseWheel(HWND view, const PageViewState& state, WPARAM wParam, LPARAM lParam) {
    RECT frame{};
    GetWindowRect(view, &frame);
    const POINT pointer{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    const std::optional<StepDirection> direction = wheelStep(GET_WHEEL_DELTA_WPARAM(wParam));
    if (direction && PtInRect(&frame, pointer) && showsFolder(state.app)) state.host.stepFolder(*direction, {});
    return TRUE;
}

// The arrows, Home and End are the view's, not the stand's dialog navigation.
INT_PTR onGetDialogCode(HWND view) {
    SetWindowLongPtrW(view, DWLP_MSGRESULT, DLGC_WANTALLKEYS);
    return TRUE;
}

INT_PTR onRightClick(HWND view, PageViewHost& host, LPARAM position) {
    POINT point{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    ClientToScreen(view, &point);
    host.openMenu(point);
    return TRUE;
}

INT_PTR onDoubleClick(PageViewState& state) {
    App& app = state.app;
    switch (TabDoubleClick.get(app.album.settings.TabStyle)) {
        case 0: state.host.openPageSettings(); break;
        case 1:
            app.infoVisible = !app.infoVisible;
            state.host.lookChanged();
            break;
        case 2: openPictureFile(app); break;
        default: break;
    }
    return TRUE;
}

Text programPath() {
    wchar_t buffer[32768];
    const DWORD length = GetModuleFileNameW(nullptr, buffer, static_cast<DWORD>(std::size(buffer)));
    return length < std::size(buffer) ? fromWide(buffer, length) : Text();
}

void openAlbumInNewProcess(const Text& album) {
    const Text program = programPath();
    if (program.empty()) return;
    const Text folder = folderOfPath(program);
    const Text argument = albumArgument(album);
    ShellExecuteW(nullptr, nullptr, wide(program), wide(argument), wide(folder), SW_SHOWNORMAL);
}

std::optional<Text> firstDroppedPath(HDROP drop) {
    const UINT length = DragQueryFileW(drop, 0, nullptr, 0);
    if (length == 0) return std::nullopt;
    Text path(length, u'\0');
    if (DragQueryFileW(drop, 0, wide(path), length + 1) != length) return std::nullopt;
    return path;
}

INT_PTR onDropFiles(PageViewState& state, HDROP drop) {
    const std::optional<Text> path = firstDroppedPath(drop);
    DragFinish(drop);
    App& app = state.app;
    if (!path || !hasCurrentPage(app)) return TRUE;
    const DWORD attributes = GetFileAttributesW(wide(*path));
    DropContext context;
    context.isFolder = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    context.pageLocked = (currentPageOf(app).Flag & FlagLocked) != 0;
    context.dropNewPage = (app.album.settings.TabStyle & TabDropNewPage) != 0;
    context.gdiplusActive = app.gdiplusActive;
    context.slideRunning = app.countdown.SlideRunning;
    const DropAction action = dropActionFor(*path, context);
    if (action == DropAction::OpenAlbum) {
        openAlbumInNewProcess(*path);
        return TRUE;
    }
    // A path cut to fit the Page's field would name another file (a folder also needs its "\").
    if (action == DropAction::Ignore || path->size() + 1 > kPathCapacity) return TRUE;
    if (action == DropAction::NewPage) {
        state.host.addDroppedPage(*path);
    } else {
        state.host.showDropped(*path, action == DropAction::ShowFolder);
    }
    return TRUE;
}

INT_PTR onDrawItem(HWND view, PageViewState& state, const DRAWITEMSTRUCT& item) {
    if (item.hwndItem != frontSurfaceOf(view, state.app)) return FALSE;
    paintSurface(state, item.hwndItem, item.hDC);
    return TRUE;
}

// The surfaces paint themselves (owner drawn); everything else sits on the Page's colour.
INT_PTR onControlColour(const PageViewState& state, HDC dc) {
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<INT_PTR>(state.background.get());
}

// The full path of the picture the Page shows, whether or not the file is there.
std::optional<Text> shownPicturePath(const App& app) {
    if (!hasCurrentPage(app)) return std::nullopt;
    const PageSettings& page = app.album.pages[static_cast<std::size_t>(app.album.currentPage)];
    if (page.File.empty()) return std::nullopt;
    const Text picture = CurrentPictureFile(page, app.viewing.folder.index, app.viewing.folder.count);
    if (picture.empty()) return std::nullopt;
    return fullPathName(picture);
}

INT_PTR pageViewProc(HWND view, PageViewState& state, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: return onInitDialog(view, state);
        case WM_DESTROY: return onDestroy(view, state);
        case WM_SIZE: return onSize(view, state);
        case WM_CLOSE: EndDialog(view, 1); return TRUE;
        case WM_TIMER: return onTimer(state, wParam);
        case WM_COMMAND: return onCommand(view, state, LOWORD(wParam), lParam);
        case WM_DRAWITEM: return onDrawItem(view, state, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG: return onControlColour(state, reinterpret_cast<HDC>(wParam));
        case WM_MOUSEMOVE: return onMouseMove(view, state, lParam);
        case WM_LBUTTONDOWN:
        case WM_MBUTTONDOWN: return onClick(view, state.host);
        case WM_GETDLGCODE: return onGetDialogCode(view);
        // The view keeps the focus itself: its surfaces take no keys.
        case WM_SETFOCUS: return TRUE;
        case WM_KEYDOWN: return onKeyDown(state, wParam);
        case WM_MOUSEWHEEL: return onMouseWheel(view, state, wParam, lParam);
        case WM_LBUTTONDBLCLK: return onDoubleClick(state);
        case WM_RBUTTONDOWN: return onRightClick(view, state.host, lParam);
        case WM_DROPFILES: return onDropFiles(state, reinterpret_cast<HDROP>(wParam));
        case kShowPlacedView: onShowPlacedView(view, state); return TRUE;
        case kFolderRelisted: onFolderRelisted(view, state); return TRUE;
        default: return FALSE;
    }
}

}  // namespace

HWND createPageView(App& app, HWND stand, PageViewHost& host) {
    return createDialogWithState<pageViewProc>(app.instance, IDD_PAGEVIEW, stand, std::make_unique<PageViewState>(app, host));
}

void loadPicture(HWND pageView, int page, bool rescan) {
    PageViewState* state = windowState<PageViewState>(pageView);
    if (state == nullptr || page < 0 || page >= static_cast<int>(state->app.album.pages.size())) return;
    loadPictureInto(*state, page, rescan);
    decodeNeighboursAhead(pageView, state->app);
}

void decodeAheadFor(HWND pageView, std::span<const PicturePosition> positions) {
    const PageViewState* state = windowState<PageViewState>(pageView);
    if (state == nullptr || !state->app.gdiplusActive) return;
    const App& app = state->app;
    std::vector<AheadRequest> requests;
    for (const PicturePosition& position : positions) {
        if (position.page < 0 || position.page >= static_cast<int>(app.album.pages.size())) continue;
        requests.push_back(aheadRequestFor(pageView, app, position));
    }
    decodeAhead(std::move(requests));
}

PictureMetrics shownPictureMetrics(HWND pageView) {
    const PageViewState* state = windowState<PageViewState>(pageView);
    return state != nullptr && state->picture ? metricsOf(*state->picture) : PictureMetrics{};
}

void refreshViewBackground(HWND pageView) {
    if (PageViewState* state = windowState<PageViewState>(pageView)) rebuildBackground(*state);
}

std::optional<Text> shownPictureFile(const App& app) {
    std::optional<Text> full = shownPicturePath(app);
    if (!full || GetFileAttributesW(wide(*full)) == INVALID_FILE_ATTRIBUTES) return std::nullopt;
    return full;
}

void openPictureFile(const App& app) {
    const std::optional<Text> full = shownPicturePath(app);
    if (!full) return;
    const ShellOpenRequest request = shellOpenRequest(*full);
    ShellExecuteW(nullptr, L"open", wide(request.file), nullptr, request.folder ? wide(*request.folder) : nullptr,
                  SW_SHOWNORMAL);
}

void openPictureFolder(const App& app) {
    const std::optional<Text> full = shownPictureFile(app);
    if (!full) return;
    const Text arguments = selectInFolderArguments(*full);
    ShellExecuteW(nullptr, L"open", L"explorer.exe", wide(arguments), nullptr, SW_SHOWNORMAL);
}

void storeFolderPosition(App& app) {
    if (hasCurrentPage(app)) currentPageOf(app).FolderFileNo = app.viewing.folder.index;
}

}  // namespace quillory
