// Switches between Pages that show 24-megapixel JPEGs, as the stand does on a tab change: the
// PageView destroyed (saving its Page), a new one created, placed and painted. Measures, in one
// run: a never-seen picture decoded and composed the old way (the whole picture through GDI+)
// beside the program's way (our decoder at a reduced scale, shrunk to the screen); switches to
// never-seen Pages; four Pages twice round (the second round finds every picture kept); two
// Pages switched back and forth; and the memory the process holds after each part.
//
//   scripts/bench-picture.sh camera   (makes /var/tmp/quillory-bench/camera-6000x4000.jpg)
//   wine page_switch_bench_win.exe [picture] [never-seen switches] [kept switches]
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <vector>

#include <shlwapi.h>

#include "bench_support_win.h"
#include "base/dpi.h"
#include "base/wide_win.h"
#include "base/win_platform_win.h"
#include "draw/gdiplus_win.h"
#include "resource.h"
#include "stand/startup_facts_win.h"
#include "support/quiet_view_host_win.h"
#include "view/page_view_win.h"
#include "view/picture_load_win.h"

namespace quillory {
namespace {

constexpr Size kViewSize{1200, 900};

PageSettings filePage(const Text& picture) {
    PageSettings page = makeDefaultPage();
    page.Label = u"bench";
    page.File = picture;
    page.FileNum = 1;
    return page;
}

// The stand's part of a Page change: the old view goes, the new one is placed and shown, and
// the time runs until its picture is on the screen.
class Switcher {
public:
    Switcher(StartupFacts& app, HWND stand) : app_(app), stand_(stand) {}
    ~Switcher() {
        if (view_ != nullptr) DestroyWindow(view_);
    }

    // The parts of the last switch: the old view's tear-down (with its save), the new view's
    // creation (with its picture), and its showing and painting.
    struct Parts {
        double teardown = 0, creation = 0, painting = 0;
    };

    double switchTo(int page) {
        const SteadyClock::time_point start = SteadyClock::now();
        if (view_ != nullptr) DestroyWindow(view_);
        const SteadyClock::time_point created = SteadyClock::now();
        app_.album.currentPage = page;
        view_ = createPageView(testing::viewContextOf(app_, viewing_), stand_, host_);
        if (view_ == nullptr) return -1;
        MoveWindow(view_, 0, 0, kViewSize.dx, kViewSize.dy, FALSE);
        layOutPageView(view_);
        const SteadyClock::time_point placed = SteadyClock::now();
        // The view shows itself with its background; a picture not kept follows from the worker.
        pumpMessages();
        for (int wait = 0; wait < 100 && shownPictureMetrics(view_).width == 0; ++wait) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
            pumpMessages();
        }
        if (shownPictureMetrics(view_).width == 0) return -1;
        UpdateWindow(view_);
        GdiFlush();
        last = {millisecondsBetween(start, created), millisecondsBetween(created, placed), millisecondsSince(placed)};
        return millisecondsSince(start);
    }

    // The bench's view takes no input.
    struct QuietHost final : testing::QuietViewHost {};
    QuietHost host_;

    Parts last;

private:
    StartupFacts& app_;
    Viewing viewing_;
    HWND stand_;
    HWND view_ = nullptr;
};

struct Figures {
    double first = 0, average = 0, slowest = 0;
    Switcher::Parts parts;  // averages, as the total
};

Figures measure(Switcher& switcher, int switches) {
    Figures figures;
    std::vector<double> times;
    for (int i = 0; i < switches; ++i) {
        const double milliseconds = switcher.switchTo(i % 2);
        if (milliseconds < 0) return {};
        times.push_back(milliseconds);
        if (i < 2) continue;
        figures.parts.teardown += switcher.last.teardown;
        figures.parts.creation += switcher.last.creation;
        figures.parts.painting += switcher.last.painting;
    }
    figures.first = times.front();
    // The first two decode in either way; the rest show what a switch back costs.
    const auto rest = times.begin() + std::min<std::ptrdiff_t>(2, static_cast<std::ptrdiff_t>(times.size()) - 1);
    double sum = 0;
    for (auto it = rest; it != times.end(); ++it) sum += *it;
    figures.average = sum / static_cast<double>(times.end() - rest);
    figures.slowest = *std::max_element(rest, times.end());
    const double counted = static_cast<double>(times.end() - rest);
    figures.parts = {figures.parts.teardown / counted, figures.parts.creation / counted, figures.parts.painting / counted};
    return figures;
}

// A picture decoded and composed for the view as the program did before it kept screen-sized
// pictures: the whole picture through GDI+, scaled by GDI+ at the first paint.
double decodeTheOldWay(const Text& path) {
    const SteadyClock::time_point start = SteadyClock::now();
    std::optional<std::vector<std::uint8_t>> bytes = winPlatform().files.readFile(path);
    if (!bytes) return -1;
    IStream* stream = SHCreateMemStream(bytes->data(), static_cast<UINT>(bytes->size()));
    gp::GpBitmap* bitmap = nullptr;
    gpflat::GdipCreateBitmapFromStream(stream, &bitmap);
    stream->Release();
    if (bitmap == nullptr) return -1;
    const PagePicture picture{ImageOwner(bitmap)};
    PagePainter painter;
    painter.prepare(kViewSize, pageSceneOf(makeDefaultPage(), {}, kDefaultDpi), picture, PaintPath::GdiPlus);
    GdiFlush();
    return millisecondsSince(start);
}

double decodeTheNewWay(const Text& path) {
    const SteadyClock::time_point start = SteadyClock::now();
    const SharedPicture picture = decodedPicture(path, PictureFit::ShorterSide);
    if (picture->picture.image() == nullptr) return -1;
    picture->painter.prepare(kViewSize, pageSceneOf(makeDefaultPage(), {}, kDefaultDpi), picture->picture, PaintPath::GdiPlus);
    GdiFlush();
    return millisecondsSince(start);
}

double average(const std::vector<double>& times) {
    double sum = 0;
    for (double time : times) sum += time;
    return times.empty() ? 0 : sum / static_cast<double>(times.size());
}

double megabytes(std::size_t bytes) { return static_cast<double>(bytes) / (1024.0 * 1024.0); }

void printMemory(const char* when) {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof(counters);
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof(counters));
    std::printf("%-44s working set %7.1f MB, private %7.1f MB; kept: %zu pictures, %.1f MB counted\n", when,
                megabytes(counters.WorkingSetSize), megabytes(counters.PrivateUsage), keptPictureCount(),
                megabytes(keptPictureBytes()));
}

HWND createStandStandIn(HINSTANCE instance) {
    return CreateWindowExW(0, L"Static", L"stand", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, kViewSize.dx, kViewSize.dy,
                           nullptr, nullptr, instance, nullptr);
}

int run(const Text& picture, int neverSeen, int keptSwitches) {
    const GdiplusSession gdiplus;
    if (!gdiplus.started()) {
        std::fprintf(stderr, "GDI+ did not start\n");
        return 1;
    }
    // Four files of the same picture: four Pages, each decoded on its own.
    std::vector<Text> pictures{picture};
    for (const wchar_t* name : {L"quillory-bench-2.jpg", L"quillory-bench-3.jpg", L"quillory-bench-4.jpg"}) {
        pictures.push_back(tempPath(name));
        if (!CopyFileW(wide(picture), wide(pictures.back()), FALSE)) {
            std::fprintf(stderr, "cannot read %ls (run scripts/bench-picture.sh camera)\n", wide(picture));
            return 1;
        }
    }
    WinPlatform& platform = winPlatform();
    StartupFacts app;
    app.instance = GetModuleHandleW(nullptr);
    app.gdiplusActive = true;
    for (const Text& file : pictures) app.album.pages.push_back(filePage(file));
    app.album.settings.PageCount = static_cast<int>(pictures.size());
    // The view's 95 ms slide-in is a fixed wait, not work: left out of every figure.
    app.album.settings.TabStyle &= ~TabAnimate;
    app.albumFile = std::make_unique<AlbumFile>(tempPath(L"quillory-bench.qalbum"), platform.files, platform.codePage,
                                                platform.folders);
    HWND stand = createStandStandIn(app.instance);
    std::printf("%ls (6000 x 4000), view %d x %d, screen %d x %d; cache limits: %zu pictures, %zu MB\n", wide(picture),
                kViewSize.dx, kViewSize.dy, PagePainter::virtualScreenSize().dx, PagePainter::virtualScreenSize().dy,
                kPictureCacheLimits.pictures, kPictureCacheLimits.bytes >> 20);
    printMemory("at start:");
    std::vector<double> oldWay, newWay;
    for (int i = 0; i < neverSeen; ++i) {
        oldWay.push_back(decodeTheOldWay(pictures[static_cast<std::size_t>(i) % pictures.size()]));
        newWay.push_back(decodeTheNewWay(pictures[static_cast<std::size_t>(i) % pictures.size()]));
    }
    std::printf("decoded and composed for the view, old way (GDI+, whole): %7.1f ms; new way: %7.1f ms; %.1fx faster\n",
                average(oldWay), average(newWay), average(oldWay) / average(newWay));
    printMemory("after the decodes:");
    {
        Switcher switcher(app, stand);
        std::vector<double> unseen;
        for (int i = 0; i < neverSeen; ++i) {
            forgetKeptPictures();
            unseen.push_back(switcher.switchTo(i % 2));
        }
        std::printf("switch to a never-seen Page:     %7.1f ms on average (%d switches; old way decode alone %.1f ms)\n",
                    average(unseen), neverSeen, average(oldWay));
        forgetKeptPictures();
        for (int round = 1; round <= 2; ++round) {
            std::printf("four Pages, round %d:", round);
            for (int page = 0; page < 4; ++page) std::printf(" %7.1f ms", switcher.switchTo(page));
            std::printf("\n");
        }
        printMemory("after four Pages twice round:");
        const Figures kept = measure(switcher, keptSwitches);
        std::printf("two kept Pages back and forth:    %7.1f ms per switch, slowest %7.1f ms (%d switches)\n", kept.average,
                    kept.slowest, keptSwitches);
        std::printf("  tear-down and save %7.1f ms, creation and picture %7.1f ms, showing and painting %7.1f ms\n",
                    kept.parts.teardown, kept.parts.creation, kept.parts.painting);
        printMemory("after the switches with kept pictures:");
    }
    DestroyWindow(stand);  // as when the stand closes: the kept pictures go with it
    forgetKeptPictures();
    printMemory("after the stand closed:");
    for (std::size_t i = 1; i < pictures.size(); ++i) DeleteFileW(wide(pictures[i]));
    DeleteFileW(wide(app.albumFile->path()));
    return 0;
}

}  // namespace
}  // namespace quillory

int wmain(int argc, wchar_t** argv) {
    const wchar_t* picture = argc > 1 ? argv[1] : L"Z:\\var\\tmp\\quillory-bench\\camera-6000x4000.jpg";
    const int neverSeen = argc > 2 ? std::wcstol(argv[2], nullptr, 10) : 4;
    const int keptSwitches = argc > 3 ? std::wcstol(argv[3], nullptr, 10) : 100;
    return quillory::run(quillory::fromWide(picture), std::max(neverSeen, 1), std::max(keptSwitches, 3));
}
