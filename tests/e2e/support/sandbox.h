// A fresh temporary folder holding a copy of quillory.exe, so every test starts from a folder
// without an album and leaves nothing behind.
#pragma once

#include <filesystem>
#include <string_view>

namespace quillory::e2e {

// The folder of the running test program, where the build puts quillory.exe as well.
std::filesystem::path testProgramFolder();
// A committed test picture (tests/e2e/fixtures), which the build copies beside the test program.
std::filesystem::path fixtureFile(std::wstring_view name);

class Sandbox {
public:
    Sandbox();
    Sandbox(const Sandbox&) = delete;
    Sandbox& operator=(const Sandbox&) = delete;
    ~Sandbox();

    // False when the folder or the copy of the program could not be made.
    bool ready() const { return ready_; }
    const std::filesystem::path& folder() const { return folder_; }
    std::filesystem::path exe() const { return folder_ / L"quillory.exe"; }
    std::filesystem::path file(std::wstring_view name) const { return folder_ / name; }

private:
    std::filesystem::path folder_;
    bool ready_ = false;
};

}  // namespace quillory::e2e
