#pragma once
// Watching the shown folder Page's folder for pictures added, removed or renamed. The system's
// change notification is waited for on a thread of the watch's own; a burst of changes (a copy
// of many files) settles into one listing, made on that thread too. The listing waits in the
// watch until the window's thread takes it, told by a message posted to `notify` that carries
// nothing.
#include <windows.h>

#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "base/text.h"
#include "view/folder_scan.h"

namespace quillory {

struct FolderToWatch {
    Text folder;  // a folder Page's File: the folder's path ending in "\\"
    bool sortByDate = false;
    bool gdiplusActive = false;
    bool operator==(const FolderToWatch&) const = default;
};

struct FolderRelisting {
    FolderToWatch watched;              // what the listing was made for
    std::unique_ptr<FolderList> list;   // ordered as the view orders it
    int count = 0;
};

class FolderWatch {
public:
    FolderWatch(HWND notify, UINT message) : notify_(notify), message_(message) {}
    ~FolderWatch() { stop(); }
    FolderWatch(const FolderWatch&) = delete;
    FolderWatch& operator=(const FolderWatch&) = delete;

    // Starts watching `folder`, in place of any other; watching it already changes nothing. A
    // folder the system cannot watch (gone, or not a folder) is simply not watched.
    void watch(const FolderToWatch& folder);
    // Ends the watch and its thread before returning; a listing not yet taken is dropped.
    void stop();
    // The newest listing since the last take, if any.
    std::optional<FolderRelisting> take();

private:
    void run(FolderToWatch folder, HANDLE change);
    bool settle(HANDLE change);
    bool stopping() const;

    HWND notify_;
    UINT message_;
    std::optional<FolderToWatch> watched_;
    std::thread thread_;
    HANDLE stopEvent_ = nullptr;  // owned; set to end the thread
    std::mutex mutex_;
    std::optional<FolderRelisting> waiting_;  // guarded by mutex_
};

}  // namespace quillory
