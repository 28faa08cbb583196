#pragma once
// The commands that come as a run of identifiers, one per Page or per history entry. Each run is
// derived from the count it serves, so the menus and the stand cannot disagree with the cap.
#include "album/album.h"
#include "album/album_file.h"
#include "resource.h"

namespace quillory {

struct CommandRange {
    int first = 0;
    int count = 0;

    constexpr int last() const { return first + count - 1; }
    constexpr bool contains(int command) const { return command >= first && command <= last(); }
    constexpr int indexOf(int command) const { return command - first; }
    constexpr int command(int index) const { return first + index; }
};

inline constexpr CommandRange kPageCommands{IDM_PAGE_FIRST, kMaxPageCount};
inline constexpr CommandRange kHistoryCommands{IDM_HISTORY_FIRST, static_cast<int>(kHistorySize)};

// The fixed identifiers of the menus' single commands stand below and above the Page run.
static_assert(kPageCommands.first > IDM_MAIN_PAGE && kPageCommands.last() < IDM_CHOOSE_PICTURE);
static_assert(kHistoryCommands.last() == IDM_HISTORY_LAST && kHistoryCommands.last() < IDM_OPEN_FILE);

}  // namespace quillory
