#include "base/win_platform_win.h"

#include <windows.h>
#include <shlobj.h>

#include <cstdlib>

#include "base/wide_win.h"

namespace quillory {

namespace {

// Where a read on a file handle starts.
OVERLAPPED filePosition(std::uint64_t offset) {
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(offset);
    at.OffsetHigh = static_cast<DWORD>(offset >> 32);
    return at;
}

class HandleSource final : public ByteSource {
public:
    HandleSource(HANDLE file, std::uint64_t size) : file_(file), size_(size) {}
    ~HandleSource() override { CloseHandle(file_); }
    HandleSource(const HandleSource&) = delete;
    HandleSource& operator=(const HandleSource&) = delete;

    std::uint64_t size() const override { return size_; }
    bool read(std::uint64_t offset, std::span<std::uint8_t> out) override {
        if (offset > size_ || out.size() > size_ - offset) return false;
        std::size_t done = 0;
        while (done < out.size()) {
            const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(out.size() - done, 1u << 30));
            OVERLAPPED at = filePosition(offset + done);
            DWORD got = 0;
            if (!ReadFile(file_, out.data() + done, chunk, &got, &at) || got == 0) return false;
            done += got;
        }
        return true;
    }

private:
    HANDLE file_;
    std::uint64_t size_;
};

std::uint64_t fromFileTime(const FILETIME& time) {
    return (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

bool writeAll(HANDLE file, std::span<const std::uint8_t> content) {
    std::size_t done = 0;
    while (done < content.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(content.size() - done, 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file, content.data() + done, chunk, &written, nullptr) || written == 0) return false;
        done += written;
    }
    return true;
}

}  // namespace

std::unique_ptr<ByteSource> WinFileSystem::openForReading(const Text& path) {
    HANDLE file = CreateFileW(wide(path), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return nullptr;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file, &size)) {
        CloseHandle(file);
        return nullptr;
    }
    return std::make_unique<HandleSource>(file, static_cast<std::uint64_t>(size.QuadPart));
}

bool WinFileSystem::replaceFile(const Text& path, std::span<const std::uint8_t> content) {
    // A read-only file is never replaced, as on Windows (Wine's MoveFileExW would replace it).
    const DWORD attributes = GetFileAttributesW(wide(path));
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) return false;
    const Text temporary = path + u".tmp";
    HANDLE file = CreateFileW(wide(temporary), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    const bool written = writeAll(file, content) && FlushFileBuffers(file);
    CloseHandle(file);
    if (written && MoveFileExW(wide(temporary), wide(path), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
    DeleteFileW(wide(temporary));
    return false;
}

bool WinFileSystem::writeNewFile(const Text& path, std::span<const std::uint8_t> content) {
    // Nothing is written for a name that is taken: the move below would refuse it anyway.
    if (exists(path)) return false;
    const Text temporary = path + u".tmp";
    HANDLE file = CreateFileW(wide(temporary), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    const bool written = writeAll(file, content) && FlushFileBuffers(file);
    CloseHandle(file);
    // Without MOVEFILE_REPLACE_EXISTING the move fails where a file has come to stand meanwhile.
    if (written && holds(temporary, content) && MoveFileExW(wide(temporary), wide(path), MOVEFILE_WRITE_THROUGH)) return true;
    DeleteFileW(wide(temporary));
    return false;
}

bool WinFileSystem::exists(const Text& path) {
    return GetFileAttributesW(wide(path)) != INVALID_FILE_ATTRIBUTES;
}

void WinFileSystem::listFolder(const Text& folder, FolderListing& listing) {
    listing.clear();
    Text pattern = folder;
    if (!pattern.empty() && pattern.back() != u'\\') pattern += u'\\';
    pattern += u'*';
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileExW(wide(pattern), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr,
                                     FIND_FIRST_EX_LARGE_FETCH);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        const TextView name = wideView(found.cFileName);
        if (name == u"." || name == u"..") continue;
        const std::uint64_t size = static_cast<std::uint64_t>(found.nFileSizeHigh) << 32 | found.nFileSizeLow;
        listing.add(name, (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0, size);
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

std::optional<std::uint64_t> WinFileSystem::lastWriteTime(const Text& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(wide(path), GetFileExInfoStandard, &data)) return std::nullopt;
    return fromFileTime(data.ftLastWriteTime);
}

std::optional<Text> ShellSpecialFolders::folderPath(int csidl) {
    wchar_t path[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path)) || path[0] == 0) return std::nullopt;
    return fromWide(path);
}

Text AnsiCodePage::decode(std::string_view bytes) {
    if (bytes.empty()) return Text();
    const int length = MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    if (length <= 0) return Text();
    Text text(static_cast<std::size_t>(length), u'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), wide(text), length);
    return text;
}

std::string AnsiCodePage::encode(TextView text) {
    if (text.empty()) return std::string();
    const auto* source = reinterpret_cast<const wchar_t*>(text.data());
    const int length = WideCharToMultiByte(CP_ACP, 0, source, static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    if (length <= 0) return std::string();
    std::string bytes(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, source, static_cast<int>(text.size()), bytes.data(), length, nullptr, nullptr);
    return bytes;
}

std::uint64_t SystemClock::nowFileTime() {
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    return fromFileTime(now);
}

std::optional<CivilTime> SystemClock::toLocalTime(std::uint64_t fileTime) {
    FILETIME utc{static_cast<DWORD>(fileTime), static_cast<DWORD>(fileTime >> 32)};
    FILETIME local;
    SYSTEMTIME civil;
    if (!FileTimeToLocalFileTime(&utc, &local) || !FileTimeToSystemTime(&local, &civil)) return std::nullopt;
    return CivilTime{civil.wYear, civil.wMonth, civil.wDay, civil.wHour, civil.wMinute, civil.wSecond,
                     civil.wMilliseconds, civil.wDayOfWeek};
}

int CrtRandom::next() {
    return std::rand();
}

WinPlatform& winPlatform() {
    static WinPlatform platform;
    return platform;
}

}  // namespace quillory
