// Starts the program's album load (read the file, parse it, load the settings, the DefaultPage
// and the Pages) on generated albums that hand-editing or years of use could make, and prints
// each time beside two peers measured on the same bytes in the same run: the floor, reading the
// file and splitting its text into lines; and, for the section of 100,000 keys, the duplicate-key
// check the loader used before (a 512-bit key filter, and a rescan of the section whenever the
// filter says "maybe"), kept here alone.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "album/album_file.h"
#include "base/std_platform.h"

namespace {

using Clock = std::chrono::steady_clock;

template <typename Run>
double medianMilliseconds(int runs, Run run) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const Clock::time_point start = Clock::now();
        run();
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void appendLine(std::u16string& text, const std::string& line) {
    text.append(line.begin(), line.end());
    text += u"\r\n";
}

// A Page section as the program writes it.
void appendPage(std::u16string& text, int number) {
    const std::string n = std::to_string(number);
    appendLine(text, "");
    appendLine(text, "[Page" + n + "]");
    const std::vector<std::string> lines{"PageVer=100", "Comment000=Page" + n + " comment", "Comment=1", "Flag=0",
                                         "FontName=MS UI Gothic", "FontSize=13", "FontStyle=1", "FontColor=8224",
                                         "FontColorBk=15263976", "FontColor2=15263976", "FontColorBk2=15263976",
                                         "FontAlpha=192", "File=%Pictures%holiday\\picture" + n + ".jpg", "FileNum=1",
                                         "FolderFileNo=0", "PhotoFlag=65728"};
    for (const std::string& line : lines) appendLine(text, line);
    appendLine(text, "Label=Page" + n);
}

std::u16string albumStart(int pageCount) {
    std::u16string text = u";Quillory\r\n";
    appendLine(text, "");
    appendLine(text, "[Quillory]");
    appendLine(text, "TabStyle=78080");
    appendLine(text, "PageCount=" + std::to_string(pageCount));
    return text;
}

// Five Pages, then a section of `keys` keys the program does not know.
std::u16string albumWithBigSection(int keys) {
    std::u16string text = albumStart(5);
    for (int page = 1; page <= 5; ++page) appendPage(text, page);
    appendLine(text, "");
    appendLine(text, "[Notes]");
    for (int key = 0; key < keys; ++key) appendLine(text, "Note" + std::to_string(key) + "=kept as it is " + std::to_string(key));
    return text;
}

std::u16string albumOfPages(int pages) {
    std::u16string text = albumStart(pages);
    for (int page = 1; page <= pages; ++page) appendPage(text, page);
    return text;
}

void writeUnicodeFile(const std::string& path, const std::u16string& text) {
    std::string bytes("\xFF\xFE");
    for (const char16_t unit : text) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    std::ofstream(path, std::ios::binary) << bytes;
}

// The floor: the file read and its text split into lines, and nothing more.
std::size_t readAndSplit(quillory::FileSystem& files, const quillory::Text& path) {
    const auto bytes = files.readFile(path);
    std::u16string text(bytes->size() / 2, u'\0');
    std::memcpy(text.data(), bytes->data(), text.size() * 2);
    std::size_t lines = 0;
    for (std::size_t at = 0; (at = text.find(u'\n', at)) != std::u16string::npos; ++at) ++lines;
    return lines;
}

std::uint64_t foldedHash(std::u16string_view name) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const char16_t c : name) hash = (hash ^ (c & ~0x20u)) * 1099511628211ull;
    return hash;
}

// The loader's former check of every key line against the keys before it in its section.
bool formerDuplicateCheck(const std::u16string& text) {
    struct Key {
        std::u16string_view name;
        std::uint64_t hash;
    };
    std::vector<Key> section;
    std::uint64_t bits[8] = {};
    bool unique = true;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find(u"\r\n", start);
        if (end == std::u16string::npos) end = text.size();
        const std::u16string_view line(text.data() + start, end - start);
        start = end + 2;
        if (!line.empty() && line.front() == u'[') {
            section.clear();
            std::fill(std::begin(bits), std::end(bits), 0);
            unique = true;
            continue;
        }
        const std::size_t equals = line.find(u'=');
        if (equals == std::u16string_view::npos) continue;
        const Key key{line.substr(0, equals), foldedHash(line.substr(0, equals))};
        std::uint64_t& word = bits[key.hash >> 61];
        const std::uint64_t bit = 1ull << ((key.hash >> 55) & 63);
        if ((word & bit) != 0 && unique) {
            for (const Key& before : section) {
                if (before.hash == key.hash && before.name == key.name) unique = false;
            }
        }
        word |= bit;
        section.push_back(key);
    }
    return unique;
}

struct Case {
    const char* name;
    std::u16string text;
    bool measureFormer;
};

}  // namespace

int main(int argc, char** argv) {
    const std::string folder = argc > 1 ? argv[1] : "/var/tmp/quillory-bench/albums";
    std::filesystem::create_directories(folder);
    std::vector<Case> cases;
    cases.push_back({"one section of 100,000 keys", albumWithBigSection(100000), true});
    cases.push_back({"80,000 Pages (the first 1000 load)", albumOfPages(80000), false});
    cases.push_back({"one section of 800,000 keys", albumWithBigSection(800000), false});

    quillory::StdFileSystem files;
    quillory::Latin1CodePage codePage;
    quillory::NoSpecialFolders folders;
    constexpr int kRuns = 5;
    for (const Case& bench : cases) {
        const std::string path = folder + "/album.qalbum";
        writeUnicodeFile(path, bench.text);
        const quillory::Text albumPath = quillory::textFromUtf8(path);
        std::size_t pages = 0;
        const double load = medianMilliseconds(kRuns, [&] {
            quillory::AlbumFile file(albumPath, files, codePage, folders);
            quillory::Album album;
            file.startAlbum(album);
            pages = album.pages.size();
        });
        std::size_t lines = 0;
        const double floor = medianMilliseconds(kRuns, [&] { lines = readAndSplit(files, albumPath); });
        std::printf("%s: %.1f MB, %zu lines, %zu Pages loaded\n", bench.name, bench.text.size() * 2 / 1e6, lines, pages);
        std::printf("  quillory startAlbum:                 %9.1f ms  (median of %d)\n", load, kRuns);
        std::printf("  floor, read and split into lines:    %9.1f ms  (median of %d)  %6.1fx quillory\n", floor, kRuns, floor / load);
        if (bench.measureFormer) {
            bool unique = false;
            const double former = medianMilliseconds(1, [&] { unique = formerDuplicateCheck(bench.text); });
            std::printf("  former duplicate-key check alone:    %9.1f ms  (one run)       %6.1fx quillory%s\n", former, former / load,
                        unique ? "" : " (found a duplicate)");
        }
    }
    std::filesystem::remove(folder + "/album.qalbum");
    return 0;
}
