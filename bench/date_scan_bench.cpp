// Orders a folder of 5000 JPEGs by shooting date with the program's own scan, and reads the same
// tag from the same files with libexiv2 (in process) and with `exiftool -fast` (a process over
// the whole folder). Prints the three times and the ratios. The folder is made once by
// scripts/make_bench_folder.py.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <exiv2/exiv2.hpp>

#include "base/std_platform.h"
#include "view/folder_scan.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kRuns = 5;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The median of several runs; the first run of each reader also warms the file cache.
template <typename Run>
double medianOf(int runs, Run run) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const Clock::time_point start = Clock::now();
        run();
        times.push_back(millisecondsSince(start));
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

std::vector<std::string> picturesIn(const std::string& folder) {
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().extension() == ".jpg") files.push_back(entry.path().string());
    }
    return files;
}

int exiv2DatesRead(const std::vector<std::string>& files) {
    int found = 0;
    for (const std::string& file : files) {
        try {
            auto image = Exiv2::ImageFactory::open(file);
            image->readMetadata();
            const Exiv2::ExifData& exif = image->exifData();
            const auto date = exif.findKey(Exiv2::ExifKey("Exif.Photo.DateTimeOriginal"));
            if (date != exif.end() && !date->toString().empty()) ++found;
        } catch (const Exiv2::AnyError&) {
        }
    }
    return found;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string folder = argc > 1 ? argv[1] : "/var/tmp/quillory-bench/dates";
    const std::vector<std::string> files = picturesIn(folder);
    if (files.size() != 5000) {
        std::fprintf(stderr, "%s holds %zu pictures; make it with scripts/make_bench_folder.py %s\n", folder.c_str(), files.size(), folder.c_str());
        return 1;
    }

    quillory::StdFileSystem fileSystem;
    const auto list = std::make_unique<quillory::FolderList>();
    const quillory::FolderScanContext context{fileSystem, true, true, {}};
    const quillory::Text path = quillory::textFromUtf8(folder + "/");
    int scanned = 0;
    const double ours = medianOf(kRuns, [&] { scanned = quillory::scanFolder(context, path, true, *list); });
    const bool ordered = std::is_sorted(list->entries.begin(), list->entries.begin() + scanned,
                                        [](const auto& a, const auto& b) { return a.shootingTime < b.shootingTime; });
    const long dated = std::count_if(list->entries.begin(), list->entries.begin() + scanned, [](const auto& e) { return e.shootingTime != 0; });

    // The same scan by name opens no file: the part of the date scan that is listing and sorting.
    const quillory::FolderScanContext byName{fileSystem, true, false, {}};
    const double listing = medianOf(kRuns, [&] { quillory::scanFolder(byName, path, true, *list); });

    int exiv2Found = 0;
    const double exiv2 = medianOf(kRuns, [&] { exiv2Found = exiv2DatesRead(files); });

    const std::string command = "exiftool -fast -q -q -s3 -DateTimeOriginal -ext jpg '" + folder + "' > /dev/null";
    // The two readers before it have warmed the file cache.
    int exiftoolStatus = 0;
    const double exiftool = medianOf(1, [&] { exiftoolStatus = std::system(command.c_str()); });

    std::printf("pictures: %d scanned, %ld dated, %s; libexiv2 found %d dates; exiftool status %d\n", scanned, dated,
                ordered ? "in date order" : "NOT IN DATE ORDER", exiv2Found, exiftoolStatus);
    std::printf("quillory scanFolder by date (list, read dates, sort): %9.1f ms  (median of %d)\n", ours, kRuns);
    std::printf("  of which listing and sorting (the scan by name):    %9.1f ms  (median of %d)\n", listing, kRuns);
    std::printf("libexiv2 %-8s DateTimeOriginal only:            %9.1f ms  (median of %d)  %6.1fx quillory\n", Exiv2::version(), exiv2, kRuns, exiv2 / ours);
    std::printf("exiftool -fast DateTimeOriginal only:                 %9.1f ms  (one run)       %6.1fx quillory\n", exiftool, exiftool / ours);
    return 0;
}
