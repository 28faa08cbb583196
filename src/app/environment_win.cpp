#include "app/environment_win.h"

#include <windows.h>
#include <shlwapi.h>

#include "app/environment.h"
#include "base/wide_win.h"

namespace quillory {

namespace {

bool isWindowsAtLeast(unsigned major, unsigned minor) {
    OSVERSIONINFOEXW wanted{};
    wanted.dwOSVersionInfoSize = sizeof(wanted);
    wanted.dwMajorVersion = major;
    wanted.dwMinorVersion = minor;
    wanted.wServicePackMajor = 0;
    DWORDLONG mask = 0;
    mask = VerSetConditionMask(mask, VER_MAJORVERSION, VER_GREATER_EQUAL);
    mask = VerSetConditionMask(mask, VER_MINORVERSION, VER_GREATER_EQUAL);
    mask = VerSetConditionMask(mask, VER_SERVICEPACKMAJOR, VER_GREATER_EQUAL);
    return VerifyVersionInfoW(&wanted, VER_MAJORVERSION | VER_MINORVERSION | VER_SERVICEPACKMAJOR, mask) != FALSE;
}

}  // namespace

unsigned measureOsVersionCode() {
    return osVersionCode(isWindowsAtLeast);
}

int measureCommonControlsVersion() {
    HMODULE library = LoadLibraryW(L"comctl32.dll");
    if (library == nullptr) return 0;
    int version = 0;
    const auto getVersion = reinterpret_cast<DLLGETVERSIONPROC>(reinterpret_cast<void*>(GetProcAddress(library, "DllGetVersion")));
    DLLVERSIONINFO info{};
    info.cbSize = sizeof(info);  // 20 bytes: the original structure
    if (getVersion != nullptr && SUCCEEDED(getVersion(&info))) {
        version = commonControlsVersionCode(info.dwMajorVersion, info.dwMinorVersion);
    }
    FreeLibrary(library);
    return version;
}

void screenDpi(double& dpiX, double& dpiY) {
    HDC screen = GetDC(nullptr);
    dpiX = GetDeviceCaps(screen, LOGPIXELSX);
    dpiY = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
}

Text programFolder() {
    Text path(32768, u'\0');
    const DWORD length = GetModuleFileNameW(nullptr, wide(path), static_cast<DWORD>(path.size()));
    path.resize(length);
    const std::size_t slash = path.rfind(u'\\');
    return slash == Text::npos ? Text() : path.substr(0, slash + 1);
}

Text fullPathOf(const Text& path) {
    Text full(32768, u'\0');
    const DWORD length = GetFullPathNameW(wide(path), static_cast<DWORD>(full.size()), wide(full), nullptr);
    if (length == 0 || length >= full.size()) return path;
    full.resize(length);
    return full;
}

Text commandLineArgument() {
    // The same rules the C runtime uses to find the end of the program's name: quoted or up to a blank.
    const Text line = fromWide(GetCommandLineW());
    std::size_t position = 0;
    if (!line.empty() && line[0] == u'"') {
        const std::size_t close = line.find(u'"', 1);
        position = close == Text::npos ? line.size() : close + 1;
    } else {
        while (position < line.size() && line[position] != u' ' && line[position] != u'\t') ++position;
    }
    while (position < line.size() && (line[position] == u' ' || line[position] == u'\t')) ++position;
    return line.substr(position);
}

}  // namespace quillory
