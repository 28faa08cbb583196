// Switches between Pages that show 24-megapixel JPEGs, as the stand does on a tab change: the
// PageView destroyed (saving its Page), a new one created, placed and painted. Measures, in one
// run: a never-seen picture decoded and composed the old way (the whole picture through GDI+)
// beside the program's way (our decoder at a reduced scale, shrunk to the screen), and where the
// time of the program's way goes, step by step; switches to never-seen Pages; four Pages twice
// round (the second round finds every picture kept); two Pages switched back and forth; and the
// memory the process holds after each part. Beside them,
// a PNG of the same picture decoded to plain pixels through GDI+ and through the imaging
// component, the program's decoder for formats other than JPEG.
//
//   scripts/bench-picture.sh camera   (makes /var/tmp/quillory-bench/camera-6000x4000.jpg and .png)
//   wine page_switch_bench_win.exe [picture] [never-seen switches] [kept switches] [png]
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <optional>
#include <vector>

#include <shlwapi.h>

#include "bench_support_win.h"
#include "base/dpi.h"
#include "base/wide_win.h"
#include "base/memory_source.h"
#include "base/win_platform_win.h"
#include "draw/gdiplus_pixels_win.h"
#include "draw/jpeg_decode.h"
#include "draw/kept_size.h"
#include "draw/overlay_text.h"
#include "draw/orientation.h"
#include "draw/shrink.h"
#include "draw/gdiplus_win.h"
#include "draw/wic_pixels_win.h"
#include "photoinfo/property_reader.h"
#include "resource.h"
#include "stand/startup_facts_win.h"
#include "support/quiet_view_host_win.h"
#include "view/page_view_win.h"
#include "view/picture_load_win.h"
#include "view/shown_picture_win.h"

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
        host_.view = view_;
        host_.page = page;
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

    // The bench's view takes no input; a picture that arrives is loaded into it, as the stand does.
    struct ShowingHost final : testing::QuietViewHost {
        void pictureArrived() override {
            loadPicture(view, page, /*rescan=*/false);
            InvalidateRect(view, nullptr, FALSE);
        }
        HWND view = nullptr;
        int page = 0;
    };
    ShowingHost host_;

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
    const SharedPicture picture = decodedPicture(path, FitMode::ShorterSide);
    if (picture->picture.image() == nullptr) return -1;
    picture->painter.prepare(kViewSize, pageSceneOf(makeDefaultPage(), {}, kDefaultDpi), picture->picture, PaintPath::GdiPlus);
    GdiFlush();
    return millisecondsSince(start);
}

// The picture's EXIF thumbnail made to stand in and composed for the view; nothing without one.
std::optional<double> standInComposed(const Text& path) {
    const SteadyClock::time_point start = SteadyClock::now();
    const SharedPicture picture = standInPicture(path, FitMode::ShorterSide);
    if (picture->picture.image() == nullptr) return std::nullopt;
    picture->painter.prepare(kViewSize, pageSceneOf(makeDefaultPage(), {}, kDefaultDpi), picture->picture, PaintPath::GdiPlus);
    GdiFlush();
    return millisecondsSince(start);
}

// Where the time of a never-seen JPEG goes, step by step as the program takes them; each step's
// average over `times` runs.
void printWhereTheTimeGoes(const Text& path, int times) {
    double read = 0, header = 0, decode = 0, shrink = 0, bitmap = 0, info = 0, compose = 0;
    int denominator = 0;
    for (int i = 0; i < times; ++i) {
        SteadyClock::time_point at = SteadyClock::now();
        const auto lap = [&at](double& sum) {
            const SteadyClock::time_point now = SteadyClock::now();
            sum += millisecondsBetween(at, now);
            at = now;
        };
        std::optional<std::vector<std::uint8_t>> bytes = winPlatform().files.readFile(path);
        if (!bytes) return;
        MemorySource file(std::move(*bytes));
        lap(read);
        const UprightTurn turn = uprightTurn(readOrientation(file));
        const std::optional<Size> stored = readJpegSize(file.bytes());
        if (!stored) return;
        const Size target = keptPictureSize(uprightSize(*stored, turn), FitMode::ShorterSide, PagePainter::virtualScreenSize()).value_or(*stored);
        lap(header);
        DecodedJpeg decoded = decodeJpeg(file.bytes(), target, nullptr);
        denominator = decoded.scaleDenominator;
        lap(decode);
        const std::optional<PixelImage> shrunk = shrinkPicture(decoded.picture, target);
        lap(shrink);
        auto picture = std::make_shared<LoadedPicture>();
        picture->picture = PagePicture(bitmapOf(shrunk ? *shrunk : decoded.picture, PixelFormat32bppRGB));
        lap(bitmap);
        const PhotoInfo photo = photoInfoOf(path, makeDefaultPage(), true, {}, {});
        lap(info);
        picture->painter.prepare(kViewSize, pageSceneOf(makeDefaultPage(), overlayTextFor(makeDefaultPage(), photo, {}), kDefaultDpi),
                                 picture->picture, PaintPath::GdiPlus);
        GdiFlush();
        lap(compose);
    }
    const double n = times;
    std::printf("where the time goes: read %.1f, header and orientation %.1f, decode at 1/%d %.1f, shrink %.1f, bitmap %.1f, "
                "photo info %.1f, compose %.1f ms\n",
                read / n, header / n, denominator, decode / n, shrink / n, bitmap / n, info / n, compose / n);
}

// A picture file to plain pixels through GDI+, as the program read formats other than JPEG before
// it had the imaging component; the shrinking that follows either decoder is the same.
double pixelsThroughGdiplus(const std::vector<std::uint8_t>& bytes) {
    const SteadyClock::time_point start = SteadyClock::now();
    IStream* stream = SHCreateMemStream(bytes.data(), static_cast<UINT>(bytes.size()));
    gp::GpBitmap* bitmap = nullptr;
    gpflat::GdipCreateBitmapFromStream(stream, &bitmap);
    stream->Release();
    const ImageOwner image(bitmap);
    return pixelsOf(image.get()) ? millisecondsSince(start) : -1;
}

double pixelsThroughWic(const std::vector<std::uint8_t>& bytes) {
    const SteadyClock::time_point start = SteadyClock::now();
    return decodeWithWic(bytes) ? millisecondsSince(start) : -1;
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

int run(const Text& picture, int neverSeen, int keptSwitches, const Text& png) {
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
    if (standInComposed(picture)) {
        std::vector<double> standIns;
        for (int i = 0; i < neverSeen; ++i) standIns.push_back(standInComposed(pictures[static_cast<std::size_t>(i) % pictures.size()]).value_or(-1));
        std::printf("its EXIF thumbnail standing in, composed for the view: %7.1f ms (%.0fx sooner than the picture)\n", average(standIns),
                    average(newWay) / average(standIns));
    } else {
        std::printf("no EXIF thumbnail to stand in (run scripts/bench-picture.sh camera for one with a thumbnail)\n");
    }
    printMemory("after the decodes:");
    printWhereTheTimeGoes(picture, neverSeen);
    if (const std::optional<std::vector<std::uint8_t>> bytes = winPlatform().files.readFile(png)) {
        std::vector<double> gdiplusWay, wicWay, fitted;
        for (int i = 0; i < neverSeen; ++i) {
            gdiplusWay.push_back(pixelsThroughGdiplus(*bytes));
            wicWay.push_back(pixelsThroughWic(*bytes));
            fitted.push_back(decodeTheNewWay(png));
        }
        std::printf("PNG to plain pixels, GDI+: %7.1f ms; imaging component: %7.1f ms (%.2fx); decoded and composed for the view: %7.1f ms\n",
                    average(gdiplusWay), average(wicWay), average(gdiplusWay) / average(wicWay), average(fitted));
        printMemory("after the PNG decodes:");
    } else {
        std::printf("no PNG at %ls (run scripts/bench-picture.sh camera)\n", wide(png));
    }
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
    const wchar_t* png = argc > 4 ? argv[4] : L"Z:\\var\\tmp\\quillory-bench\\camera-6000x4000.png";
    return quillory::run(quillory::fromWide(picture), std::max(neverSeen, 1), std::max(keptSwitches, 3), quillory::fromWide(png));
}
