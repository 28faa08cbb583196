#pragma once
// One album is shown by one process: the first start holds the album's named mutex for its whole
// run and marks its stand window with the album's key; a later start of the same album finds the
// mutex taken, brings that window forward and ends.
#include <windows.h>

#include <optional>

#include "app/single_instance.h"
#include "base/gdi_handles_win.h"

namespace quillory {

inline void closeKernelHandle(HANDLE handle) { CloseHandle(handle); }
using AlbumLock = UniqueHandle<HANDLE, closeKernelHandle>;

// The key of the album file at `fullPath`, whichever way the path spells its folders and letters.
AlbumKey albumKeyForFile(const Text& fullPath);

// The album's mutex once this process holds it; nothing when another process shows the album
// (its window is brought forward, restored when minimised) or is still starting with it and
// shows no window within a few seconds. Taken before the album is read. A system that will not
// make the mutex gives an empty lock: the album is then shown without the check.
std::optional<AlbumLock> claimAlbum(const AlbumKey& key);

// The stand marks itself while it exists, so a later start of its album finds this very window
// and not another album's of the same name.
void markAlbumWindow(HWND stand, const AlbumKey& key);
void unmarkAlbumWindow(HWND stand);

}  // namespace quillory
