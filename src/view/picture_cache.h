#pragma once
// The decoded pictures of the last few Pages shown, so that going back to one costs a lookup
// instead of a decode (seconds for a large photo). A picture is known by its path and its
// file's write time and size: a file changed on disk is decoded afresh, and its old picture
// dropped. Kept pictures are bounded in number and in bytes; the least recently used go first.
#include <cstddef>
#include <cstdint>
#include <list>
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
        for (auto entry = entries_.begin(); entry != entries_.end(); ++entry) {
            if (entry->path != path) continue;
            if (entry->stamp != stamp) {
                drop(entry);
                return nullptr;
            }
            entries_.splice(entries_.begin(), entries_, entry);
            return &entries_.front().picture;
        }
        return nullptr;
    }

    // Keeps `picture` as the most recently used, replacing one kept for the same path, then drops
    // the least recently used until both limits hold. A picture over the byte limit by itself is
    // not kept.
    void insert(Text path, const FileStamp& stamp, Picture picture, std::size_t bytes) {
        for (auto entry = entries_.begin(); entry != entries_.end(); ++entry) {
            if (entry->path == path) {
                drop(entry);
                break;
            }
        }
        if (bytes > limits_.bytes || limits_.pictures == 0) return;
        entries_.push_front(Entry{std::move(path), stamp, std::move(picture), bytes});
        bytes_ += bytes;
        while (entries_.size() > limits_.pictures || bytes_ > limits_.bytes) drop(std::prev(entries_.end()));
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

    void drop(typename std::list<Entry>::iterator entry) {
        bytes_ -= entry->bytes;
        entries_.erase(entry);
    }

    PictureCacheLimits limits_;
    std::list<Entry> entries_;  // most recently used first
    std::size_t bytes_ = 0;
};

}  // namespace quillory
