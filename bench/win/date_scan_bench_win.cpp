// Orders the 5000-picture benchmark folder by shooting date with the scan quillory.exe runs,
// beside two measures over the same files in the same run:
//   - the system's way of reading the date: the Windows Imaging Component's decoder and its
//     metadata query reader, asked for DateTimeOriginal;
//   - the floor: opening each file, one small read, closing it, which any reader must pay.
// Each prints how many dates it found. Run under Wine:
//   wine date_scan_bench_win.exe [FOLDER\]   (default Z:\var\tmp\quillory-bench\dates\)
#include <memory>
#include <windows.h>
#include <wincodec.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "bench_support_win.h"
#include "album/album.h"
#include "base/wide_win.h"
#include "view/folder_scan_win.h"

namespace quillory {
namespace {

constexpr int kRuns = 5;

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

template <typename Interface>
struct ComReleaser {
    void operator()(Interface* object) const { object->Release(); }
};
template <typename Interface>
using ComOwner = std::unique_ptr<Interface, ComReleaser<Interface>>;

template <typename Interface>
ComOwner<Interface> owned(Interface* object) {
    return ComOwner<Interface>(object);
}

// The imaging component's decoder of one picture, asked for its DateTimeOriginal: S_OK with a
// date, S_FALSE without, or the failure of the step that failed.
HRESULT imagingComponentDate(IWICImagingFactory& factory, const Text& path) {
    IWICBitmapDecoder* decoder = nullptr;
    HRESULT result = factory.CreateDecoderFromFilename(wide(path), nullptr, GENERIC_READ, WICDecodeMetadataCacheOnDemand, &decoder);
    if (FAILED(result)) return result;
    const auto decoderOwner = owned(decoder);
    IWICBitmapFrameDecode* frame = nullptr;
    if (FAILED(result = decoder->GetFrame(0, &frame))) return result;
    const auto frameOwner = owned(frame);
    IWICMetadataQueryReader* query = nullptr;
    if (FAILED(result = frame->GetMetadataQueryReader(&query))) return result;
    const auto queryOwner = owned(query);
    PROPVARIANT value;
    PropVariantInit(&value);
    result = query->GetMetadataByName(L"/app1/ifd/exif/{ushort=36867}", &value);
    if (SUCCEEDED(result)) result = value.vt == VT_LPSTR ? S_OK : S_FALSE;
    PropVariantClear(&value);
    return result;
}

// What every reader pays per file: open, one small read, close. Counts the files read.
int openReadClose(const std::vector<Text>& paths) {
    int read = 0;
    for (const Text& path : paths) {
        const HANDLE file = CreateFileW(wide(path), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) continue;
        BYTE head[1024];
        DWORD got = 0;
        read += ReadFile(file, head, sizeof head, &got, nullptr) && got > 0 ? 1 : 0;
        CloseHandle(file);
    }
    return read;
}

int run(const Text& folder) {
    Album album;
    album.settings.TabStyle = TabSortByDate;
    const auto list = std::make_unique<FolderList>();
    const int count = scanFolderOnDisk(album, true, folder, true, *list);  // also warms the file cache
    if (count == 0) {
        std::fprintf(stderr, "no pictures in the folder; make it with scripts/make_bench_folder.py\n");
        return 1;
    }
    std::vector<Text> paths;
    int dated = 0;
    for (int i = 0; i < count; ++i) {
        const FolderEntry& entry = list->entries[static_cast<std::size_t>(i)];
        paths.push_back(entry.path);
        dated += entry.shootingTime != 0 ? 1 : 0;
    }

    // The scan and the floor take turns, so a busy machine slows both alike; the scan by name
    // opens no picture: the part of the date scan that is listing and sorting.
    Album byName;
    int opened = 0;
    std::vector<double> ours, floors, listings, ratios;
    for (int i = 0; i < kRuns; ++i) {
        ours.push_back(millisecondsOf([&] { scanFolderOnDisk(album, true, folder, true, *list); }));
        floors.push_back(millisecondsOf([&] { opened = openReadClose(paths); }));
        listings.push_back(millisecondsOf([&] { scanFolderOnDisk(byName, true, folder, true, *list); }));
        ratios.push_back(ours.back() / floors.back());
    }
    const double floor = median(floors);

    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 1;
    IWICImagingFactory* factory = nullptr;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&factory)))) {
        std::fprintf(stderr, "the imaging component is not available\n");
        return 1;
    }
    // It decodes every picture whole, so one run says enough.
    int componentDated = 0;
    HRESULT firstMiss = S_OK;
    const double component = millisecondsOf([&] {
        for (const Text& path : paths) {
            const HRESULT result = imagingComponentDate(*factory, path);
            componentDated += result == S_OK ? 1 : 0;
            if (result != S_OK && firstMiss == S_OK) firstMiss = result;
        }
    });
    factory->Release();
    CoUninitialize();

    std::printf("pictures: %d; dates found: quillory %d, imaging component %d; files read by the floor: %d\n", count, dated, componentDated, opened);
    std::printf("quillory scanFolder by date (list, read dates, sort): %8.1f ms  %5.2fx floor (median of the runs' ratios)\n", median(ours), median(ratios));
    std::printf("  of which listing and sorting (the scan by name):    %8.1f ms\n", median(listings));
    std::printf("imaging component query reader, DateTimeOriginal:    %8.1f ms  %5.2fx floor (one run)\n", component, component / floor);
    if (firstMiss != S_OK) std::printf("  the imaging component's first miss: 0x%08lX\n", static_cast<unsigned long>(firstMiss));
    std::printf("floor: CreateFileW, one 1 KB ReadFile, CloseHandle:   %8.1f ms\n", floor);
    std::printf("(quillory and the floor: medians of %d runs taken in turn)\n", kRuns);
    return 0;
}

}  // namespace
}  // namespace quillory

int wmain(int argc, wchar_t** argv) {
    const quillory::Text folder = argc > 1 ? quillory::fromWide(argv[1]) : quillory::Text(u"Z:\\var\\tmp\\quillory-bench\\dates\\");
    return quillory::run(folder);
}
