// Starts the program on an album of one Page that shows a 24-megapixel camera JPEG, and on one
// that shows a 3-megapixel picture, in turns, and times from the process's start to what a
// person sees: the stand with its Page's background, and the picture painted over it. The
// background is magenta, which neither picture has, and the view's middle is watched on the
// screen; the picture counts as painted from the first look of the middle that lasts until the
// end of the watch.
//
//   scripts/bench-picture.sh camera   (makes camera-6000x4000.jpg and small-2000x1500.jpg)
//   wine start_up_bench_win.exe [large picture] [small picture] [rounds] [program]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <optional>
#include <string>
#include <vector>

#include "bench_support_win.h"

namespace quillory {
namespace {

constexpr COLORREF kBackground = RGB(255, 0, 255);
constexpr double kWatchMilliseconds = 4000;
constexpr int kPatch = 8;

struct Look {
    double milliseconds = 0;
    int red = 0, green = 0, blue = 0;
};

bool looksAlike(const Look& a, const Look& b) {
    return std::abs(a.red - b.red) < 12 && std::abs(a.green - b.green) < 12 && std::abs(a.blue - b.blue) < 12;
}

bool isBackground(const Look& look) {
    return looksAlike(look, {0, GetRValue(kBackground), GetGValue(kBackground), GetBValue(kBackground)});
}

// The mean colour of the screen's `kPatch` square at `corner`.
Look lookAt(POINT corner, double milliseconds) {
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), kPatch, -kPatch, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    Look look{milliseconds};
    if (bitmap != nullptr) {
        HGDIOBJ previous = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, kPatch, kPatch, screen, corner.x, corner.y, SRCCOPY);
        GdiFlush();
        const auto* pixels = static_cast<const std::uint8_t*>(bits);
        for (int i = 0; i < kPatch * kPatch; ++i) {
            look.blue += pixels[4 * i];
            look.green += pixels[4 * i + 1];
            look.red += pixels[4 * i + 2];
        }
        look.red /= kPatch * kPatch;
        look.green /= kPatch * kPatch;
        look.blue /= kPatch * kPatch;
        SelectObject(memory, previous);
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return look;
}

struct Search {
    DWORD process = 0;
    HWND stand = nullptr;
};

// The process's stand once it is shown: a visible top-level window with a tab control.
HWND shownStandOf(DWORD process) {
    Search search{process};
    EnumWindows(
        [](HWND window, LPARAM parameter) -> BOOL {
            auto& found = *reinterpret_cast<Search*>(parameter);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner != found.process || !IsWindowVisible(window)) return TRUE;
            if (FindWindowExW(window, nullptr, L"SysTabControl32", nullptr) == nullptr) return TRUE;
            found.stand = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.stand;
}

// The PageView: the stand's child dialog.
HWND pageViewOf(HWND stand) { return FindWindowExW(stand, nullptr, L"#32770", nullptr); }

bool writeAlbum(const std::wstring& path, const std::wstring& picture) {
    const std::wstring text = L";Quillory\r\n\r\n[Quillory]\r\nPageCount=1\r\nTabStyle=65536\r\nxPosi=40\r\nyPosi=40\r\n"
                              L"xSize=1000\r\nySize=700\r\n\r\n[Page1]\r\nPageVer=100\r\nLabel=bench\r\nFile=" +
                              picture + L"\r\nPhotoFlag=0\r\nFontColorBk=" + std::to_wstring(kBackground) +
                              L"\r\nFontColorBk2=" + std::to_wstring(kBackground) + L"\r\n";
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    const wchar_t mark = 0xFEFF;
    DWORD written = 0;
    const bool done = WriteFile(file, &mark, sizeof mark, &written, nullptr) &&
                      WriteFile(file, text.data(), static_cast<DWORD>(text.size() * sizeof(wchar_t)), &written, nullptr);
    CloseHandle(file);
    return done;
}

// From the process's start: the stand shown with the background in the view's middle, and the
// picture painted there; negative when never seen.
struct StartUp {
    double background = -1;
    double picture = -1;
};

StartUp watchStartUp(const DWORD process, const SteadyClock::time_point start) {
    HWND stand = nullptr;
    std::optional<POINT> middle;
    std::vector<Look> looks;
    StartUp seen;
    while (millisecondsSince(start) < kWatchMilliseconds) {
        if (stand == nullptr) stand = shownStandOf(process);
        HWND view = stand != nullptr ? pageViewOf(stand) : nullptr;
        if (!middle && view != nullptr && IsWindowVisible(view)) {
            RECT frame{};
            GetWindowRect(view, &frame);
            middle = POINT{(frame.left + frame.right - kPatch) / 2, (frame.top + frame.bottom - kPatch) / 2};
        }
        if (middle) {
            looks.push_back(lookAt(*middle, millisecondsSince(start)));
            if (seen.background < 0 && isBackground(looks.back())) seen.background = looks.back().milliseconds;
        }
        Sleep(2);
    }
    if (looks.empty() || isBackground(looks.back())) return seen;
    std::size_t first = looks.size() - 1;
    while (first > 0 && looksAlike(looks[first - 1], looks.back())) --first;
    seen.picture = looks[first].milliseconds;
    return seen;
}

std::optional<StartUp> startUp(const std::wstring& program, const std::wstring& album) {
    std::wstring commandLine = L"\"" + program + L"\" \"" + album + L"\"";
    STARTUPINFOW startup{sizeof(startup)};
    PROCESS_INFORMATION process{};
    const SteadyClock::time_point start = SteadyClock::now();
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        return std::nullopt;
    }
    const StartUp seen = watchStartUp(process.dwProcessId, start);
    if (HWND stand = shownStandOf(process.dwProcessId)) PostMessageW(stand, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return seen;
}

std::wstring programBesideBenches() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    for (int up = 0; up < 3; ++up) folder = folder.substr(0, folder.find_last_of(L'\\'));  // bench\win\x.exe
    return folder + L"\\quillory.exe";
}

double median(std::vector<double> values) {
    if (values.empty()) return -1;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

int run(const std::wstring& program, const std::wstring& large, const std::wstring& small, int rounds) {
    const Text temp = tempPath(L"");
    const std::wstring albums[] = {std::wstring(wide(temp)) + L"quillory-start-large.qalbum",
                                   std::wstring(wide(temp)) + L"quillory-start-small.qalbum"};
    if (!writeAlbum(albums[0], large) || !writeAlbum(albums[1], small)) {
        std::fprintf(stderr, "cannot write the albums\n");
        return 1;
    }
    std::vector<double> background[2], picture[2];
    for (int round = 0; round < rounds; ++round) {
        for (int which = 0; which < 2; ++which) {
            const std::optional<StartUp> seen = startUp(program, albums[which]);
            if (!seen || seen->picture < 0) {
                std::fprintf(stderr, "%ls: the picture was not seen (run scripts/bench-picture.sh camera)\n", albums[which].c_str());
                return 1;
            }
            std::printf("round %d, %s picture: background %7.1f ms, picture %7.1f ms\n", round + 1, which == 0 ? "24-MP" : " 3-MP",
                        seen->background, seen->picture);
            if (seen->background >= 0) background[which].push_back(seen->background);
            picture[which].push_back(seen->picture);
        }
    }
    std::printf("medians of %d starts of %ls; stand 1000 x 700\n", rounds, program.c_str());
    std::printf("24-MP (%ls): background %7.1f ms, picture %7.1f ms\n", large.c_str(), median(background[0]), median(picture[0]));
    std::printf(" 3-MP (%ls): background %7.1f ms, picture %7.1f ms\n", small.c_str(), median(background[1]), median(picture[1]));
    std::printf("the 24-MP picture is painted %.2f times as late as the 3-MP one\n", median(picture[0]) / median(picture[1]));
    for (const std::wstring& album : albums) DeleteFileW(album.c_str());
    return 0;
}

}  // namespace
}  // namespace quillory

int wmain(int argc, wchar_t** argv) {
    const wchar_t* large = argc > 1 ? argv[1] : L"Z:\\var\\tmp\\quillory-bench\\camera-6000x4000.jpg";
    const wchar_t* small = argc > 2 ? argv[2] : L"Z:\\var\\tmp\\quillory-bench\\small-2000x1500.jpg";
    const int rounds = argc > 3 ? std::wcstol(argv[3], nullptr, 10) : 5;
    const std::wstring program = argc > 4 ? argv[4] : quillory::programBesideBenches();
    return quillory::run(program, large, small, std::max(rounds, 1));
}
