#include "view/folder_watch_win.h"

#include <utility>

#include "base/wide_win.h"
#include "view/folder_scan_win.h"

namespace quillory {

namespace {

// Names come and go, and a copied picture is written after its name appears.
constexpr DWORD kWatchedChanges = FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME | FILE_NOTIFY_CHANGE_LAST_WRITE;
// A burst of changes is over when this long passes without another; a folder that never falls
// quiet is still listed this often.
constexpr DWORD kQuietMilliseconds = 300;
constexpr ULONGLONG kLongestBurstMilliseconds = 3000;

enum class Wake { Stop, Change, Quiet };

Wake waitForChange(HANDLE stop, HANDLE change, DWORD milliseconds) {
    const HANDLE handles[] = {stop, change};
    switch (WaitForMultipleObjects(2, handles, FALSE, milliseconds)) {
        case WAIT_OBJECT_0 + 1: return Wake::Change;
        case WAIT_TIMEOUT: return Wake::Quiet;
        default: return Wake::Stop;  // stopped, or the wait itself failed: either way the watch ends
    }
}

}  // namespace

void FolderWatch::watch(const FolderToWatch& folder) {
    if (watched_ == folder) return;
    stop();
    watched_ = folder;
    const std::optional<Text> full = fullPathName(folder.folder);
    if (!full) return;
    const HANDLE change = FindFirstChangeNotificationW(wide(folderOfPath(*full)), FALSE, kWatchedChanges);
    if (change == INVALID_HANDLE_VALUE) return;
    stopEvent_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (stopEvent_ == nullptr) {
        FindCloseChangeNotification(change);
        return;
    }
    thread_ = std::thread([this, folder, change] { run(folder, change); });
}

void FolderWatch::stop() {
    if (thread_.joinable()) {
        SetEvent(stopEvent_);
        thread_.join();
    }
    if (stopEvent_ != nullptr) CloseHandle(stopEvent_);
    stopEvent_ = nullptr;
    watched_.reset();
    const std::lock_guard lock(mutex_);
    waiting_.reset();
}

std::optional<FolderRelisting> FolderWatch::take() {
    const std::lock_guard lock(mutex_);
    return std::exchange(waiting_, std::nullopt);
}

bool FolderWatch::stopping() const { return WaitForSingleObject(stopEvent_, 0) != WAIT_TIMEOUT; }

// The thread owns `change` and closes it when the watch ends.
void FolderWatch::run(FolderToWatch folder, HANDLE change) {
    bool watching = true;
    while (watching && waitForChange(stopEvent_, change, INFINITE) == Wake::Change) {
        watching = settle(change);
        if (stopping()) break;
        auto list = std::make_unique<FolderList>();
        const int count = scanFolderInto(*list, folder.folder, folder.sortByDate, folder.gdiplusActive);
        if (stopping()) break;
        {
            const std::lock_guard lock(mutex_);
            waiting_ = FolderRelisting{folder, std::move(list), count};  // an older one not taken is out of date
        }
        PostMessageW(notify_, message_, 0, 0);
    }
    FindCloseChangeNotification(change);
}

// Waits out a burst of changes. False when the folder can no longer be watched (it went): its
// last listing is still made, and the watch then ends.
bool FolderWatch::settle(HANDLE change) {
    const ULONGLONG start = GetTickCount64();
    for (;;) {
        if (!FindNextChangeNotification(change)) return false;
        if (GetTickCount64() - start >= kLongestBurstMilliseconds) return true;
        if (waitForChange(stopEvent_, change, kQuietMilliseconds) != Wake::Change) return true;
    }
}

}  // namespace quillory
