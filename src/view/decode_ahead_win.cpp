#include "view/decode_ahead_win.h"

#include <windows.h>

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "draw/page_painter_win.h"
#include "view/shown_picture_win.h"
#include "view/folder_scan_win.h"
#include "view/picture_load_win.h"

namespace quillory {

namespace {

constexpr UINT kPicturesDecoded = WM_APP + 1;
constexpr wchar_t kNoticeClass[] = L"QuilloryDecodeAhead";

// A picture the worker finished, with the stamp its file had before it was read.
struct DecodedAhead {
    Text path;
    FileStamp stamp;
    SharedPicture picture;
};

// The path a step will load: a folder other than the one shown is listed here, off the window's thread.
Text resolvedPath(const AheadPicture& picture, const std::atomic<bool>* stop) {
    if (picture.folderIndex < 0) return picture.path;
    if (picture.folderIndex >= kFolderListCapacity) return {};
    const auto list = std::make_unique<FolderList>();
    const int count = scanFolderInto(*list, picture.path, picture.byDate, /*gdiplusActive=*/true, stop);
    return picture.folderIndex < count ? list->entries[static_cast<std::size_t>(picture.folderIndex)].path : Text();
}

// The worker and what it shares with the window's thread, guarded by `mutex_` (the notice window
// and the pictures kept since the last wish belong to the window's thread alone).
class AheadWorker {
public:
    void want(std::vector<AheadRequest> requests) {
        if (requests.empty() && !thread_.joinable()) return;
        start();
        {
            const std::lock_guard lock(mutex_);
            queue_.want(std::move(requests));
        }
        keptThisWish_.clear();
        updateRoom();
    }

    void wantFirst(AheadRequest request, HWND window, WORD command) {
        start();
        {
            const std::lock_guard lock(mutex_);
            queue_.wantFirst(std::move(request));
            waiting_ = {window, command};
        }
        updateRoom();
    }

    // The kept pictures make room for those in flight, the next job and the window's own decode
    // (`decodingInWindow` bytes), and the worker is told what is left for its jobs.
    void updateRoom() {
        std::size_t incoming = windowDecode_;
        {
            const std::lock_guard lock(mutex_);
            incoming += queue_.inFlight() + (queue_.hasQueued() ? jobBytes_ : 0);
        }
        const std::size_t free = makeRoomForPicturesInFlight(incoming, keptThisWish_);
        {
            const std::lock_guard lock(mutex_);
            queue_.setRoom(free > windowDecode_ ? free - windowDecode_ : 0);
        }
        wake_.notify_all();
    }

    void decodingInWindow(std::size_t bytes) {
        windowDecode_ = bytes;
        updateRoom();
    }

    // `path` empty: only keeps what is finished, never waits.
    void collect(const Text& path) {
        std::vector<DecodedAhead> done;
        {
            std::unique_lock lock(mutex_);
            if (!path.empty()) {
                queue_.await(path);
                finished_.wait(lock, [&] { return !queue_.mayHold(path); });
                queue_.await(std::nullopt);
            }
            done.swap(done_);
            queue_.handedOver();
        }
        for (DecodedAhead& decoded : done) {
            // A file written since it was read is decoded afresh by the step that shows it.
            if (pictureFileStamp(decoded.path) != decoded.stamp) continue;
            keepPictureDecodedAhead(decoded.path, decoded.stamp, std::move(decoded.picture), keptThisWish_);
            keptThisWish_.push_back(std::move(decoded.path));
        }
        updateRoom();
    }

    void stop() {
        if (!thread_.joinable()) return;
        std::optional<WaitingWindow> waiting;
        {
            const std::lock_guard lock(mutex_);
            stopping_ = true;
            stopSignal_ = true;
            if (queue_.first()) waiting = waiting_;
            queue_.clear();
        }
        wake_.notify_all();
        thread_.join();
        std::vector<DecodedAhead> dropped;
        {
            const std::lock_guard lock(mutex_);
            dropped.swap(done_);
            queue_.handedOver();
            stopping_ = false;
            stopSignal_ = false;
        }
        keptThisWish_.clear();
        if (notice_ != nullptr) DestroyWindow(notice_);
        notice_ = nullptr;
        if (waiting) waiting->tell();  // it decodes its picture itself
    }

    bool busy() {
        const std::lock_guard lock(mutex_);
        return queue_.inHand() || queue_.canTake(jobBytes_) || !done_.empty();
    }

private:
    static LRESULT CALLBACK noticeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    void start() {
        if (thread_.joinable()) return;
        jobBytes_ = screenPictureBytes();
        notice_ = CreateWindowExW(0, noticeClass(), L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr), nullptr);
        thread_ = std::thread([this] { run(); });
    }

    static const wchar_t* noticeClass() {
        static const ATOM atom = [] {
            WNDCLASSW windowClass{};
            windowClass.lpfnWndProc = noticeProc;
            windowClass.hInstance = GetModuleHandleW(nullptr);
            windowClass.lpszClassName = kNoticeClass;
            return RegisterClassW(&windowClass);
        }();
        return atom != 0 ? kNoticeClass : nullptr;
    }

    void run() {
        std::unique_lock lock(mutex_);
        while (!stopping_) {
            const std::optional<AheadRequest> job = queue_.take(jobBytes_);
            if (!job) {
                wake_.wait(lock);
                continue;
            }
            if (job->picture.folderIndex < 0) queue_.name(job->picture.path);
            lock.unlock();
            std::optional<DecodedAhead> decoded = decodeGuarded(*job);
            const std::size_t bytes = decoded ? heldPictureBytes(*decoded->picture, decoded->stamp.size) : 0;
            lock.lock();
            const bool waitedFor = queue_.first() == *job;
            const bool wanted = queue_.finish(bytes) && !stopping_;
            if (wanted && decoded) {
                done_.push_back(std::move(*decoded));
                PostMessageW(notice_, kPicturesDecoded, 0, 0);
            }
            // Decoded or not: the window loads its picture now, from what is kept or by itself.
            if (wanted && waitedFor) waiting_.tell();
            finished_.notify_all();
            if (decoded) {  // stale or failed: let go outside the lock
                lock.unlock();
                decoded.reset();
                lock.lock();
            }
        }
    }

    // Nothing escapes the worker: memory that cannot be had for one picture leaves it to the step.
    std::optional<DecodedAhead> decodeGuarded(const AheadRequest& job) {
        try {
            return decode(job);
        } catch (...) {
            return std::nullopt;
        }
    }

    // Decoded and fitted, or nothing: a file that vanished or cannot be decoded is left to the
    // step, which decodes it on demand as it always did.
    std::optional<DecodedAhead> decode(const AheadRequest& job) {
        const Text path = resolvedPath(job.picture, &stopSignal_);
        if (path.empty() || !handOver(path)) return std::nullopt;
        const std::optional<FileStamp> stamp = pictureFileStamp(path);
        if (!stamp) return std::nullopt;
        SharedPicture picture = decodedPicture(path, fitModeOf(job.page.PhotoFlag), &stopSignal_);
        if (picture->picture.image() == nullptr || stopRequested()) return std::nullopt;
        const PhotoInfo info = photoInfoOf(path, job.page, /*gdiplusActive=*/true, picture->metrics, {});
        const PageScene scene = pageSceneOf(job.page, overlayTextFor(job.page, info, job.overlay), job.overlay.dpi);
        picture->painter.prepare(job.area, scene, picture->picture, PaintPath::GdiPlus);
        // The window's thread copies from the painter's bitmaps: what GDI batched here must be in them.
        GdiFlush();
        return DecodedAhead{path, *stamp, std::move(picture)};
    }

    // Names the picture in hand, so the window's thread waits for it rather than decoding it a
    // second time; false once the worker is to stop.
    bool handOver(const Text& path) {
        {
            const std::lock_guard lock(mutex_);
            queue_.name(path);
        }
        finished_.notify_all();  // a step waiting for another picture goes on
        return !stopRequested();
    }

    bool stopRequested() {
        const std::lock_guard lock(mutex_);
        return stopping_;
    }

    // The window that shows nothing until the queue's first job is done, and the command it is sent.
    struct WaitingWindow {
        HWND window = nullptr;
        WORD command = 0;
        void tell() const { PostMessageW(window, WM_COMMAND, command, 0); }
    };

    std::mutex mutex_;
    std::condition_variable wake_;      // the worker: work to do, or stop
    std::condition_variable finished_;  // the window's thread: the job in hand is done
    DecodeAheadQueue<AheadRequest> queue_;
    std::vector<DecodedAhead> done_;
    WaitingWindow waiting_;
    bool stopping_ = false;
    std::atomic<bool> stopSignal_{false};  // stopping_, for the scan and the decode in progress
    std::thread thread_;
    std::size_t jobBytes_ = 0;          // what a job is expected to hold, set before the worker starts
    HWND notice_ = nullptr;             // receives kPicturesDecoded on the window's thread
    std::vector<Text> keptThisWish_;    // the window's thread only: kept since the last wish
    std::size_t windowDecode_ = 0;      // the window's thread only: its own decode in progress
};

// Never destroyed at exit, like the kept pictures; forgetKeptPictures has stopped it by then.
AheadWorker& aheadWorker() {
    static auto* worker = new AheadWorker;
    return *worker;
}

LRESULT CALLBACK AheadWorker::noticeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != kPicturesDecoded) return DefWindowProcW(window, message, wParam, lParam);
    aheadWorker().collect(Text());
    return 0;
}

}  // namespace

void decodeAhead(std::vector<AheadRequest> requests) {
    std::vector<AheadRequest> wanted;
    for (AheadRequest& request : requests) {
        AheadPicture& picture = request.picture;
        if (picture.folderIndex < 0) picture.path = fullPathName(picture.path).value_or(picture.path);
        if (picture.path.empty() || (picture.folderIndex < 0 && isPictureKept(picture.path, fitModeOf(request.page.PhotoFlag)))) continue;
        wanted.push_back(std::move(request));
    }
    aheadWorker().want(std::move(wanted));
}

void decodeForWindow(AheadRequest request, HWND window, WORD command) {
    AheadPicture& picture = request.picture;
    if (picture.folderIndex < 0) picture.path = fullPathName(picture.path).value_or(picture.path);
    const bool kept = picture.folderIndex < 0 && isPictureKept(picture.path, fitModeOf(request.page.PhotoFlag));
    if (picture.path.empty() || kept) {
        PostMessageW(window, WM_COMMAND, command, 0);
        return;
    }
    aheadWorker().wantFirst(std::move(request), window, command);
}

void collectDecodedAhead(const Text& path) { aheadWorker().collect(path); }

void decodingInWindow(std::size_t bytes) { aheadWorker().decodingInWindow(bytes); }

void stopDecodingAhead() { aheadWorker().stop(); }

bool decodingAhead() { return aheadWorker().busy(); }

}  // namespace quillory
