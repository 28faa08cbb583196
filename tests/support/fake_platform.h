#pragma once
// In-memory stand-ins for the platform interfaces, so core tests run without a disk or a system.
#include <map>
#include <set>

#include "base/platform.h"

namespace quillory::testing {

class FakeFileSystem final : public FileSystem {
public:
    std::map<Text, std::vector<std::uint8_t>> files;
    std::set<Text> folders;
    std::set<Text> readOnly;    // replaceFile and writeNewFile fail for these paths
    std::set<Text> unreadable;  // these files exist, but readFile fails (locked, access denied)
    std::map<Text, std::uint64_t> writeTimes;
    int replaceCount = 0;

    void put(const Text& path, std::string_view bytes) { files[path] = std::vector<std::uint8_t>(bytes.begin(), bytes.end()); }
    std::string contentOf(const Text& path) const;

    std::unique_ptr<ByteSource> openForReading(const Text& path) override;
    std::optional<std::vector<std::uint8_t>> readFile(const Text& path) override;
    bool replaceFile(const Text& path, std::span<const std::uint8_t> content) override;
    bool writeNewFile(const Text& path, std::span<const std::uint8_t> content) override;
    bool exists(const Text& path) override;
    void listFolder(const Text& folder, FolderListing& listing) override;
    std::optional<std::uint64_t> lastWriteTime(const Text& path) override;
};

class FakeSpecialFolders final : public SpecialFolders {
public:
    std::map<int, Text> paths;
    std::optional<Text> folderPath(int csidl) override;
};

// Latin-1 stands in for the ANSI code page.
class FakeCodePage final : public CodePage {
public:
    Text decode(std::string_view bytes) override;
    std::string encode(TextView text) override;
};

class FakeClock final : public Clock {
public:
    std::uint64_t now = 0;
    std::uint64_t nowFileTime() override { return now; }
    std::optional<CivilTime> toLocalTime(std::uint64_t fileTime) override;
};

// Returns the given values in turn, then repeats them.
class ScriptedRandom final : public Random {
public:
    std::vector<int> values{0};
    std::size_t position = 0;
    int next() override { return values[position++ % values.size()]; }
};

}  // namespace quillory::testing
