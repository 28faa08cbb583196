#include "view/page_view_win.h"

#include <shellapi.h>
#include <windowsx.h>

#include <algorithm>
#include <iterator>

#include "base/gdi_handles_win.h"
#include "base/window_dpi_win.h"
#include "base/window_slide_win.h"
#include "base/wide_win.h"
#include "base/window_state_win.h"
#include "draw/picture_metrics_win.h"
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
#include "view/shown_picture_win.h"

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
    PageViewState(const PageViewContext& owner, PageViewHost& viewHost) : context(owner), host(viewHost) {}
    void step(StepDirection direction, StepModifiers modifiers) override {
        folderBarTiming.stepped();
        host.stepFolder(direction, modifiers);
    }
    const FolderCursor& folder() const override { return context.viewing.folder; }
    PageViewContext context;
    PageViewHost& host;
    bool infoVisible = true;  // the overlay text shows; a double click may hide it
    bool pageReplaced = false;  // the Page records were replaced: nothing is stored into them
    SharedPicture picture;  // CurrentPicture or CurrentBitmap
    bool pictureComing = false;  // decoded by the worker; the Page's background shows meanwhile
    PictureFields savedPicture;
    UniqueBrush background;
    HWND folderBar = nullptr;
    FolderBarTiming folderBarTiming;
    std::unique_ptr<FolderWatch> folderWatch;  // the current folder Page's folder, while the view lives
};

bool hasCurrentPage(const PageViewContext& context) { return currentPageOf(context.album) != nullptr; }

// Only while hasCurrentPage.
PageSettings& currentPageOf(const PageViewContext& context) { return *currentPageOf(context.album); }

bool isFolderPage(const PageSettings& page) { return (page.Flag & FlagFolder) != 0; }

// The current Page, when it lists a folder.
const PageSettings* currentFolderPage(const Album& album) {
    const PageSettings* page = currentPageOf(album);
    return page != nullptr && isFolderPage(*page) ? page : nullptr;
}

bool tabAnimate(const PageViewContext& context) { return (context.album.settings.TabStyle & TabAnimate) != 0; }

HWND frontSurfaceOf(HWND view, const PageViewContext& context) {
    return GetDlgItem(view, context.viewing.frontSurface == 0 ? IDC_PICTURE_SURFACE1 : IDC_PICTURE_SURFACE2);
}

// A stored position beyond the list's capacity starts at its last entry.
int folderIndexFrom(int folderFileNo) { return std::clamp(folderFileNo, 0, kFolderListCapacity - 1); }

// The folder the view's FolderList was listed from, as the watch lists it again.
std::optional<FolderToWatch> shownFolder(const PageViewContext& context) {
    const PageSettings* page = currentFolderPage(context.album);
    if (page == nullptr) return std::nullopt;
    return FolderToWatch{page->File,
                         (context.album.settings.TabStyle & TabSortByDate) != 0, context.gdiplusActive};
}

// The slide show and the commands change the current Page's folder under the same view.
void followShownFolder(PageViewState& state) {
    if (!state.folderWatch) return;
    if (const std::optional<FolderToWatch> folder = shownFolder(state.context)) {
        state.folderWatch->watch(*folder);
    } else {
        state.folderWatch->stop();
    }
}

void loadPictureInto(PageViewState& state, int page, bool rescan) {
    const PageViewContext& context = state.context;
    const PageSettings& settings = context.album.pages[static_cast<std::size_t>(page)];
    if (isFolderPage(settings) && rescan) {
        context.viewing.folder.count = scanFolderOnDisk(context.album, context.gdiplusActive, settings.File, /*store=*/true, *context.viewing.folder.list);
    }
    const Text file = CurrentPictureFile(settings, context.viewing.folder);
    state.pictureComing = false;
    state.picture.reset();  // two large pictures need not be held at once
    state.picture = loadPictureFile(fullPathName(file).value_or(file), context.gdiplusActive, fitModeOf(settings.PhotoFlag));
    followShownFolder(state);
}

// The view comes up with the Page's background, and the picture's EXIF thumbnail in its place
// when it has one; a picture that must be decoded follows once the worker has it
// (onShowPlacedView asks for it).
void loadPictureUnlessSlow(PageViewState& state, int page) {
    const PageViewContext& context = state.context;
    const PageSettings& settings = context.album.pages[static_cast<std::size_t>(page)];
    if (isFolderPage(settings)) context.viewing.folder.count = scanFolderOnDisk(context.album, context.gdiplusActive, settings.File, /*store=*/true, *context.viewing.folder.list);
    const Text file = CurrentPictureFile(settings, context.viewing.folder);
    if (!context.gdiplusActive || isPictureKept(fullPathName(file).value_or(file), fitModeOf(settings.PhotoFlag))) {
        loadPictureInto(state, page, /*rescan=*/false);
        return;
    }
    state.picture = standInPicture(fullPathName(file).value_or(file), fitModeOf(settings.PhotoFlag));
    state.pictureComing = true;
    followShownFolder(state);
}

PictureMetrics metricsOf(const LoadedPicture& picture) {
    const PagePicture& shown = picture.picture;
    return shown.image() != nullptr ? picture.metrics : pictureMetrics(shown.bitmap());
}

OverlayState overlayStateOf(const PageViewState& state, HWND view) {
    const PageViewContext& context = state.context;
    OverlayState overlay;
    overlay.infoVisible = state.infoVisible;
    overlay.slideInfo = SlideInfo.get(context.album.settings.SlideStyle);
    overlay.gdiplusActive = context.gdiplusActive;
    overlay.dpi = windowDpi(view);
    return overlay;
}

bool pathExists(const Text& path) {
    return GetFileAttributesW(wide(fullPathName(path).value_or(path))) != INVALID_FILE_ATTRIBUTES;
}

// Without a picture the view says why, so an empty Page or a vanished file does not pass for a
// picture that failed to paint.
std::optional<Text> absenceNoteOf(const PageViewContext& context, const LoadedPicture& picture) {
    if (picture.picture.image() != nullptr || picture.picture.bitmap() != nullptr) return std::nullopt;
    const PageSettings& page = currentPageOf(context);
    return absenceNote(page, CurrentPictureFile(page, context.viewing.folder), pathExists);
}

void paintSurface(PageViewState& state, HWND surface, HDC dc) {
    const PageViewContext& context = state.context;
    if (!state.picture || !hasCurrentPage(context)) return;
    const PageSettings& page = currentPageOf(context);
    const PhotoInfo info = currentPhotoInfo(page, context.viewing.folder, context.gdiplusActive, metricsOf(*state.picture), {});
    state.picture->painter.paintPage(surface, dc, page, state.picture->picture, info, overlayStateOf(state, surface));
    if (const std::optional<Text> note = absenceNoteOf(context, *state.picture)) drawAbsenceNote(surface, dc, *note);
}

void savePictureFields(PageViewState& state) {
    const PageViewContext& context = state.context;
    context.albumFile.savePage(context.album, context.album.currentPage, SavePicture);
    state.savedPicture = pictureFieldsOf(currentPageOf(context));
}

void rebuildBackground(PageViewState& state) {
    const COLORREF colour = hasCurrentPage(state.context) ? currentPageOf(state.context).FontColorBk2 : GetSysColor(COLOR_BTNFACE);
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

void placeFolderBarOver(const PageViewState& state, HWND view) {
    if (state.folderBar != nullptr) placeFolderBar(state.folderBar, windowCornerOf(view));
}

void refreshFolderBar(const PageViewState& state) {
    if (state.folderBar != nullptr) refreshFolderBarCounter(state.folderBar);
}

void recreateFolderBar(PageViewState& state, HWND view) {
    if (state.folderBar != nullptr) DestroyWindow(state.folderBar);
    state.folderBar = createFolderBar(state.context.instance, state.context.osVersionCode, view, state);
    if (state.folderBar != nullptr) sizeFolderBar(state.folderBar, windowSizeOf(view).dx);
    placeFolderBarOver(state, view);
}

void hideFolderBar(PageViewState& state, HWND view) {
    if (state.folderBar != nullptr) ShowWindow(state.folderBar, SW_HIDE);
    state.folderBarTiming.hidden();
    if (state.folderBar != nullptr) sizeFolderBar(state.folderBar, clientSizeOf(view).dx);
}

// Outside the slide show, which asks for its own next picture, a click on the FolderBar's
// buttons finds its picture decoded.
void decodeNeighboursAhead(HWND view, const PageViewState& state) {
    const PageViewContext& context = state.context;
    if (state.host.slideRunning()) return;
    std::vector<PicturePosition> positions;
    if (currentFolderPage(context.album) != nullptr) {
        for (const int index : folderNeighbours(context.viewing.folder.index, context.viewing.folder.count)) positions.push_back({context.album.currentPage, index});
    }
    decodeAheadFor(view, positions);
}

AheadRequest aheadRequestFor(HWND view, const PageViewState& state, PicturePosition position) {
    const PageViewContext& context = state.context;
    const PageSettings& page = context.album.pages[static_cast<std::size_t>(position.page)];
    const FolderCursor& folder = context.viewing.folder;
    return {aheadPictureAt(context.album, position, *folder.list, folder.count), clientSizeOf(view), page, overlayStateOf(state, view)};
}

// Placed by now, so the bar, the surfaces and the pictures fit the area they will be shown in.
void onShowPlacedView(HWND view, PageViewState& state) {
    const PageViewContext& context = state.context;
    recreateFolderBar(state, view);
    layOut(view);
    if (state.pictureComing) {
        decodeForWindow(aheadRequestFor(view, state, {context.album.currentPage, context.viewing.folder.index}), view, IDM_VIEW_PICTURE_READY);
    }
    decodeNeighboursAhead(view, state);
    if (IsWindowVisible(view)) return;
    if (!tabAnimate(context)) {
        ShowWindow(view, SW_SHOW);
        return;
    }
    const bool tabsBelow = (context.album.settings.TabStyle & TabBottom) != 0;
    // A slide the system refuses still leaves the view shown.
    if (!AnimateWindow(view, kSlideMilliseconds, AW_SLIDE | AW_ACTIVATE | (tabsBelow ? AW_VER_NEGATIVE : AW_VER_POSITIVE)))
        ShowWindow(view, SW_SHOW);
}

INT_PTR onInitDialog(HWND view, PageViewState& state) {
    const PageViewContext& context = state.context;
    state.folderWatch = std::make_unique<FolderWatch>(view, kFolderRelisted);
    DragAcceptFiles(view, TRUE);
    if (hasCurrentPage(context)) {
        context.viewing.folder.index = folderIndexFrom(currentPageOf(context).FolderFileNo);
        state.savedPicture = pictureFieldsOf(currentPageOf(context));
        loadPictureUnlessSlow(state, context.album.currentPage);
    }
    // The stand places the view once this creating call has returned: the view fits itself to
    // that place on the next turn of the message loop.
    PostMessageW(view, kShowPlacedView, 0, 0);
    SetTimer(view, kFolderBarTimer, kFolderBarPeriod, nullptr);
    rebuildBackground(state);
    return FALSE;  // the stand keeps the focus
}

INT_PTR onDestroy(HWND view, PageViewState& state) {
    const PageViewContext& context = state.context;
    state.folderWatch.reset();
    if (!state.pageReplaced && hasCurrentPage(context)) {
        storeFolderPosition(context.album, context.viewing.folder);
        // Rewriting the album with what it holds would cost every Page change a file write.
        if (pictureFieldsOf(currentPageOf(context)) != state.savedPicture) savePictureFields(state);
    }
    KillTimer(view, kFolderBarTimer);
    if (state.folderBar != nullptr) DestroyWindow(state.folderBar);
    state.folderBar = nullptr;
    DragAcceptFiles(view, FALSE);
    decodeAhead({});
    return FALSE;
}

// The new listing replaces the FolderList in the same step as the host moves the cursor, so the
// index never points into a list it was not meant for. A listing of a folder the view has left
// meanwhile is dropped.
void onFolderRelisted(HWND view, PageViewState& state) {
    const PageViewContext& context = state.context;
    std::optional<FolderRelisting> relisting = state.folderWatch ? state.folderWatch->take() : std::nullopt;
    if (!relisting || shownFolder(context) != relisting->watched) return;
    FolderList& list = *context.viewing.folder.list;
    const std::span<const FolderEntry> before = std::span<const FolderEntry>(list.entries).first(static_cast<std::size_t>(std::clamp(context.viewing.folder.count, 0, kFolderListCapacity)));
    const std::span<const FolderEntry> after = std::span<const FolderEntry>(relisting->list->entries).first(static_cast<std::size_t>(relisting->count));
    const FolderPlace place = placeAfterRelisting(before, context.viewing.folder.index, after);
    std::swap(list.entries, relisting->list->entries);
    list.morePictures = relisting->list->morePictures;
    state.host.folderRelisted(place);
    refreshFolderBar(state);
    decodeNeighboursAhead(view, state);
}

// A step or a drop may have shown another picture meanwhile.
void showComingPicture(const PageViewState& state) {
    if (state.pictureComing && hasCurrentPage(state.context)) state.host.pictureArrived();
}

// The decoder posts the news of a picture decoded for the view.
INT_PTR onCommand(PageViewState& state, WORD command) {
    if (command == IDM_VIEW_PICTURE_READY) showComingPicture(state);
    return TRUE;
}

INT_PTR onSize(HWND view, PageViewState& state) {
    hideFolderBar(state, view);
    layOut(view);
    state.folderBarTiming.resized();
    return TRUE;
}

int folderBarHeight(const PageViewState& state) {
    return state.folderBar != nullptr ? clientSizeOf(state.folderBar).dy : 0;
}

INT_PTR onMouseMove(HWND view, PageViewState& state, LPARAM position) {
    const PageViewContext& context = state.context;
    // The running slide show's picture is not the folder Page's place the bar would step from.
    if (state.host.slideRunning() || currentFolderPage(context.album) == nullptr) return TRUE;
    const Point point{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    if (!state.folderBarTiming.hover(point, clientSizeOf(view), folderBarHeight(state), windowDpi(view))) return TRUE;
    placeFolderBarOver(state, view);
    refreshFolderBar(state);
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

bool showsFolder(const PageViewContext& context) {
    return currentFolderPage(context.album) != nullptr;
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
    if (showsFolder(state.context)) {
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
    if (direction && PtInRect(&frame, pointer) && showsFolder(state.context)) state.host.stepFolder(*direction, {});
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
    const PageViewContext& context = state.context;
    switch (TabDoubleClick.get(context.album.settings.TabStyle)) {
        case 0: state.host.openPageSettings(); break;
        case 1:
            state.infoVisible = !state.infoVisible;
            state.host.lookChanged();
            break;
        case 2: openPictureFile(context.album, context.viewing.folder); break;
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

INT_PTR onDropFiles(PageViewState& state, HDROP dropped) {
    const std::optional<Text> path = firstDroppedPath(dropped);
    DragFinish(dropped);
    const PageViewContext& context = state.context;
    if (!path || !hasCurrentPage(context)) return TRUE;
    const DWORD attributes = GetFileAttributesW(wide(*path));
    DropContext drop;
    drop.isFolder = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    drop.pageLocked = (currentPageOf(context).Flag & FlagLocked) != 0;
    drop.dropNewPage = (context.album.settings.TabStyle & TabDropNewPage) != 0;
    drop.gdiplusActive = context.gdiplusActive;
    drop.slideRunning = state.host.slideRunning();
    const DropAction action = dropActionFor(*path, drop);
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
    if (item.hwndItem != frontSurfaceOf(view, state.context)) return FALSE;
    paintSurface(state, item.hwndItem, item.hDC);
    return TRUE;
}

// The surfaces paint themselves (owner drawn); everything else sits on the Page's colour.
INT_PTR onControlColour(const PageViewState& state, HDC dc) {
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<INT_PTR>(state.background.get());
}

// The full path of the picture the Page shows, whether or not the file is there.
std::optional<Text> shownPicturePath(const Album& album, const FolderCursor& folder) {
    const PageSettings* page = currentPageOf(album);
    if (page == nullptr || page->File.empty()) return std::nullopt;
    const Text picture = CurrentPictureFile(*page, folder);
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
        case WM_COMMAND: return onCommand(state, LOWORD(wParam));
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

HWND createPageView(const PageViewContext& context, HWND stand, PageViewHost& host) {
    return createDialogWithState<pageViewProc>(context.instance, IDD_PAGEVIEW, stand, std::make_unique<PageViewState>(context, host));
}

void loadPicture(HWND pageView, int page, bool rescan) {
    PageViewState* state = windowState<PageViewState>(pageView);
    if (state == nullptr || page < 0 || page >= static_cast<int>(state->context.album.pages.size())) return;
    loadPictureInto(*state, page, rescan);
    decodeNeighboursAhead(pageView, *state);
}

void decodeAheadFor(HWND pageView, std::span<const PicturePosition> positions) {
    const PageViewState* state = windowState<PageViewState>(pageView);
    if (state == nullptr || !state->context.gdiplusActive) return;
    const PageViewContext& context = state->context;
    std::vector<AheadRequest> requests;
    for (const PicturePosition& position : positions) {
        if (position.page < 0 || position.page >= static_cast<int>(context.album.pages.size())) continue;
        requests.push_back(aheadRequestFor(pageView, *state, position));
    }
    decodeAhead(std::move(requests));
}

PictureMetrics shownPictureMetrics(HWND pageView) {
    const PageViewState* state = windowState<PageViewState>(pageView);
    return state != nullptr && state->picture ? metricsOf(*state->picture) : PictureMetrics{};
}

void layOutPageView(HWND pageView) { layOut(pageView); }

void placeViewFolderBar(HWND pageView) {
    if (const PageViewState* state = windowState<PageViewState>(pageView)) placeFolderBarOver(*state, pageView);
}

void recreateViewFolderBar(HWND pageView) {
    if (PageViewState* state = windowState<PageViewState>(pageView)) recreateFolderBar(*state, pageView);
}

void refreshViewBackground(HWND pageView) {
    if (PageViewState* state = windowState<PageViewState>(pageView)) rebuildBackground(*state);
}

std::optional<Text> shownPictureFile(const Album& album, const FolderCursor& folder) {
    std::optional<Text> full = shownPicturePath(album, folder);
    if (!full || GetFileAttributesW(wide(*full)) == INVALID_FILE_ATTRIBUTES) return std::nullopt;
    return full;
}

void openPictureFile(const Album& album, const FolderCursor& folder) {
    const std::optional<Text> full = shownPicturePath(album, folder);
    if (!full) return;
    const ShellOpenRequest request = shellOpenRequest(*full);
    ShellExecuteW(nullptr, L"open", wide(request.file), nullptr, request.folder ? wide(*request.folder) : nullptr,
                  SW_SHOWNORMAL);
}

void openPictureFolder(const Album& album, const FolderCursor& folder) {
    const std::optional<Text> full = shownPictureFile(album, folder);
    if (!full) return;
    const Text arguments = selectInFolderArguments(*full);
    ShellExecuteW(nullptr, L"open", L"explorer.exe", wide(arguments), nullptr, SW_SHOWNORMAL);
}

void storeFolderPosition(Album& album, const FolderCursor& folder) {
    if (PageSettings* page = currentPageOf(album)) page->FolderFileNo = folder.index;
}

void leavePageUnsaved(HWND pageView) {
    if (PageViewState* state = windowState<PageViewState>(pageView)) state->pageReplaced = true;
}

}  // namespace quillory
