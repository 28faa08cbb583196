#pragma once
// What changes while a person looks at the stand, and what each such change touches on screen.
// Every command that changes the current Page, its picture or the Pages returns a Changes set;
// the stand's window applies the set in one place (stand_screen_win.h), which alone decides what
// is laid out, reloaded, repainted and refreshed. A new command then cannot forget a repaint.
#include <functional>

#include "album/album.h"
#include "album/album_file.h"
#include "stand/page_commands.h"
#include "view/folder_watch.h"
#include "view/viewing_record.h"

namespace quillory {

enum class Change : unsigned {
    Layout = 1u << 0,      // the window's size or parts moved: lay out again
    Folder = 1u << 1,      // the current folder Page's folder must be listed again
    Picture = 1u << 2,     // the current Page's picture or its colours: load it again
    Look = 1u << 3,        // the same picture drawn otherwise (fit mode, overlay): paint again
    Tabs = 1u << 4,        // the Pages or their labels: the tab row is filled again
    Status = 1u << 5,      // the status bar's location text
    History = 1u << 6,     // the slide show's picture history was cleared
    Menus = 1u << 7,       // the system menu's current-Page items
    TabFont = 1u << 8,     // the tabs' font: their rows and the PageView's place follow it
    StatusFont = 1u << 9,  // the status bar's font and its parts
    TabLayout = 1u << 10,  // the tabs' position and rows: they slide out, take them and their font, and slide in
    Translucency = 1u << 11,  // the window's layered style and opacity
    Topmost = 1u << 12,       // the window's band: topmost or normal
};

class Changes {
public:
    constexpr Changes() = default;
    constexpr Changes(Change change) : bits_(static_cast<unsigned>(change)) {}
    constexpr Changes operator|(Changes other) const { return fromBits(bits_ | other.bits_); }
    constexpr Changes& operator|=(Changes other) { return *this = *this | other; }
    constexpr bool has(Change change) const { return (bits_ & static_cast<unsigned>(change)) != 0; }
    constexpr bool any() const { return bits_ != 0; }
    // Whatever shows in the view's picture surfaces differs from what they painted last.
    constexpr bool repaintsView() const {
        return has(Change::Layout) || has(Change::Folder) || has(Change::Picture) || has(Change::Look) || has(Change::Tabs);
    }
    constexpr bool operator==(const Changes&) const = default;

private:
    static constexpr Changes fromBits(unsigned bits) {
        Changes changes;
        changes.bits_ = bits;
        return changes;
    }
    unsigned bits_ = 0;
};

constexpr Changes operator|(Change left, Change right) { return Changes(left) | right; }

// The stand's window was sized, or came back from the slide show's compact window.
Changes resized();

// Lists a folder (its path ends in "\\") into the cursor's FolderList and returns its picture count.
using FolderLister = std::function<int(const Text& folder)>;

// A picture file or folder for `page`: it shows from its first picture (a folder is listed at
// once into the cursor, and the Page keeps its count), and the slide show's history, which
// numbers the old pictures, is forgotten. `page` is one of the album's or the Page settings'
// working copy of the current one.
Changes givePage(Album& album, PageSettings& page, FolderCursor& cursor, const NewPagePicture& picture, const FolderLister& list);

// givePage for the current Page, dropped on it or chosen from its menu. Nothing changes on a
// locked Page.
Changes giveCurrentPage(Album& album, FolderCursor& cursor, const NewPagePicture& picture, const FolderLister& list);

// A fit mode chosen from the menu, saved with the Page's picture fields. The picture is loaded
// again: a kept picture shrunk for the old fit may lack the pixels the new one draws.
Changes chooseFitMode(Album& album, AlbumFile& file, unsigned mode);

// The Page settings show a fit mode on the live Page before OK: loaded again as chosen.
Changes fitModePreviewed();

// The Page settings dialog closed. OK may have changed anything of the Page (label, picture,
// colours, texts); キャンセル puts back what the dialog showed meanwhile (the fit mode's preview, a
// folder listed for a choice).
Changes pageSettingsClosed(bool accepted);

// The current folder Page's folder was listed again because its pictures changed: the cursor
// takes the new place and the Page its count. A new count renumbers the pictures of the Pages
// after it, so the slide show's history is forgotten.
Changes folderRelisted(Album& album, FolderCursor& cursor, const FolderPlace& place);

// Pages were added, duplicated, deleted or replaced: a new view shows the current Page under new tabs.
Changes pagesRebuilt();

}  // namespace quillory
