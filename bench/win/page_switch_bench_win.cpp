// Switches between two Pages that show 24-megapixel JPEGs, as the stand does on a tab change:
// the PageView destroyed (saving its Page), a new one created, placed and painted. Times each
// switch from the command to the painted view with the kept pictures beside the direct way
// (every switch decodes again), and prints the memory the process holds after many switches.
//
//   scripts/bench-picture.sh   (makes /var/tmp/quillory-bench/page-6000x4000.jpg)
//   wine page_switch_bench_win.exe [picture] [direct switches] [kept switches]
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <vector>

#include "bench_support_win.h"
#include "app/app_state_win.h"
#include "base/wide_win.h"
#include "base/win_platform_win.h"
#include "draw/gdiplus_win.h"
#include "resource.h"
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
    Switcher(App& app, HWND stand) : app_(app), stand_(stand) {}
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
        view_ = createPageView(app_, stand_, host_);
        if (view_ == nullptr) return -1;
        MoveWindow(view_, 0, 0, kViewSize.dx, kViewSize.dy, FALSE);
        SendMessageW(view_, WM_COMMAND, IDM_VIEW_LAYOUT, 0);
        const SteadyClock::time_point placed = SteadyClock::now();
        pumpMessages();  // the view shows itself
        UpdateWindow(view_);
        GdiFlush();
        last = {millisecondsBetween(start, created), millisecondsBetween(created, placed), millisecondsSince(placed)};
        return millisecondsSince(start);
    }

    // The bench's view takes no input.
    struct QuietHost final : PageViewHost {
        void holdAndStop() override {}
        void actionDone() override {}
        void openMenu(POINT) override {}
        void openPageSettings() override {}
        void showDropped(const Text&, bool) override {}
        void addDroppedPage(const Text&) override {}
        void stepFolder(StepDirection, StepModifiers) override {}
        void lookChanged() override {}
        void folderRelisted(const FolderPlace&) override {}
    };
    QuietHost host_;

    Parts last;

private:
    App& app_;
    HWND stand_;
    HWND view_ = nullptr;
};

struct Figures {
    double first = 0, average = 0, slowest = 0;
    Switcher::Parts parts;  // averages, as the total
};

Figures measure(Switcher& switcher, int switches, bool keepPictures) {
    Figures figures;
    std::vector<double> times;
    for (int i = 0; i < switches; ++i) {
        if (!keepPictures) forgetKeptPictures();
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

int run(const Text& picture, int directSwitches, int keptSwitches) {
    const GdiplusSession gdiplus;
    if (!gdiplus.started()) {
        std::fprintf(stderr, "GDI+ did not start\n");
        return 1;
    }
    const Text second = tempPath(L"quillory-bench-second.jpg");
    if (!CopyFileW(wide(picture), wide(second), FALSE)) {
        std::fprintf(stderr, "cannot read %ls (run scripts/bench-picture.sh)\n", wide(picture));
        return 1;
    }
    WinPlatform& platform = winPlatform();
    App app;
    app.instance = GetModuleHandleW(nullptr);
    app.gdiplusActive = true;
    app.album.pages = {filePage(picture), filePage(second)};
    app.album.settings.PageCount = 2;
    // The view's 95 ms slide-in is a fixed wait, not work: left out of both figures.
    app.album.settings.TabStyle &= ~TabAnimate;
    app.albumFile = std::make_unique<AlbumFile>(tempPath(L"quillory-bench.qalbum"), platform.files, platform.codePage,
                                                platform.folders);
    HWND stand = createStandStandIn(app.instance);
    app.standWindow = stand;
    printMemory("at start:");
    {
        Switcher switcher(app, stand);
        const Figures direct = measure(switcher, directSwitches, /*keepPictures=*/false);
        printMemory("after the direct switches:");
        const Figures kept = measure(switcher, keptSwitches, /*keepPictures=*/true);
        if (keptPictureCount() != 2) {
            std::fprintf(stderr, "the PageView did not show the pictures\n");
            return 1;
        }
        printMemory("after the switches with kept pictures:");
        std::printf("two Pages of %ls (6000 x 4000), view %d x %d; limits: %zu pictures, %zu MB\n", wide(picture), kViewSize.dx,
                    kViewSize.dy, kPictureCacheLimits.pictures, kPictureCacheLimits.bytes >> 20);
        std::printf("direct (decoding again): %9.1f ms per switch, slowest %9.1f ms (%d switches)\n", direct.average,
                    direct.slowest, directSwitches);
        std::printf("kept pictures:           %9.1f ms per switch back, slowest %9.1f ms (%d switches; first %0.f ms)\n",
                    kept.average, kept.slowest, keptSwitches, kept.first);
        std::printf("a switch back is %.0fx faster with the kept pictures\n", direct.average / kept.average);
        for (const auto& [name, figures] : {std::pair{"direct", direct}, std::pair{"kept", kept}}) {
            std::printf("  %-6s tear-down and save %7.1f ms, creation and picture %9.1f ms, showing and painting %7.1f ms\n",
                        name, figures.parts.teardown, figures.parts.creation, figures.parts.painting);
        }
    }
    app.standWindow = nullptr;  // as when the stand closes: the kept pictures go with it
    DestroyWindow(stand);
    forgetKeptPictures();
    printMemory("after the stand closed:");
    DeleteFileW(wide(second));
    DeleteFileW(wide(app.albumFile->path()));
    return 0;
}

}  // namespace
}  // namespace quillory

int wmain(int argc, wchar_t** argv) {
    const wchar_t* picture = argc > 1 ? argv[1] : L"Z:\\var\\tmp\\quillory-bench\\page-6000x4000.jpg";
    const int directSwitches = argc > 2 ? std::wcstol(argv[2], nullptr, 10) : 4;
    const int keptSwitches = argc > 3 ? std::wcstol(argv[3], nullptr, 10) : 200;
    return quillory::run(quillory::fromWide(picture), std::max(directSwitches, 3), std::max(keptSwitches, 3));
}
