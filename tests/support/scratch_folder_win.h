#pragma once
// A folder of a test's own under the system's temporary folder, gone with everything made in it
// when the test ends.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/text.h"
#include "base/wide_win.h"

namespace quillory::testing {

class ScratchFolder {
public:
    // "<temporary folder><stem>_<process id>\", so that test programs running at once never share one.
    explicit ScratchFolder(TextView stem) {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        path_ = fromWide(temp) + Text(stem) + u"_" + textFromUtf8(std::to_string(GetCurrentProcessId())) + u"\\";
        CreateDirectoryW(wide(path_), nullptr);
    }
    ~ScratchFolder() {
        for (auto made = made_.rbegin(); made != made_.rend(); ++made) {
            if (!DeleteFileW(wide(*made))) RemoveDirectoryW(wide(*made));
        }
        RemoveDirectoryW(wide(path_));
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // Ends in a backslash.
    const Text& path() const { return path_; }

    // Writes (or rewrites) a file in the folder; returns its full path.
    Text write(TextView name, const std::vector<std::uint8_t>& bytes) {
        const Text path = made(name);
        HANDLE file = CreateFileW(wide(path), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        EXPECT_NE(file, INVALID_HANDLE_VALUE) << "cannot write " << textToUtf8(path);
        if (file == INVALID_HANDLE_VALUE) return path;
        DWORD written = 0;
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(file);
        return path;
    }

    void makeFolder(TextView name) { CreateDirectoryW(wide(made(name)), nullptr); }

private:
    Text made(TextView name) {
        made_.push_back(path_ + Text(name));
        return made_.back();
    }

    Text path_;
    std::vector<Text> made_;  // removed newest first
};

}  // namespace quillory::testing
