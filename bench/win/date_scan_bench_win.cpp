// Orders the 5000-picture benchmark folder by shooting date through the Win32 file system with
// the program's own reader, beside the system decoder's way of reading the same tag: opening
// each picture as a GDI+ bitmap and asking for its DateTimeOriginal item. Run under Wine:
//   wine date_scan_bench_win.exe [FOLDER\]   (default Z:\var\tmp\quillory-bench\dates\)
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "album/album.h"
#include "base/wide_win.h"
#include "draw/gdiplus_win.h"
#include "view/folder_scan_win.h"

namespace quillory {
namespace {

using SteadyClock = std::chrono::steady_clock;

double millisecondsSince(SteadyClock::time_point start) {
    return std::chrono::duration<double, std::milli>(SteadyClock::now() - start).count();
}

// The picture opened as a bitmap, and whether it reports a DateTimeOriginal item.
bool decoderHasDate(const Text& path) {
    gp::GpBitmap* bitmap = nullptr;
    if (gpflat::GdipCreateBitmapFromFile(wide(path), &bitmap) != gp::Ok) return false;
    const ImageOwner owner(bitmap);
    UINT size = 0;
    return gpflat::GdipGetPropertyItemSize(bitmap, 0x9003, &size) == gp::Ok && size != 0;
}

int run(const Text& folder) {
    const GdiplusSession session;
    Album album;
    album.settings.TabStyle = TabSortByDate;
    std::vector<double> ours;
    int count = 0;
    for (int i = 0; i < 3; ++i) {
        const SteadyClock::time_point start = SteadyClock::now();
        count = scanFolderOnDisk(album, true, folder, true);
        ours.push_back(millisecondsSince(start));
    }
    std::sort(ours.begin(), ours.end());
    if (count == 0) {
        std::fprintf(stderr, "no pictures in the folder; make it with scripts/make_bench_folder.py\n");
        return 1;
    }
    std::vector<Text> paths;
    for (int i = 0; i < count; ++i) paths.push_back(folderList().entries[static_cast<std::size_t>(i)].path);

    int dated = 0;
    const SteadyClock::time_point start = SteadyClock::now();
    for (const Text& path : paths) dated += decoderHasDate(path) ? 1 : 0;
    const double decoder = millisecondsSince(start);

    std::printf("pictures: %d; the decoder reported a date for %d\n", count, dated);
    std::printf("quillory scanFolder by date (WinFileSystem):   %9.1f ms (median of 3)\n", ours[1]);
    std::printf("GDI+ bitmap per picture + item 0x9003 size:    %9.1f ms (one run)  %6.1fx quillory\n", decoder, decoder / ours[1]);
    return 0;
}

}  // namespace
}  // namespace quillory

int wmain(int argc, wchar_t** argv) {
    const quillory::Text folder = argc > 1 ? quillory::fromWide(argv[1]) : quillory::Text(u"Z:\\var\\tmp\\quillory-bench\\dates\\");
    return quillory::run(folder);
}
