#pragma once
// The decoded pictures of the last few Pages shown, so that going back to one costs a lookup
// instead of a decode (seconds for a large photo). A picture is known by its path and its
// file's write time and size: a file changed on disk is decoded afresh, and its old picture
// dropped. Kept pictures are bounded in number and in bytes; the least recently used go first.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <list>
#include <span>
#include <utility>

#include "base/text.h"

namespace quillory {

// What tells one version of a file from another.
struct FileStamp {
    std::uint64_t writeTime = 0;  // 100-ns units since 1601
    std::uint64_t size = 0;
    bool operator==(const FileStamp&) const = default;
};

struct PictureCacheLimits {
    std::size_t pictures = 0;
    std::size_t bytes = 0;
};

template <typename Picture>
class PictureCache {
public:
    explicit PictureCache(PictureCacheLimits limits) : limits_(limits) {}

    // The picture kept for `path` when its file still has `stamp` (it becomes the most recently
    // used), else nothing; a picture of another version of the file is dropped.
    const Picture* find(TextView path, const FileStamp& stamp) {
        const Position entry = entryOf(path, entries_.begin());
        if (entry == entries_.end()) return nullptr;
        if (entry->stamp != stamp) {
            drop(entry);
            return nullptr;
        }
        entries_.splice(entries_.begin(), entries_, entry);
        return &entries_.front().picture;
    }

    // Whether the picture kept for `path` is of the file's version `stamp`; changes nothing.
    bool holds(TextView path, const FileStamp& stamp) const { return peek(path, stamp) != nullptr; }

    // The picture kept for `path` when its file still has `stamp`; changes nothing.
    const Picture* peek(TextView path, const FileStamp& stamp) const {
        for (const Entry& entry : entries_) {
            if (entry.path == path) return entry.stamp == stamp ? &entry.picture : nullptr;
        }
        return nullptr;
    }

    // Keeps `picture` as the most recently used, replacing one kept for the same path, then drops
    // the least recently used until both limits hold. A picture over the byte limit by itself is
    // not kept.
    void insert(Text path, const FileStamp& stamp, Picture picture, std::size_t bytes) {
        insertBehind(std::move(path), stamp, std::move(picture), bytes, {});
    }

    // The same for a picture decoded before anyone asked for it, which must not push out the
    // pictures named in `ahead` (the one on screen, those wanted sooner): they become the most
    // recently used, in that order, and `picture` comes right behind them. The least recently
    // used then go until both limits hold, `picture` itself before any of `ahead`.
    void insertBehind(Text path, const FileStamp& stamp, Picture picture, std::size_t bytes, std::span<const Text> ahead) {
        erase(path);
        if (bytes > limits_.bytes || limits_.pictures == 0) return;
        std::size_t protectedCount = 0;
        for (auto name = ahead.rbegin(); name != ahead.rend(); ++name) {
            const auto entry = entryOf(*name, std::next(entries_.begin(), static_cast<std::ptrdiff_t>(protectedCount)));
            if (entry == entries_.end()) continue;  // not kept, or named twice
            entries_.splice(entries_.begin(), entries_, entry);
            ++protectedCount;
        }
        entries_.insert(std::next(entries_.begin(), static_cast<std::ptrdiff_t>(protectedCount)),
                        Entry{std::move(path), stamp, std::move(picture), bytes});
        bytes_ += bytes;
        // What was kept before fitted, and `ahead` is part of it: dropping all else always fits.
        while ((entries_.size() > limits_.pictures || bytes_ > limits_.bytes) && entries_.size() > protectedCount) {
            drop(std::prev(entries_.end()));
        }
    }

    // Drops the least recently used, other than those named in `keep`, until `incoming` more
    // bytes fit beside what stays; returns the bytes free after that, which fall short of
    // `incoming` when `keep` alone leaves too little.
    std::size_t makeRoom(std::size_t incoming, std::span<const Text> keep) {
        for (Position entry = entries_.end(); entry != entries_.begin() && bytes_ + incoming > limits_.bytes;) {
            --entry;
            if (std::find(keep.begin(), keep.end(), entry->path) == keep.end()) entry = drop(entry);
        }
        return limits_.bytes > bytes_ ? limits_.bytes - bytes_ : 0;
    }

    void clear() {
        entries_.clear();
        bytes_ = 0;
    }

    std::size_t pictureCount() const { return entries_.size(); }
    std::size_t byteCount() const { return bytes_; }
    const PictureCacheLimits& limits() const { return limits_; }

private:
    struct Entry {
        Text path;
        FileStamp stamp;
        Picture picture;
        std::size_t bytes = 0;
    };

    using Position = typename std::list<Entry>::iterator;

    Position entryOf(TextView path, Position from) {
        return std::find_if(from, entries_.end(), [&](const Entry& entry) { return entry.path == path; });
    }

    void erase(TextView path) {
        if (const Position entry = entryOf(path, entries_.begin()); entry != entries_.end()) drop(entry);
    }

    // The entry after `entry`, which is gone.
    Position drop(Position entry) {
        bytes_ -= entry->bytes;
        return entries_.erase(entry);
    }

    PictureCacheLimits limits_;
    std::list<Entry> entries_;  // most recently used first
    std::size_t bytes_ = 0;
};

}  // namespace quillory
