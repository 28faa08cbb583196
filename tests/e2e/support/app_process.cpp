#include "app_process.h"

#include <array>

namespace quillory::e2e {
namespace {

// "WinSta0\Default" or the name of the virtual desktop the tests run on. Children are given it
// explicitly because Wine would otherwise pick a desktop by the child's own program name.
std::wstring currentDesktopName() {
    std::array<wchar_t, 256> station{};
    std::array<wchar_t, 256> desktop{};
    DWORD needed = 0;
    if (!GetUserObjectInformationW(GetProcessWindowStation(), UOI_NAME, station.data(),
                                   static_cast<DWORD>(station.size() * sizeof(wchar_t)), &needed) ||
        !GetUserObjectInformationW(GetThreadDesktop(GetCurrentThreadId()), UOI_NAME, desktop.data(),
                                   static_cast<DWORD>(desktop.size() * sizeof(wchar_t)), &needed)) {
        return {};
    }
    return std::wstring(station.data()) + L"\\" + desktop.data();
}

}  // namespace

std::optional<AppProcess> AppProcess::start(const std::filesystem::path& exe, const std::wstring& argument,
                                             const std::filesystem::path& folder) {
    std::wstring commandLine = L"\"" + exe.wstring() + L"\"";
    if (!argument.empty()) {
        commandLine += L" " + argument;
    }
    std::wstring desktop = currentDesktopName();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.lpDesktop = desktop.empty() ? nullptr : desktop.data();
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &startup, &info)) {
        return std::nullopt;
    }
    CloseHandle(info.hThread);
    return AppProcess(OwnedHandle(info.hProcess), info.dwProcessId, info.dwThreadId);
}

AppProcess::~AppProcess() {
    if (process_ && running()) {
        TerminateProcess(process_.get(), 255);
        WaitForSingleObject(process_.get(), static_cast<DWORD>(kExitWait.count()));
    }
}

bool AppProcess::running() const {
    return WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> AppProcess::waitForExit(Duration limit) const {
    if (WaitForSingleObject(process_.get(), static_cast<DWORD>(limit.count())) != WAIT_OBJECT_0) {
        return std::nullopt;
    }
    DWORD code = 0;
    if (!GetExitCodeProcess(process_.get(), &code)) {
        return std::nullopt;
    }
    return code;
}

}  // namespace quillory::e2e
