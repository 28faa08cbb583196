#pragma once
// Loading the Album from its file and saving it back. Every save reads the file as it is now
// (so keys written by others survive), changes it in memory and writes it whole, once, through
// a temporary file. The file is parsed again only when its bytes differ from those last read
// or written. A failed write is remembered but not reported: the program goes on from
// memory. An album that exists but cannot be read is never written: what memory would put in
// its place could hold less than the file does.
#include <cstdint>
#include <optional>
#include <vector>

#include "album/album.h"
#include "album/album_encoding.h"
#include "album/album_keys.h"
#include "album/ini_document.h"
#include "album/special_folders.h"
#include "base/platform.h"

namespace quillory {

constexpr unsigned kSaveAllGroups = 15;  // what the album-wide saves pass
constexpr int kDefaultPage = -1;         // page argument meaning the DefaultPage

// The most Pages a run holds: a hand-edited PageCount cannot make the program allocate millions
// of records, nor a window of tens of thousands of tabs (see loadAlbum).
constexpr std::int32_t kMaxPageCount = 1000;

class AlbumFile {
public:
    AlbumFile(Text path, FileSystem& files, CodePage& codePage, SpecialFolders& folders,
              std::int32_t pageCap = kMaxPageCount);
    AlbumFile(const AlbumFile&) = delete;
    AlbumFile& operator=(const AlbumFile&) = delete;

    const Text& path() const { return path_; }

    // The start of the program: the DefaultPage's start values, the DefaultPage from the file,
    // then the album, all from one read of the file.
    void startAlbum(Album& album);
    // Reads the settings, every Page and the history, chooses the current Page, and turns a
    // legacy (ANSI) file, a Unicode file in another form than the album format, or a missing
    // file into an album in the album format. A file that was there is converted only after a
    // verified backup of it; when none can be made, the album runs from memory.
    // At most the cap of Pages are loaded. The Pages the file holds past it (as far as the last
    // section of a Page within its PageCount) are kept in the file as they are: no save writes or
    // removes their sections, PageCount is written back as the file had it, and the number of
    // Pages is then fixed for the run (see pagesPastCap).
    // When the file exists but cannot be read, the album starts with every default and runs
    // from memory: the file is never written for the rest of the run.
    void loadAlbum(Album& album);
    // Fills one Page (index) or the DefaultPage (kDefaultPage) from its section. A Page whose
    // file cannot be read now keeps what it holds. A new Page (just added) never takes the values
    // of a section left over beyond the file's PageCount: that section is dropped.
    void loadPage(Album& album, int page, bool newPage);
    // Writes one Page's or the DefaultPage's section; `groups` holds SaveText and/or SavePicture.
    void savePage(const Album& album, int page, unsigned groups);
    // Writes the main section; with `withCurrentPage` also the current Page before the history.
    void saveAlbumSettings(const Album& album, bool withCurrentPage);
    // Removes the section of the Page with this index (after removing a Page, the former last
    // Page's section is left over).
    void deletePageSection(int page);

    // The Pages the file holds past the cap, which this run does not load; while there are any,
    // Pages can be neither added nor removed (their sections would meet those Pages').
    std::int32_t pagesPastCap() const { return pagesPastCap_; }
    std::int32_t pageCap() const { return pageCap_; }

    // The last write of the file failed or was withheld (the file could not be read first, or
    // the album runs from memory); cleared by the next write that succeeds.
    bool lastSaveFailed() const { return lastSaveFailed_; }

    // While a Batch exists, loads and saves work on one copy of the file in memory; the file is
    // written once when the outermost Batch ends (and only if something was saved).
    class Batch {
    public:
        explicit Batch(AlbumFile& file);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        AlbumFile& file_;
    };

private:
    IniDocument& document();
    void keepDocument();
    void finishBatch();
    void loadPageFrom(const IniDocument& doc, Album& album, int page, bool newPage);
    Text readComment(const IniDocument& doc, IniDocument::SectionRef section, int page) const;
    Text readText(const IniDocument& doc, IniDocument::SectionRef section, TextView key, TextView fallback,
                  std::size_t capacity) const;
    void readHistory(const IniDocument& doc, Album& album) const;
    void savePageTo(IniDocument& doc, const Album& album, int page, unsigned groups);
    void saveAlbumSettingsTo(IniDocument& doc, const Album& album, bool withCurrentPage);
    void convertToAlbumFormat(Album& album, bool hadDefaultPage);
    bool fileIsUnicode() const { return fileEncoding_ != AlbumEncoding::Ansi; }
    void rewriteAsUnicode(const Album& album, bool withDefaultPage);
    std::int32_t pagesHeldBy(const IniDocument& doc, std::int32_t stored) const;
    bool isPastCap(int page) const;  // the index is that of a Page held past the cap
    void dropLeftoverSection(IniDocument& doc, int page);
    void keepLastPageSection(IniDocument& doc, const Album& album);

    Text path_;
    FileSystem& files_;
    CodePage& codePage_;
    CachedSpecialFolders folders_;  // forgotten when the outermost Batch ends
    std::int32_t pageCap_;
    std::int32_t pagesInFile_ = 0;  // the Pages the file holds: as loaded, then as last saved
    std::int32_t pagesPastCap_ = 0;
    int batchDepth_ = 0;
    std::optional<IniDocument> document_;  // the file's content while a Batch is open (for good when
                                           // the album runs from memory)
    std::optional<IniDocument> keptDocument_;  // the last Batch's document, and the bytes it was read
    std::vector<std::uint8_t> keptBytes_;      // from or written as: taken again while the file holds them
    AlbumEncoding fileEncoding_ = AlbumEncoding::Ansi;  // of the file when it was read
    bool dirty_ = false;                    // document_ holds changes not yet written
    bool pageSaved_ = false;                // this Batch saved a Page: its sections are set apart at its end
    bool unreadable_ = false;               // this Batch found the file but could not read it
    bool runsFromMemory_ = false;           // the start could not read the file, or back it up before
                                            // converting it: never write it
    bool lastSaveFailed_ = false;
};

}  // namespace quillory
