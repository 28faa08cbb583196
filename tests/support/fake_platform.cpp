#include "support/fake_platform.h"

#include <algorithm>

#include "base/memory_source.h"
#include "base/std_platform.h"

namespace quillory::testing {

namespace {

Text withoutTrailingSlash(Text folder) {
    while (!folder.empty() && (folder.back() == u'\\' || folder.back() == u'/')) folder.pop_back();
    return folder;
}

}  // namespace

std::string FakeFileSystem::contentOf(const Text& path) const {
    const auto it = files.find(path);
    return it == files.end() ? std::string() : std::string(it->second.begin(), it->second.end());
}

std::unique_ptr<ByteSource> FakeFileSystem::openForReading(const Text& path) {
    const auto it = files.find(path);
    if (it == files.end()) return nullptr;
    return std::make_unique<MemorySource>(it->second);
}

std::optional<std::vector<std::uint8_t>> FakeFileSystem::readFile(const Text& path) {
    const auto it = files.find(path);
    if (it == files.end() || unreadable.contains(path)) return std::nullopt;
    return it->second;
}

bool FakeFileSystem::replaceFile(const Text& path, std::span<const std::uint8_t> content) {
    if (readOnly.contains(path)) return false;
    files[path].assign(content.begin(), content.end());
    ++replaceCount;
    return true;
}

bool FakeFileSystem::writeNewFile(const Text& path, std::span<const std::uint8_t> content) {
    if (readOnly.contains(path) || files.contains(path)) return false;
    files[path].assign(content.begin(), content.end());
    return true;
}

bool FakeFileSystem::exists(const Text& path) {
    return files.contains(path) || folders.contains(withoutTrailingSlash(path));
}

void FakeFileSystem::listFolder(const Text& folder, FolderListing& listing) {
    listing.clear();
    const Text prefix = withoutTrailingSlash(folder) + u'\\';
    auto addChild = [&](const Text& path, bool isDirectory, std::uint64_t size) {
        if (path.size() <= prefix.size() || path.compare(0, prefix.size(), prefix) != 0) return;
        const TextView rest = TextView(path).substr(prefix.size());
        if (rest.find(u'\\') == TextView::npos) listing.add(rest, isDirectory, size);
    };
    for (const auto& [path, bytes] : files) addChild(path, false, bytes.size());
    for (const auto& path : folders) addChild(path, true, 0);
}

std::optional<std::uint64_t> FakeFileSystem::lastWriteTime(const Text& path) {
    const auto it = writeTimes.find(path);
    if (it == writeTimes.end()) return std::nullopt;
    return it->second;
}

std::optional<Text> FakeSpecialFolders::folderPath(int csidl) {
    const auto it = paths.find(csidl);
    if (it == paths.end()) return std::nullopt;
    return it->second;
}

Text FakeCodePage::decode(std::string_view bytes) {
    return Latin1CodePage().decode(bytes);
}

std::string FakeCodePage::encode(TextView text) {
    return Latin1CodePage().encode(text);
}

std::optional<CivilTime> FakeClock::toLocalTime(std::uint64_t fileTime) {
    return UtcClock().toLocalTime(fileTime);
}

}  // namespace quillory::testing
