// Steps through a folder Page of 24-megapixel JPEGs in the real stand, as a person does with the
// FolderBar's buttons and as the running slide show does, and times each step with the next
// picture decoded ahead beside decoding it on demand (the kept pictures and the work ahead
// dropped just before the step). The two ways alternate step by step, so both meet the same load.
// Between steps the bench waits until the work ahead is done, as a person looking at a picture
// for a few seconds would.
//
// FolderBar: from the click on "next" (or "back" on the way home) to the painted view.
// Slide show: from the timer tick that steps to the start of the transition (the step has loaded
// the picture and posted the transition), and on to the transition's painted surface.
//
//   scripts/bench-picture.sh 6   (makes /var/tmp/quillory-bench/folder-6000x4000/)
//   wine decode_ahead_bench_win.exe [folder] [steps of each way]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <vector>

#include "bench_support_win.h"
#include "base/wide_win.h"
#include "base/win_platform_win.h"
#include "base/window_state_win.h"
#include "draw/gdiplus_win.h"
#include "resource.h"
#include "stand/photo_stand_window_win.h"
#include "stand/stand_state_win.h"
#include "support/quiet_stand_owner_win.h"
#include "view/decode_ahead_win.h"
#include "view/picture_load_win.h"

namespace quillory {
namespace {

// The person looks at the picture until the pictures of the next step are decoded.
void waitForWorkAhead() {
    pumpMessages();
    while (decodingAhead()) {
        Sleep(5);
        pumpMessages();
    }
}

int picturesIn(const Text& folder) {
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW(wide(folder + u"*.jpg"), &found);
    if (search == INVALID_HANDLE_VALUE) return 0;
    int count = 0;
    do ++count;
    while (FindNextFileW(search, &found));
    FindClose(search);
    return count;
}

// A stand of one folder Page, no slides between Pages, slide show on, in order, no effect.
void prepareAlbum(StartupFacts& app, const Text& folder, int pictures) {
    PageSettings page = makeDefaultPage();
    page.Label = u"bench";
    page.File = folder;
    page.Flag |= FlagFolder;
    page.FileNum = pictures;
    app.album.pages = {page};
    app.album.settings.TabStyle &= ~(TabAnimate | TabStatusBar);
    app.album.settings.xPosi = 0;
    app.album.settings.yPosi = 0;
    app.album.settings.xSize = 1200;
    app.album.settings.ySize = 900;
    std::uint32_t& slide = app.album.settings.SlideStyle;
    slide = SlideOn;
    SlideOrder.set(slide, 1);
    SlideEffect.set(slide, 0);
}

HWND folderBar() {
    struct Search {
        HWND bar = nullptr;
    } search;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM parameter) -> BOOL {
            if (GetDlgItem(window, IDC_FOLDER_NEXT) == nullptr) return TRUE;
            reinterpret_cast<Search*>(parameter)->bar = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.bar;
}

struct Series {
    std::vector<double> times;
    void add(double milliseconds) { times.push_back(milliseconds); }
    double best() const { return times.empty() ? 0 : *std::min_element(times.begin(), times.end()); }
    double median() const {
        if (times.empty()) return 0;
        std::vector<double> sorted = times;
        std::sort(sorted.begin(), sorted.end());
        const std::size_t middle = sorted.size() / 2;
        return sorted.size() % 2 == 1 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
    }
    double slowest() const { return times.empty() ? 0 : *std::max_element(times.begin(), times.end()); }
};

void printSeries(const char* what, const Series& ahead, const Series& onDemand) {
    std::printf("%s\n", what);
    std::printf("  decoded ahead: best %8.1f ms, median %8.1f ms, slowest %8.1f ms (%zu steps)\n", ahead.best(), ahead.median(),
                ahead.slowest(), ahead.times.size());
    std::printf("  on demand:     best %8.1f ms, median %8.1f ms, slowest %8.1f ms (%zu steps)\n", onDemand.best(),
                onDemand.median(), onDemand.slowest(), onDemand.times.size());
    if (ahead.median() > 0) std::printf("  median on demand / median ahead: %.0fx\n", onDemand.median() / ahead.median());
}

// The most the kept pictures held at once, the work ahead done: the bound holds for them too.
struct Kept {
    std::size_t pictures = 0;
    std::size_t bytes = 0;
};
Kept& mostKept() {
    static Kept most;
    return most;
}

// Every other step decodes on demand: whatever was decoded ahead is dropped just before it.
void beforeStep(int step) {
    waitForWorkAhead();
    mostKept().pictures = std::max(mostKept().pictures, keptPictureCount());
    mostKept().bytes = std::max(mostKept().bytes, keptPictureBytes());
    if (step % 2 == 1) forgetKeptPictures();
}

void recordStep(int step, double milliseconds, Series& ahead, Series& onDemand) {
    (step % 2 == 1 ? onDemand : ahead).add(milliseconds);
}

bool benchFolderBar(HWND stand, int pictures, int steps, Series& ahead, Series& onDemand) {
    HWND bar = folderBar();
    const Viewing& viewing = windowState<PhotoStandWindow>(stand)->viewing;
    HWND view = windowState<PhotoStandWindow>(stand)->pageView;
    if (bar == nullptr || view == nullptr) {
        std::fprintf(stderr, "no FolderBar\n");
        return false;
    }
    bool forward = true;
    for (int step = 0; step < steps; ++step) {
        if (viewing.folder.index == pictures - 1) forward = false;
        if (viewing.folder.index == 0) forward = true;
        const int before = viewing.folder.index;
        beforeStep(step);
        const SteadyClock::time_point start = SteadyClock::now();
        SendMessageW(bar, WM_COMMAND, forward ? IDC_FOLDER_NEXT : IDC_FOLDER_BACK, 0);
        pumpMessages();
        UpdateWindow(view);
        GdiFlush();
        recordStep(step, millisecondsSince(start), ahead, onDemand);
        if (viewing.folder.index == before) {
            std::fprintf(stderr, "the FolderBar did not step\n");
            return false;
        }
    }
    return true;
}

// The tick that steps: the countdown is past its wait.
void stepTick(HWND stand) {
    windowState<PhotoStandWindow>(stand)->countdown.SlideTicks = 100000;
    SendMessageW(stand, WM_TIMER, 1, 0);
}

bool benchSlideShow(HWND stand, int steps, Series& toTransition, Series& toTransitionOnDemand, Series& painted,
                    Series& paintedOnDemand) {
    const PhotoStandWindow& state = *windowState<PhotoStandWindow>(stand);
    windowState<PhotoStandWindow>(stand)->countdown.resetIdleCountdown();
    stepTick(stand);
    if (!state.countdown.SlideRunning) {
        std::fprintf(stderr, "the slide show did not start (the system's uptime must pass 186 s)\n");
        return false;
    }
    for (int step = 0; step < steps; ++step) {
        const int front = state.viewing.frontSurface;
        beforeStep(step);
        const SteadyClock::time_point start = SteadyClock::now();
        stepTick(stand);
        const SteadyClock::time_point posted = SteadyClock::now();
        pumpMessages();
        HWND view = windowState<PhotoStandWindow>(stand)->pageView;
        UpdateWindow(view);
        GdiFlush();
        recordStep(step, millisecondsBetween(start, posted), toTransition, toTransitionOnDemand);
        recordStep(step, millisecondsSince(start), painted, paintedOnDemand);
        if (state.viewing.frontSurface == front) {
            std::fprintf(stderr, "the slide show did not step\n");
            return false;
        }
    }
    return true;
}

double megabytes(std::size_t bytes) { return static_cast<double>(bytes) / (1024.0 * 1024.0); }

int run(Text folder, int steps) {
    const GdiplusSession gdiplus;
    if (!gdiplus.started()) {
        std::fprintf(stderr, "GDI+ did not start\n");
        return 1;
    }
    if (!endsWith(folder, u"\\")) folder += u"\\";
    const int pictures = picturesIn(folder);
    if (pictures < 3) {
        std::fprintf(stderr, "%ls holds fewer than three JPEGs (run scripts/bench-picture.sh 6)\n", wide(folder));
        return 1;
    }
    WinPlatform& platform = winPlatform();
    StartupFacts app;
    app.instance = GetModuleHandleW(nullptr);
    app.gdiplusActive = true;
    prepareAlbum(app, folder, pictures);
    app.albumFile = std::make_unique<AlbumFile>(tempPath(L"quillory-decode-ahead-bench.qalbum"), platform.files,
                                                platform.codePage, platform.folders);
    testing::QuietStandOwner owner;
    HWND stand = createPhotoStandWindow(app, owner, nullptr);
    if (stand == nullptr) {
        std::fprintf(stderr, "no stand\n");
        return 1;
    }
    ShowWindow(stand, SW_SHOW);
    waitForWorkAhead();

    Series barAhead, barOnDemand, slideAhead, slideOnDemand, slidePainted, slidePaintedOnDemand;
    const bool measured = benchFolderBar(stand, pictures, 2 * steps, barAhead, barOnDemand) &&
                          benchSlideShow(stand, 2 * steps, slideAhead, slideOnDemand, slidePainted, slidePaintedOnDemand);
    DestroyWindow(stand);  // the kept pictures and the worker go with the stand
    pumpMessages();
    DeleteFileW(wide(app.albumFile->path()));
    if (!measured) return 1;

    std::printf("folder Page of %d JPEGs of 6000 x 4000 in %ls; stand 1200 x 900; limits: %zu pictures, %zu MB\n", pictures,
                wide(folder), kPictureCacheLimits.pictures, kPictureCacheLimits.bytes >> 20);
    printSeries("FolderBar step, click to painted view:", barAhead, barOnDemand);
    printSeries("slide-show step, tick to start of transition:", slideAhead, slideOnDemand);
    printSeries("slide-show step, tick to painted transition:", slidePainted, slidePaintedOnDemand);
    std::printf("kept at most (before a step): %zu pictures, %.1f MB counted\n", mostKept().pictures, megabytes(mostKept().bytes));
    return 0;
}

}  // namespace
}  // namespace quillory

int wmain(int argc, wchar_t** argv) {
    const wchar_t* folder = argc > 1 ? argv[1] : L"Z:\\var\\tmp\\quillory-bench\\folder-6000x4000";
    const int steps = argc > 2 ? std::wcstol(argv[2], nullptr, 10) : 5;
    return quillory::run(quillory::fromWide(folder), std::max(steps, 1));
}
