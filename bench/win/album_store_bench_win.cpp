// Loading a 200-Page album and the save sequence of adding a Page (every Page with both groups,
// then the main section), once through AlbumFile and once through the system's private-profile
// functions reading and writing the same keys.
#include <windows.h>

#include <cstdio>
#include <functional>

#include "album/album_file.h"
#include "album/page_tabs.h"
#include "album/profile_text.h"
#include "base/format.h"
#include "base/wide_win.h"
#include "base/win_platform_win.h"

namespace {

using namespace quillory;

constexpr int kPages = 200;

double millisecondsOf(const std::function<void()>& work) {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    work();
    QueryPerformanceCounter(&end);
    return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

Album sampleAlbum() {
    Album album;
    album.defaultPage = makeDefaultPage();
    for (int i = 0; i < kPages; ++i) {
        PageSettings page = makeDefaultPage();
        page.Label = formatText(u"旅行 %d", {i + 1});
        page.Comment = formatText(u"%d 日目\r\n海と山", {i + 1});
        page.File = formatText(u"D:\\写真\\%04d\\", {i});
        page.Flag = FlagFolder;
        page.FileNum = 120 + i;
        page.FolderFileNo = i;
        album.pages.push_back(page);
    }
    return album;
}

// The system's functions, reading and writing the keys AlbumFile reads and writes.
class ProfilePeer {
public:
    explicit ProfilePeer(Text path) : path_(std::move(path)) {}

    int readInt(const Text& section, const Text& key, int fallback) {
        return static_cast<int>(GetPrivateProfileIntW(wide(section), wide(key), fallback, wide(path_)));
    }
    Text readString(const Text& section, const Text& key, std::size_t capacity) {
        wchar_t buffer[kHexTwinBuffer];
        GetPrivateProfileStringW(wide(section), wide(key), L"", buffer, static_cast<DWORD>(capacity + 1), wide(path_));
        return fromWide(buffer);
    }
    void write(const Text& section, const Text& key, const Text& value) {
        WritePrivateProfileStringW(wide(section), wide(key), wide(value), wide(path_));
    }
    void writeInt(const Text& section, const Text& key, std::int32_t value) { write(section, key, formatText(u"%d", {value})); }
    void remove(const Text& section, const Text& key) { WritePrivateProfileStringW(wide(section), wide(key), nullptr, wide(path_)); }

    void loadAlbum() {
        for (const char16_t* key : {u"PageCount", u"TabStyle", u"TabNumber", u"xPosi", u"yPosi", u"xSize", u"ySize",
                                    u"LayerWindowLevel", u"TabFontSize", u"SlideStyle", u"SlideInterval"}) {
            sink_ += readInt(u"Quillory", key, 0);
        }
        readProfileText(u"Quillory", u"TabFontName");
        for (int page = 0; page < kPages; ++page) loadPage(formatText(u"Page%d", {page + 1}));
        for (int n = 1; n <= 8; ++n) {
            sink_ += readInt(u"Quillory", formatText(u"HistoryFileNumber%02d", {n}), -1);
            readString(u"Quillory", formatText(u"HistoryFileName%02d", {n}), 259);
        }
    }

    void saveNewPageSequence(const Album& album) {
        for (int page = 0; page < kPages; ++page) savePage(album.pages[static_cast<std::size_t>(page)], formatText(u"Page%d", {page + 1}));
        const AlbumSettings& s = album.settings;
        for (const auto& [key, value] : {std::pair{u"xPosi", s.xPosi}, {u"yPosi", s.yPosi}, {u"xSize", s.xSize}, {u"ySize", s.ySize},
                                         {u"TabStyle", static_cast<std::int32_t>(s.TabStyle)}, {u"TabNumber", pageToTab(album, album.currentPage)},
                                         {u"PageCount", static_cast<std::int32_t>(album.pages.size())}, {u"LayerWindowLevel", std::int32_t{s.LayerWindowLevel}}}) {
            writeInt(u"Quillory", key, value);
        }
        write(u"Quillory", u"TabFontName", s.TabFontName);
        writeInt(u"Quillory", u"TabFontSize", s.TabFontSize);
        writeInt(u"Quillory", u"SlideStyle", static_cast<std::int32_t>(s.SlideStyle));
        writeInt(u"Quillory", u"SlideInterval", s.SlideInterval);
        for (int n = 1; n <= 8; ++n) {
            writeInt(u"Quillory", formatText(u"HistoryFileNumber%02d", {n}), -1);
            write(u"Quillory", formatText(u"HistoryFileName%02d", {n}), u"");
        }
    }

    long long sink() const { return sink_; }

private:
    static constexpr std::size_t kHexTwinBuffer = 520;

    void readProfileText(const Text& section, const Text& key) {
        if (readString(section, key + u"Hex", 519).empty()) readString(section, key, 259);
    }

    void loadPage(const Text& section) {
        sink_ += readInt(section, u"PageVer", 0);
        readString(section, u"Label", 31);
        const int lines = readInt(section, u"Comment", 0);
        for (int line = 0; line < lines; ++line) readString(section, Text(commentLineKey(line)), 259);
        readProfileText(section, u"File");
        for (const char16_t* key : {u"FileNum", u"FolderFileNo", u"Flag", u"PhotoFlag"}) sink_ += readInt(section, key, 0);
        readString(section, u"FontName", 34);
        for (const char16_t* key : {u"FontSize", u"FontStyle", u"FontColor", u"FontColorBk", u"FontColor2", u"FontColorBk2", u"FontAlpha"}) {
            sink_ += readInt(section, key, 0);
        }
    }

    void savePage(const PageSettings& p, const Text& section) {
        writeInt(section, u"PageVer", 100);
        write(section, u"Label", p.Label);
        remove(section, u"LabelHex");
        remove(section, u"Comment");
        int lines = 0;
        TextView rest = p.Comment;
        while (lines < kCommentLineLimit) {
            const std::size_t end = rest.find(u"\r\n");
            write(section, Text(commentLineKey(lines)), Text(rest.substr(0, end)));
            remove(section, Text(commentLineKey(lines)) + u"Hex");
            ++lines;
            if (end == TextView::npos) break;
            rest.remove_prefix(end + 2);
        }
        for (int leftover = lines; leftover < kCommentLineLimit; ++leftover) {
            if (readString(section, Text(commentLineKey(leftover)), 12).empty()) break;
            remove(section, Text(commentLineKey(leftover)));
        }
        writeInt(section, u"Comment", lines);
        writeInt(section, u"Flag", static_cast<std::int32_t>(p.Flag));
        write(section, u"FontName", p.FontName);
        for (const auto& [key, value] : {std::pair{u"FontSize", static_cast<std::int32_t>(p.FontSize)},
                                         {u"FontStyle", static_cast<std::int32_t>(p.FontStyle)},
                                         {u"FontColor", static_cast<std::int32_t>(p.FontColor)},
                                         {u"FontColorBk", static_cast<std::int32_t>(p.FontColorBk)},
                                         {u"FontColor2", static_cast<std::int32_t>(p.FontColor2)},
                                         {u"FontColorBk2", static_cast<std::int32_t>(p.FontColorBk2)},
                                         {u"FontAlpha", static_cast<std::int32_t>(p.FontAlpha)}}) {
            writeInt(section, key, value);
        }
        write(section, u"File", p.File);
        writeInt(section, u"FileNum", p.FileNum);
        writeInt(section, u"FolderFileNo", p.FolderFileNo);
        writeInt(section, u"PhotoFlag", static_cast<std::int32_t>(p.PhotoFlag));
    }

    Text path_;
    long long sink_ = 0;
};

Text benchFolder() {
    wchar_t base[MAX_PATH];
    GetTempPathW(MAX_PATH, base);
    Text folder = fromWide(base) + formatText(u"quillory-album-bench-%u", {static_cast<unsigned>(GetCurrentProcessId())});
    CreateDirectoryW(wide(folder), nullptr);
    return folder;
}

}  // namespace

int wmain() {
    WinPlatform& platform = winPlatform();
    const Text folder = benchFolder();
    const Text ours = folder + u"\\ours.qalbum";
    const Text peer = folder + u"\\peer.qalbum";

    // Both files start as the same 200-Page album, written by AlbumFile.
    const Album sample = sampleAlbum();
    {
        AlbumFile file(ours, platform.files, platform.codePage, platform.folders);
        Album start = sample;
        file.loadAlbum(start);  // makes the new Unicode album
        AlbumFile::Batch batch(file);
        for (int page = 0; page < kPages; ++page) file.savePage(sample, page, kSaveAllGroups);
        file.saveAlbumSettings(sample, false);
    }
    CopyFileW(wide(ours), wide(peer), FALSE);

    AlbumFile file(ours, platform.files, platform.codePage, platform.folders);
    Album loaded;
    const double ourLoad = millisecondsOf([&] {
        loaded.defaultPage = makeDefaultPage();
        file.loadPage(loaded, kDefaultPage, false);
        file.loadAlbum(loaded);
    });
    ProfilePeer profile(peer);
    const double peerLoad = millisecondsOf([&] { profile.loadAlbum(); });

    const double ourSave = millisecondsOf([&] {
        AlbumFile::Batch batch(file);
        for (int page = 0; page < kPages; ++page) file.savePage(loaded, page, kSaveAllGroups);
        file.saveAlbumSettings(loaded, false);
    });
    const double peerSave = millisecondsOf([&] { profile.saveNewPageSequence(loaded); });

    std::printf("album store, %d Pages (pages loaded: %zu, checksum %lld)\n", kPages, loaded.pages.size(), profile.sink());
    std::printf("load:  AlbumFile %8.2f ms   private-profile functions %9.2f ms   ratio %6.1fx\n", ourLoad, peerLoad, peerLoad / ourLoad);
    std::printf("save:  AlbumFile %8.2f ms   private-profile functions %9.2f ms   ratio %6.1fx\n", ourSave, peerSave, peerSave / ourSave);
    std::printf("200-Page save under 50 ms: %s\n", ourSave < 50.0 ? "yes" : "no");

    DeleteFileW(wide(ours));
    DeleteFileW(wide(peer));
    RemoveDirectoryW(wide(folder));
    return 0;
}
