#pragma once
// The Win32 implementations of the core's platform interfaces.
#include "base/platform.h"

namespace quillory {

class WinFileSystem final : public FileSystem {
public:
    std::unique_ptr<ByteSource> openForReading(const Text& path) override;
    bool replaceFile(const Text& path, std::span<const std::uint8_t> content) override;
    bool writeNewFile(const Text& path, std::span<const std::uint8_t> content) override;
    bool exists(const Text& path) override;
    void listFolder(const Text& folder, FolderListing& listing) override;
    std::optional<std::uint64_t> lastWriteTime(const Text& path) override;
};

class ShellSpecialFolders final : public SpecialFolders {
public:
    std::optional<Text> folderPath(int csidl) override;
};

class AnsiCodePage final : public CodePage {
public:
    Text decode(std::string_view bytes) override;
    std::string encode(TextView text) override;
};

class SystemClock final : public Clock {
public:
    std::uint64_t nowFileTime() override;
    std::optional<CivilTime> toLocalTime(std::uint64_t fileTime) override;
};

class CrtRandom final : public Random {
public:
    int next() override;
};

// The process's adapters, alive for the whole run.
struct WinPlatform {
    WinFileSystem files;
    ShellSpecialFolders folders;
    AnsiCodePage codePage;
    SystemClock clock;
    CrtRandom random;
};
WinPlatform& winPlatform();

}  // namespace quillory
