#include "dialogs/system_probe_win.h"

#include <windows.h>

#include "base/system_function_win.h"
#include "base/wide_win.h"

namespace quillory {

namespace {

using RtlGetVersionFunction = LONG(WINAPI*)(OSVERSIONINFOW*);
using IsWow64ProcessFunction = BOOL(WINAPI*)(HANDLE, BOOL*);
using GetNativeSystemInfoFunction = void(WINAPI*)(SYSTEM_INFO*);

}  // namespace

SystemVersion querySystemVersion() {
    SystemVersion version;
    const auto rtlGetVersion = lookUpSystemFunction<RtlGetVersionFunction>(L"ntdll.dll", "RtlGetVersion");
    if (rtlGetVersion == nullptr) return version;
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof(info);
    if (rtlGetVersion(&info) != 0) return version;
    version.major = info.dwMajorVersion;
    version.minor = info.dwMinorVersion;
    version.build = info.dwBuildNumber;
    version.platformId = info.dwPlatformId;
    version.servicePack = fromWide(info.szCSDVersion, wcsnlen(info.szCSDVersion, std::size(info.szCSDVersion)));
    return version;
}

BitnessProbe probeBitness() {
    BitnessProbe probe;
    if (const auto isWow64 = lookUpSystemFunction<IsWow64ProcessFunction>(L"kernel32.dll", "IsWow64Process")) {
        BOOL emulated = FALSE;
        if (isWow64(GetCurrentProcess(), &emulated)) probe.emulated = emulated != FALSE;
    }
    if (const auto nativeInfo = lookUpSystemFunction<GetNativeSystemInfoFunction>(L"kernel32.dll", "GetNativeSystemInfo")) {
        SYSTEM_INFO info{};
        nativeInfo(&info);
        probe.nativeArchitecture = info.wProcessorArchitecture;
    }
    return probe;
}

}  // namespace quillory
