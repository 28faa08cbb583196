#pragma once
// The native (Linux) implementations of the platform interfaces, for the unit tests, tools,
// benchmarks and fuzzers. Paths are UTF-8 file names; the "ANSI" code page is Latin-1 and
// local time is UTC, which keeps native results independent of the machine's settings.
#include "base/platform.h"

namespace quillory {

class StdFileSystem final : public FileSystem {
public:
    std::unique_ptr<ByteSource> openForReading(const Text& path) override;
    bool replaceFile(const Text& path, std::span<const std::uint8_t> content) override;
    bool writeNewFile(const Text& path, std::span<const std::uint8_t> content) override;
    bool exists(const Text& path) override;
    void listFolder(const Text& folder, FolderListing& listing) override;
    std::optional<std::uint64_t> lastWriteTime(const Text& path) override;
};

class Latin1CodePage final : public CodePage {
public:
    Text decode(std::string_view bytes) override;
    std::string encode(TextView text) override;
};

class UtcClock final : public Clock {
public:
    std::uint64_t nowFileTime() override;
    std::optional<CivilTime> toLocalTime(std::uint64_t fileTime) override;
};

class NoSpecialFolders final : public SpecialFolders {
public:
    std::optional<Text> folderPath(int) override { return std::nullopt; }
};

}  // namespace quillory
