#include "sandbox.h"

#include <windows.h>

#include <array>
#include <string>

namespace quillory::e2e {

std::filesystem::path testProgramFolder() {
    std::array<wchar_t, MAX_PATH> path{};
    GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    return std::filesystem::path(path.data()).parent_path();
}

std::filesystem::path fixtureFile(std::wstring_view name) { return testProgramFolder() / L"e2e-fixtures" / name; }

Sandbox::Sandbox() {
    static unsigned sequence = 0;
    std::error_code error;
    const std::filesystem::path temp = std::filesystem::temp_directory_path(error);
    if (error) {
        return;
    }
    folder_ = temp / (L"quillory-e2e-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++sequence));
    std::filesystem::remove_all(folder_, error);
    ready_ = std::filesystem::create_directories(folder_, error) &&
             std::filesystem::copy_file(testProgramFolder() / L"quillory.exe", exe(), error);
}

Sandbox::~Sandbox() {
    if (!folder_.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
}

}  // namespace quillory::e2e
