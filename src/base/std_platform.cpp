#include "base/std_platform.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillory {

namespace {

namespace fs = std::filesystem;

// 100-ns intervals between 1601-01-01 and 1970-01-01.
constexpr std::uint64_t kUnixEpochAsFileTime = 116444736000000000ULL;

fs::path toPath(const Text& path) {
    const std::string utf8 = textToUtf8(path);
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

// A file held open for random reads: one open and one status call per file, then one pread per
// read, which is what keeps a date scan over thousands of pictures cheap.
class DescriptorSource final : public ByteSource {
public:
    DescriptorSource(int descriptor, std::uint64_t size) : descriptor_(descriptor), size_(size) {}
    ~DescriptorSource() override { ::close(descriptor_); }
    DescriptorSource(const DescriptorSource&) = delete;
    DescriptorSource& operator=(const DescriptorSource&) = delete;

    std::uint64_t size() const override { return size_; }
    bool read(std::uint64_t offset, std::span<std::uint8_t> out) override {
        if (offset > size_ || out.size() > size_ - offset) return false;
        std::size_t done = 0;
        while (done < out.size()) {
            const ssize_t got = ::pread(descriptor_, out.data() + done, out.size() - done, static_cast<off_t>(offset + done));
            if (got <= 0) return false;
            done += static_cast<std::size_t>(got);
        }
        return true;
    }

private:
    int descriptor_;
    std::uint64_t size_;
};

}  // namespace

std::unique_ptr<ByteSource> StdFileSystem::openForReading(const Text& path) {
    const int descriptor = ::open(textToUtf8(path).c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) return nullptr;
    struct stat status {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(descriptor);
        return nullptr;
    }
    return std::make_unique<DescriptorSource>(descriptor, static_cast<std::uint64_t>(status.st_size));
}

bool StdFileSystem::replaceFile(const Text& path, std::span<const std::uint8_t> content) {
    const fs::path target = toPath(path);
    fs::path temporary = target;
    temporary += ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write(reinterpret_cast<const char*>(content.data()), static_cast<std::streamsize>(content.size()));
        if (!out.flush()) return false;
    }
    std::error_code error;
    fs::rename(temporary, target, error);
    if (error) fs::remove(temporary, error);
    return !error;
}

bool StdFileSystem::writeNewFile(const Text& path, std::span<const std::uint8_t> content) {
    const Text temporary = path + u".tmp";
    bool placed = false;
    {
        std::ofstream out(toPath(temporary), std::ios::binary | std::ios::trunc);
        placed = out && out.write(reinterpret_cast<const char*>(content.data()), static_cast<std::streamsize>(content.size())) &&
                 out.flush();
    }
    // A second name is linked only where no file stands: a rename that never replaces.
    placed = placed && holds(temporary, content) && ::link(textToUtf8(temporary).c_str(), textToUtf8(path).c_str()) == 0;
    std::error_code error;
    fs::remove(toPath(temporary), error);
    return placed;
}

bool StdFileSystem::exists(const Text& path) {
    std::error_code error;
    return fs::exists(toPath(path), error);
}

void StdFileSystem::listFolder(const Text& folder, FolderListing& listing) {
    listing.clear();
    std::error_code error;
    for (fs::directory_iterator it(toPath(folder), error), end; !error && it != end; it.increment(error)) {
        const std::u8string name = it->path().filename().u8string();
        std::error_code sizeError;
        const std::uintmax_t size = it->is_regular_file(sizeError) ? it->file_size(sizeError) : 0;
        listing.add(textFromUtf8(std::string(name.begin(), name.end())), it->is_directory(error), sizeError ? 0 : size);
    }
}

std::optional<std::uint64_t> StdFileSystem::lastWriteTime(const Text& path) {
    std::error_code error;
    const auto written = fs::last_write_time(toPath(path), error);
    if (error) return std::nullopt;
    const auto sinceEpoch = std::chrono::file_clock::to_sys(written).time_since_epoch();
    const auto ticks = std::chrono::duration_cast<std::chrono::duration<std::int64_t, std::ratio<1, 10000000>>>(sinceEpoch);
    return kUnixEpochAsFileTime + static_cast<std::uint64_t>(ticks.count());
}

Text Latin1CodePage::decode(std::string_view bytes) {
    Text out(bytes.size(), u'\0');
    std::transform(bytes.begin(), bytes.end(), out.begin(), [](char c) { return static_cast<unsigned char>(c); });
    return out;
}

std::string Latin1CodePage::encode(TextView text) {
    std::string out;
    for (const char16_t c : text) out.push_back(c < 0x100 ? static_cast<char>(c) : '?');
    return out;
}

std::uint64_t UtcClock::nowFileTime() {
    const auto sinceEpoch = std::chrono::system_clock::now().time_since_epoch();
    const auto ticks = std::chrono::duration_cast<std::chrono::duration<std::int64_t, std::ratio<1, 10000000>>>(sinceEpoch);
    return kUnixEpochAsFileTime + static_cast<std::uint64_t>(ticks.count());
}

std::optional<CivilTime> UtcClock::toLocalTime(std::uint64_t fileTime) {
    using namespace std::chrono;
    const auto ticks = duration<std::int64_t, std::ratio<1, 10000000>>(static_cast<std::int64_t>(fileTime / 10000 * 10000));
    const sys_time<milliseconds> unixTime{duration_cast<milliseconds>(ticks) - milliseconds(kUnixEpochAsFileTime / 10000)};
    const auto day = floor<days>(unixTime);
    const year_month_day date{day};
    const hh_mm_ss clock{unixTime - day};
    CivilTime civil;
    civil.year = static_cast<int>(date.year());
    civil.month = static_cast<int>(static_cast<unsigned>(date.month()));
    civil.day = static_cast<int>(static_cast<unsigned>(date.day()));
    civil.hour = static_cast<int>(clock.hours().count());
    civil.minute = static_cast<int>(clock.minutes().count());
    civil.second = static_cast<int>(clock.seconds().count());
    civil.milliseconds = static_cast<int>(clock.subseconds().count());
    civil.weekday = static_cast<int>(weekday{day}.c_encoding());
    return civil;
}

}  // namespace quillory
