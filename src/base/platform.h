#pragma once
// What the core needs from the system, as small interfaces. The Win32 shell implements them
// (win_platform_win.*), native tools use std_platform.*, and tests use fakes.
#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "base/folder_listing.h"
#include "base/text.h"

namespace quillory {

// A file opened for reading any range of it; reads past the end return false.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual std::uint64_t size() const = 0;
    virtual bool read(std::uint64_t offset, std::span<std::uint8_t> out) = 0;
};

class FileSystem {
public:
    virtual ~FileSystem() = default;
    virtual std::unique_ptr<ByteSource> openForReading(const Text& path) = 0;
    // Whole file, or nothing when it is missing or unreadable.
    virtual std::optional<std::vector<std::uint8_t>> readFile(const Text& path) {
        const std::unique_ptr<ByteSource> source = openForReading(path);
        if (!source) return std::nullopt;
        std::vector<std::uint8_t> bytes(static_cast<std::size_t>(source->size()));
        if (!source->read(0, bytes)) return std::nullopt;
        return bytes;
    }
    // Writes the whole content to a temporary file in the same folder, then replaces `path`
    // with it, so the old content stays intact until the new one is complete.
    virtual bool replaceFile(const Text& path, std::span<const std::uint8_t> content) = 0;
    // Writes the content under a temporary name in the same folder, reads it back, and only when
    // it holds exactly the content gives it the name `path`. Fails, leaving nothing behind, when
    // `path` exists or any step fails: at any moment `path` is either absent or whole.
    virtual bool writeNewFile(const Text& path, std::span<const std::uint8_t> content) = 0;
    // Whether the file holds exactly these bytes, read a piece at a time.
    bool holds(const Text& path, std::span<const std::uint8_t> content) {
        const std::unique_ptr<ByteSource> source = openForReading(path);
        if (!source || source->size() != content.size()) return false;
        std::vector<std::uint8_t> piece(std::min<std::size_t>(content.size(), 1u << 20));
        for (std::size_t at = 0; at < content.size(); at += piece.size()) {
            const std::span<std::uint8_t> part(piece.data(), std::min(piece.size(), content.size() - at));
            if (!source->read(at, part) || !std::equal(part.begin(), part.end(), content.begin() + at)) return false;
        }
        return true;
    }
    virtual bool exists(const Text& path) = 0;
    // Fills `listing` with the entries of a folder (path ending in a backslash or not), without
    // "." and "..".
    virtual void listFolder(const Text& folder, FolderListing& listing) = 0;
    // Last-write time in 100-ns units since 1601-01-01 UTC.
    virtual std::optional<std::uint64_t> lastWriteTime(const Text& path) = 0;
};

// Folders known by their CSIDL number (the shell's SHGetFolderPathW).
class SpecialFolders {
public:
    virtual ~SpecialFolders() = default;
    virtual std::optional<Text> folderPath(int csidl) = 0;
};

// The system's ANSI code page (Windows: CP_ACP).
class CodePage {
public:
    virtual ~CodePage() = default;
    virtual Text decode(std::string_view bytes) = 0;
    virtual std::string encode(TextView text) = 0;
};

struct CivilTime {
    int year = 0, month = 0, day = 0;
    int hour = 0, minute = 0, second = 0, milliseconds = 0;
    int weekday = 0;  // 0 Sunday … 6 Saturday
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual std::uint64_t nowFileTime() = 0;  // 100-ns units since 1601-01-01 UTC
    virtual std::optional<CivilTime> toLocalTime(std::uint64_t fileTime) = 0;
};

// The C runtime's rand(): 0 to 32767.
class Random {
public:
    virtual ~Random() = default;
    virtual int next() = 0;
};

}  // namespace quillory
