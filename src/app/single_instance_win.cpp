#include "app/single_instance_win.h"

#include "app/album_location.h"
#include "base/debug_trace_win.h"
#include "base/wide_win.h"

namespace quillory {

namespace {

constexpr wchar_t kAlbumProperty[] = L"Quillory.Album";
// Long enough for a first start that is still loading its album to show its window; a start
// that outlasts it leaves the second one ending without a window rather than waiting on.
constexpr DWORD kHandOverWait = 10000;
constexpr DWORD kHandOverPoll = 50;

static_assert(sizeof(HANDLE) >= sizeof(std::uint64_t), "the key's hash is kept as a window property");

// GetLongPathNameW on a path with its extended-length spelling; nothing when the path is not there.
std::optional<Text> longPathName(const Text& path) {
    const Text asked = extendedLengthPath(path);
    Text longer(32768, u'\0');
    const DWORD length = GetLongPathNameW(wide(asked), wide(longer), static_cast<DWORD>(longer.size()));
    if (length == 0 || length >= longer.size()) return std::nullopt;
    longer.resize(length);
    return withoutExtendedPrefix(longer);
}

// A file that is not there yet (a new album) is spelt by its folder's long name.
Text longSpelling(const Text& fullPath) {
    if (std::optional<Text> whole = longPathName(fullPath)) return *whole;
    const std::size_t slash = fullPath.rfind(u'\\');
    if (slash == Text::npos) return fullPath;
    const std::optional<Text> folder = longPathName(fullPath.substr(0, slash + 1));
    return folder ? (endsWith(*folder, u"\\") ? *folder : *folder + u'\\') + fullPath.substr(slash + 1) : fullPath;
}

// The file system compares names without case, by the system's upper-case table.
Text caseFolded(Text path) {
    if (!path.empty()) CharUpperBuffW(wide(path), static_cast<DWORD>(path.size()));
    return path;
}

HANDLE handleOf(std::uint64_t hash) { return reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(hash)); }

struct Search {
    HANDLE mark;
    HWND found = nullptr;
};

BOOL CALLBACK matchMark(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<Search*>(context);
    if (GetPropW(window, kAlbumProperty) != search->mark) return TRUE;
    search->found = window;
    return FALSE;
}

HWND albumWindow(const AlbumKey& key) {
    Search search{handleOf(key.hash)};
    EnumWindows(matchMark, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void bringForward(HWND window) {
    if (IsIconic(window)) {
        OpenIcon(window);
    } else {
        BringWindowToTop(window);
        SetForegroundWindow(window);
        SetActiveWindow(window);
    }
}

}  // namespace

AlbumKey albumKeyForFile(const Text& fullPath) {
    return albumKeyOf(caseFolded(longSpelling(fullPath)));
}

std::optional<AlbumLock> claimAlbum(const AlbumKey& key) {
    AlbumLock lock(CreateMutexW(nullptr, TRUE, wide(key.lockName)));
    if (!lock) {
        traceFailure(L"CreateMutexW for the album (shown unchecked)", GetLastError());
        return AlbumLock();
    }
    if (GetLastError() != ERROR_ALREADY_EXISTS) return lock;
    // Another process holds the album: it shows it, is still starting, or is just ending.
    const DWORD start = GetTickCount();
    do {
        if (HWND window = albumWindow(key)) {
            bringForward(window);
            return std::nullopt;
        }
        const DWORD waited = WaitForSingleObject(lock.get(), kHandOverPoll);
        if (waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED) return lock;
    } while (GetTickCount() - start < kHandOverWait);
    return std::nullopt;
}

void markAlbumWindow(HWND stand, const AlbumKey& key) {
    SetPropW(stand, kAlbumProperty, handleOf(key.hash));
}

void unmarkAlbumWindow(HWND stand) {
    RemovePropW(stand, kAlbumProperty);
}

}  // namespace quillory
