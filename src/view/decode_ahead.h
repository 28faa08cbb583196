#pragma once
// Decoding ahead: which pictures the next FolderBar or slide-show step will show, and the queue
// of them a worker thread decodes, so that the step finds its picture kept (picture_cache.h)
// instead of waiting seconds for a large photo. The queue holds no lock; its owner guards it.
#include <cstddef>
#include <deque>
#include <limits>
#include <optional>
#include <utility>
#include <vector>

#include "album/album.h"
#include "album/page_tabs.h"
#include "base/text.h"
#include "view/folder_scan.h"

namespace quillory {

// The FolderBar's neighbours of the picture shown: what a plain click on "next" shows, then what
// "back" shows; none past either end, since the bar never wraps round.
std::vector<int> folderNeighbours(int folderIndex, int folderCount);

// A picture named as the step that shows it will name it: by its path, or, in a folder Page
// other than the one shown (whose list the step will make anew), by its place in that folder.
struct AheadPicture {
    Text path;             // the picture, or the folder Page's File; empty: nothing to decode
    int folderIndex = -1;  // -1: `path` is the picture
    bool byDate = false;   // the folder's order (TabSortByDate)
    bool operator==(const AheadPicture&) const = default;
};

// The picture at `position` as a step from the current Page would load it: the Page's File, the
// entry of `list` (the current folder's, with `folderCount` entries) or the place in another folder.
AheadPicture aheadPictureAt(const Album& album, PicturePosition position, const FolderList& list, int folderCount);

// The jobs wanted next and the one a worker has in hand, with the picture it decodes once that is
// known. A new wish replaces the old one; work no longer wished for is dropped, and the result of
// a job in hand then counts as stale, unless a step is waiting for that very picture. The job a
// window waits for before it can show anything comes first and outlives new wishes.
template <typename Job>
class DecodeAheadQueue {
public:
    // `jobs`, most wanted first. One already in hand is not queued again.
    void want(std::vector<Job> jobs) {
        wanted_ = std::move(jobs);
        requeue();
    }

    // The job a window waits for (nothing: none), taken before every wished one and kept through
    // new wishes until it is finished.
    void wantFirst(std::optional<Job> job) {
        first_ = std::move(job);
        requeue();
    }

    const std::optional<Job>& first() const { return first_; }

    // The bytes the pictures not yet kept may hold together, which the window's thread sets from
    // what its kept pictures leave free; without it they are not bounded.
    void setRoom(std::size_t bytes) { room_ = bytes; }

    // What the pictures not yet kept hold: the job in hand counts the bytes it was taken with
    // until it is finished, a result its own bytes until the window's thread has it.
    std::size_t inFlight() const { return inHandBytes_ + waitingBytes_; }

    // For the worker: the next job, in hand until finished, when its picture (`bytes`, as far
    // as can be told before decoding) fits the room beside what is in flight. The job a window
    // waits for is always taken: the window makes room for it as for a picture it decodes itself.
    // The job's picture is not known until named.
    std::optional<Job> take(std::size_t bytes = 0) {
        if (!canTake(bytes)) return std::nullopt;
        inHand_ = std::move(queued_.front());
        queued_.pop_front();
        pictureInHand_.reset();
        inHandBytes_ = bytes;
        return inHand_;
    }

    // Whether take(bytes) would hand out a job now.
    bool canTake(std::size_t bytes) const {
        if (inHand_ || queued_.empty()) return false;
        const bool waitedFor = first_ && *first_ == queued_.front();
        return waitedFor || (bytes <= room_ && inFlight() <= room_ - bytes);
    }

    // For the worker: the picture the job in hand decodes. A job that names its picture is named
    // under the same lock as it is taken; one that must first list a folder, once it has.
    void name(Text picture) {
        if (inHand_) pictureInHand_ = std::move(picture);
    }

    // Whether a step about to decode `picture` itself must first wait for the job in hand: that
    // job decodes it, or may, since its picture is not known yet.
    bool mayHold(TextView picture) const { return inHand_ && (!pictureInHand_ || *pictureInHand_ == picture); }

    // A step waits for `picture` (nothing: no longer): a result for it is kept whatever the wish.
    void await(std::optional<Text> picture) { awaited_ = std::move(picture); }

    // The worker is done with the job in hand: true when its result, of `resultBytes`, is still
    // wanted, or awaited, and so waits for the window's thread.
    bool finish(std::size_t resultBytes = 0) {
        if (!inHand_) return false;
        inHandBytes_ = 0;
        bool stillWanted = awaited_ && pictureInHand_ == awaited_;
        if (first_ && *first_ == *inHand_) {
            first_.reset();
            stillWanted = true;
        }
        for (const Job& job : wanted_) stillWanted = stillWanted || job == *inHand_;
        inHand_.reset();
        pictureInHand_.reset();
        if (stillWanted) waitingBytes_ += resultBytes;
        return stillWanted;
    }

    // The window's thread has taken every finished result.
    void handedOver() { waitingBytes_ = 0; }

    void clear() {
        first_.reset();
        want({});
    }

    const std::optional<Job>& inHand() const { return inHand_; }
    bool idle() const { return !inHand_ && queued_.empty(); }
    bool hasQueued() const { return !queued_.empty(); }

private:
    void requeue() {
        queued_.clear();
        const auto queue = [&](const Job& job) {
            if (!inHand_ || !(*inHand_ == job)) queued_.push_back(job);
        };
        if (first_) queue(*first_);
        for (const Job& job : wanted_) {
            if (!first_ || !(*first_ == job)) queue(job);
        }
    }

    std::optional<Job> first_;
    std::vector<Job> wanted_;
    std::deque<Job> queued_;
    std::optional<Job> inHand_;
    std::optional<Text> pictureInHand_;
    std::optional<Text> awaited_;
    std::size_t room_ = std::numeric_limits<std::size_t>::max();
    std::size_t inHandBytes_ = 0;
    std::size_t waitingBytes_ = 0;
};

}  // namespace quillory
