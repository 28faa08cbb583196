#pragma once
// The Album as the program keeps it in memory: global settings, one record per Page, the
// template for new Pages and the slide show's picture history. Field names are the album
// file's key names, so a reader of the file finds the field and the other way round.
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "base/text.h"

namespace quillory {

// Capacities of the text fields, in UTF-16 code units without the terminator.
constexpr std::size_t kPathCapacity = 261;
constexpr std::size_t kLabelCapacity = 31;
constexpr std::size_t kCommentCapacity = 99;
constexpr std::size_t kFontNameCapacity = 34;
constexpr std::size_t kTabFontNameCapacity = 35;
constexpr std::size_t kHistoryNameCapacity = 259;
constexpr std::size_t kHistorySize = 8;

// TabStyle bits.
constexpr std::uint32_t TabBottom = 0x1;
constexpr std::uint32_t TabMultiLine = 0x2;
constexpr std::uint32_t TabAnimate = 0x100;
constexpr std::uint32_t TabNoTaskbar = 0x200;
constexpr std::uint32_t TabTopmost = 0x400;
constexpr std::uint32_t TabTranslucent = 0x4000;
constexpr std::uint32_t TabDropNewPage = 0x8000;
constexpr std::uint32_t TabStatusBar = 0x10000;
constexpr std::uint32_t TabMarkedMenu = 0x100000;
constexpr std::uint32_t TabMainAtStart = 0x800000;
constexpr std::uint32_t TabSortByDate = 0x10000000;

// SlideStyle bits.
constexpr std::uint32_t SlideOn = 0x1;
constexpr std::uint32_t SlideJitter = 0x2;

// Flag bits.
constexpr std::uint32_t FlagLocked = 0x1;
constexpr std::uint32_t FlagUnmarked = 0x2000;
constexpr std::uint32_t FlagMainPage = 0x8000;
constexpr std::uint32_t FlagFolder = 0x10000000;

// PhotoFlag bits.
constexpr std::uint32_t ShowLabel = 0x10;
constexpr std::uint32_t ShowComment = 0x20;
constexpr std::uint32_t ShowFileName = 0x40;
constexpr std::uint32_t ShowDate = 0x80;
constexpr std::uint32_t ShowCamera = 0x100;
constexpr std::uint32_t ShowExposure = 0x200;
constexpr std::uint32_t ShowGps = 0x400;
constexpr std::uint32_t ShowDirection = 0x800;
constexpr std::uint32_t DateShort = 0x1000;
constexpr std::uint32_t GpsShort = 0x2000;
constexpr std::uint32_t ShowAuthor = 0x10000;
constexpr std::uint32_t DirectionDetail = 0x10000000;

// FontStyle bits.
constexpr std::uint32_t FontBold = 0x1;
constexpr std::uint32_t FontItalic = 0x2;
constexpr std::uint32_t FontUnderline = 0x4;

// A field of several bits inside a bit set: FitModeBits.get(page.PhotoFlag), FitModeBits.set(page.PhotoFlag, 2).
struct BitField {
    unsigned shift;
    unsigned width;

    constexpr std::uint32_t mask() const { return ((1u << width) - 1u) << shift; }
    constexpr unsigned get(std::uint32_t bits) const { return (bits & mask()) >> shift; }
    constexpr void set(std::uint32_t& bits, unsigned value) const {
        bits = (bits & ~mask()) | ((static_cast<std::uint32_t>(value) << shift) & mask());
    }
};

// In TabStyle.
constexpr BitField TabStatusFontSize{24, 4};
constexpr BitField TabDoubleClick{29, 3};
// In SlideStyle.
constexpr BitField SlideOrder{4, 4};
constexpr BitField SlideEffect{8, 4};
constexpr BitField SlideEffectTime{12, 4};
constexpr BitField SlideInfo{16, 4};
// In PhotoFlag.
constexpr BitField FitModeBits{0, 4};
constexpr BitField TextCorner{14, 2};
constexpr BitField colourSlotIndex{18, 2};

// The main section. A new AlbumSettings holds the start values of the album file's key table
// (album_keys.h). The file's TabNumber is not kept here: it is the tab of Album::currentPage; nor
// is its PageCount: it is the size of Album::pages.
struct AlbumSettings {
    AlbumSettings();

    std::int32_t xPosi{};
    std::int32_t yPosi{};
    std::int32_t xSize{};
    std::int32_t ySize{};
    std::uint32_t TabStyle{};
    std::int16_t LayerWindowLevel{};
    Text TabFontName;
    std::int32_t TabFontSize{};
    std::uint32_t SlideStyle{};
    std::int32_t SlideInterval{};
};

// One Page (one tab). A cleared record; new Pages take their appearance from the DefaultPage.
struct PageSettings {
    std::int32_t PageVer = 0;
    Text Label;
    Text Comment;  // lines joined with CR LF
    Text File;     // picture path, or folder path ending in a backslash, or empty
    std::int32_t FolderFileNo = 0;
    std::int32_t FileNum = 0;
    std::uint32_t Flag = 0;
    std::uint32_t PhotoFlag = 0;
    Text FontName;
    std::int32_t FontSize = 0;
    std::uint32_t FontStyle = 0;
    std::uint8_t FontAlpha = 0;
    std::uint32_t FontColor = 0;  // colours are 0x00BBGGRR
    std::uint32_t FontColor2 = 0;
    std::uint32_t FontColorBk = 0;
    std::uint32_t FontColorBk2 = 0;
};

// The DefaultPage's values before the album file is read (the start values of the key table).
PageSettings makeDefaultPage();

struct HistoryEntry {
    std::int32_t pictureNumber = -1;  // -1: empty
    Text fileName;                    // without the folder
};

struct Album {
    AlbumSettings settings;
    std::vector<PageSettings> pages;
    PageSettings defaultPage;
    std::array<HistoryEntry, kHistorySize> history;  // entry 0 is the newest
    int currentPage = 0;  // the one record of which Page is current; the file stores its tab
    bool unicodeAlbum = false;
};

// Empties all eight history entries (after the pictures were renumbered).
void clearHistory(Album& album);

// The current Page; none while the album has no Pages (or an index no Page answers).
PageSettings* currentPageOf(Album& album);
const PageSettings* currentPageOf(const Album& album);

}  // namespace quillory
