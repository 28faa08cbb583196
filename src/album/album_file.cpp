#include "album/album_file.h"

#include <algorithm>

#include "album/page_tabs.h"
#include "album/profile_text.h"
#include "album/special_folders.h"
#include "album/short_text.h"

namespace quillory {

namespace {

constexpr TextView kMainSection = u"Quillory";
constexpr TextView kUnicodeMark = u";Quillory";

ShortText pageSection(int page) {
    if (page == kDefaultPage) return ShortText(u"Page-Default");
    return ShortText(u"Page").appendNumber(page + 1);
}

// At most this many backups stand beside an album: "_Backup", then "_Backup2" and on.
constexpr int kBackupNames = 10;

Text backupPath(const Text& albumPath, int number) {
    const std::size_t dot = albumPath.rfind(u'.');
    const std::size_t slash = albumPath.find_last_of(u"\\/");
    const bool hasExtension = dot != Text::npos && (slash == Text::npos || dot > slash);
    ShortText suffix(u"_Backup");
    if (number > 1) suffix.appendNumber(number);
    return (hasExtension ? albumPath.substr(0, dot) : albumPath) + Text(suffix.append(u".qalbum").view());
}

// Keeps the album's bytes under the first backup name that is free, unless one already holds
// them. A backup holding anything else is an older past of the album and is never overwritten.
bool backUp(FileSystem& files, const Text& albumPath, std::span<const std::uint8_t> bytes) {
    for (int number = 1; number <= kBackupNames; ++number) {
        const Text backup = backupPath(albumPath, number);
        if (!files.exists(backup)) return files.writeNewFile(backup, bytes);
        if (files.holds(backup, bytes)) return true;
    }
    return false;
}

// "HistoryFileNumber01", "HistoryFileName01" and so on, made once: every load and save passes them all.
struct HistoryKeys {
    std::array<Text, kHistorySize> number;
    std::array<Text, kHistorySize> name;
};

const HistoryKeys& historyKeys() {
    static const HistoryKeys keys = [] {
        HistoryKeys made;
        for (std::size_t entry = 0; entry < kHistorySize; ++entry) {
            const int shown = static_cast<int>(entry) + 1;
            made.number[entry] = Text(ShortText(u"HistoryFileNumber").appendNumber(shown, 2));
            made.name[entry] = Text(ShortText(u"HistoryFileName").appendNumber(shown, 2));
        }
        return made;
    }();
    return keys;
}

// A text cut to its field as a save and the next load give it back: values are read without the
// blanks around them, so a text cut just after a blank, or a Hex twin with blanks at its ends,
// would otherwise read differently after every save.
Text asSaved(TextView text, std::size_t capacity) {
    return Text(trimBlanks(text.substr(0, capacity)));
}

// A missing key keeps the field's value: at the start of the program, its start value.
void readAlbumSettings(const IniDocument& doc, AlbumSettings& s) {
    const IniDocument::SectionRef main = doc.section(kMainSection);
    for (const SettingsKey& row : kSettingsKeys) {
        if (Text AlbumSettings::*text = textField(row.field)) {
            s.*text = asSaved(readProfileText(doc, main, row.key, s.*text), row.capacity);
        } else {
            setNumber(s, row.field, doc.readInt(main, row.key, numberIn(s, row.field)));
        }
    }
    if (SlideEffect.get(s.SlideStyle) >= 9) SlideEffect.set(s.SlideStyle, 2);
}

// At least one Page always exists.
std::int32_t storedPageCount(const IniDocument& doc) {
    return std::max(1, doc.readInt(kMainSection, kPageCountKey, kStartPageCount));
}

std::int32_t pageCount(const Album& album) {
    return static_cast<std::int32_t>(album.pages.size());
}

// The number of a section named "Page" followed by a decimal number without leading zeros (as
// pageSection makes them), or 0.
std::int64_t pageNumberOf(TextView section) {
    constexpr TextView prefix = u"PAGE";
    if (section.size() <= prefix.size() || section.size() > prefix.size() + 9) return 0;
    if (!equalsNoCase(section.substr(0, prefix.size()), prefix) || section[prefix.size()] == u'0') return 0;
    std::int64_t number = 0;
    for (const char16_t c : section.substr(prefix.size())) {
        if (c < u'0' || c > u'9') return 0;
        number = number * 10 + (c - u'0');
    }
    return number;
}

// The tab stored in the file, or with TabMainAtStart the tab of the main Page (of the first
// Page when none is main).
int startTab(const IniDocument& doc, const Album& album) {
    if ((album.settings.TabStyle & TabMainAtStart) == 0) {
        const int tab = doc.readInt(kMainSection, kTabNumberKey, 0);
        return tab >= 0 && tab < pageCount(album) ? tab : 0;
    }
    for (std::size_t page = 0; page < album.pages.size(); ++page) {
        if (album.pages[page].Flag & FlagMainPage) return pageToTab(album, static_cast<int>(page));
    }
    return pageToTab(album, 0);
}

// Only the appearance of new Pages is kept for the DefaultPage.
bool storedFor(bool isPage, const PageKey& row) {
    return isPage || storedForDefaultPage(row.role);
}

}  // namespace

AlbumFile::AlbumFile(Text path, FileSystem& files, CodePage& codePage, SpecialFolders& folders, std::int32_t pageCap)
    : path_(std::move(path)), files_(files), codePage_(codePage), folders_(folders), pageCap_(pageCap) {}

AlbumFile::Batch::Batch(AlbumFile& file) : file_(file) {
    ++file_.batchDepth_;
}

AlbumFile::Batch::~Batch() {
    if (--file_.batchDepth_ == 0) file_.finishBatch();
}

IniDocument& AlbumFile::document() {
    if (!document_) {
        const auto bytes = files_.readFile(path_);
        fileEncoding_ = bytes ? detectAlbumEncoding(*bytes) : AlbumEncoding::Ansi;
        // Only a file that is not there is missing; one that is there but unreadable (locked,
        // access denied, a short read) must not be taken for an empty album.
        unreadable_ = !bytes && files_.exists(path_);
        if (bytes && keptDocument_ && *bytes == keptBytes_) {
            document_ = std::move(keptDocument_);
        } else if (bytes) {
            document_ = IniDocument::parse(*bytes, fileEncoding_, codePage_);
        } else {
            // A file that vanished is started anew as a Unicode album when something is saved.
            document_.emplace();
            if (!unreadable_) document_->resetTo(kUnicodeMark, true);
        }
        keptDocument_.reset();
        keptBytes_ = bytes ? std::move(*bytes) : std::vector<std::uint8_t>();
    }
    return *document_;
}

void AlbumFile::finishBatch() {
    // Once per write rather than after every Page: saving every Page of a large album would
    // otherwise pass every section once per Page.
    if (pageSaved_) document_->separateSections();
    if (dirty_) {
        const bool mayWrite = !unreadable_ && !runsFromMemory_;
        std::vector<std::uint8_t> bytes = document_->serialise(codePage_);
        lastSaveFailed_ = !(mayWrite && files_.replaceFile(path_, bytes));
        if (lastSaveFailed_) {
            keptBytes_.clear();
        } else {
            keptBytes_ = std::move(bytes);
        }
    }
    // Running from memory, the document is the album's only copy and lives on.
    if (!runsFromMemory_) keepDocument();
    dirty_ = false;
    pageSaved_ = false;
    unreadable_ = false;
    folders_.clear();
}

// The next Batch takes the document again while the file holds the bytes it stands for. A saved
// ANSI document stands for nothing: the code page may have lost characters. Nor does one whose
// replaced lines outweigh the file, so a stand that saves all day does not grow it.
void AlbumFile::keepDocument() {
    const bool standsForFile = !keptBytes_.empty() && (!dirty_ || document_->isUnicode()) &&
                               document_->heldUnits() <= keptBytes_.size();
    if (standsForFile) keptDocument_ = std::move(document_);
    document_.reset();
}

void AlbumFile::startAlbum(Album& album) {
    Batch batch(*this);
    album.defaultPage = makeDefaultPage();
    loadPage(album, kDefaultPage, false);
    loadAlbum(album);
}

// A PageCount past the cap reaches only as far as the last section of a Page within it: a
// hand-edited count of millions holds no more Pages than its sections.
std::int32_t AlbumFile::pagesHeldBy(const IniDocument& doc, std::int32_t stored) const {
    if (stored <= pageCap_) return stored;
    std::int64_t last = pageCap_;
    for (std::size_t i = 0; i < doc.sectionCount(); ++i) {
        const std::int64_t number = pageNumberOf(doc.sectionName(i));
        if (number > last && number <= stored) last = number;
    }
    return static_cast<std::int32_t>(last);
}

bool AlbumFile::isPastCap(int page) const {
    return pagesPastCap_ != 0 && page >= pageCap_;
}

void AlbumFile::loadAlbum(Album& album) {
    Batch batch(*this);
    const IniDocument& doc = document();
    album.unicodeAlbum = fileIsUnicode();
    readAlbumSettings(doc, album.settings);
    pagesInFile_ = pagesHeldBy(doc, storedPageCount(doc));
    const std::int32_t loaded = std::min(pagesInFile_, pageCap_);
    pagesPastCap_ = pagesInFile_ - loaded;
    album.pages.assign(static_cast<std::size_t>(loaded), PageSettings{});
    for (int page = 0; page < loaded; ++page) loadPageFrom(doc, album, page, false);
    readHistory(doc, album);
    album.currentPage = tabToPage(album, startTab(doc, album));
    if (fileEncoding_ == AlbumEncoding::Utf16LeMarked) return;
    if (unreadable_) {
        runsFromMemory_ = true;
        rewriteAsUnicode(album, false);
        return;
    }
    convertToAlbumFormat(album, doc.hasSection(pageSection(kDefaultPage)));
}

// Either way the file's bytes are replaced, so only once a copy of them stands verified beside
// it (a missing or empty file has nothing to lose); without one the album runs from memory and
// the file stays as it is. A Unicode file in another form keeps its whole text, only written in
// the album format; a legacy file is written anew from what was read, its Hex twins gone.
void AlbumFile::convertToAlbumFormat(Album& album, bool hadDefaultPage) {
    if (!keptBytes_.empty() && !backUp(files_, path_, keptBytes_)) runsFromMemory_ = true;
    if (fileIsUnicode()) {
        dirty_ = true;
        return;
    }
    album.settings.TabStyle |= TabStatusBar;
    // The legacy file's Page-Default section would otherwise be lost with the conversion.
    rewriteAsUnicode(album, hadDefaultPage);
}

void AlbumFile::rewriteAsUnicode(const Album& album, bool withDefaultPage) {
    IniDocument& doc = document();
    doc.resetTo(kUnicodeMark, true);
    saveAlbumSettingsTo(doc, album, false);
    for (int page = 0; page < static_cast<int>(album.pages.size()); ++page) savePageTo(doc, album, page, kSaveAllGroups);
    if (withDefaultPage) savePageTo(doc, album, kDefaultPage, 255);
    dirty_ = true;
}

void AlbumFile::readHistory(const IniDocument& doc, Album& album) const {
    const HistoryKeys& keys = historyKeys();
    const IniDocument::SectionRef main = doc.section(kMainSection);
    for (std::size_t entry = 0; entry < kHistorySize; ++entry) {
        HistoryEntry& item = album.history[entry];
        item.pictureNumber = doc.readInt(main, keys.number[entry], -1);
        item.fileName = readText(doc, main, keys.name[entry], u"", kHistoryNameCapacity);
    }
}

Text AlbumFile::readText(const IniDocument& doc, IniDocument::SectionRef section, TextView key, TextView fallback,
                         std::size_t capacity) const {
    if (fileIsUnicode()) return asSaved(doc.value(section, key).value_or(fallback), capacity);
    return asSaved(readProfileText(doc, section, key, fallback), capacity);
}

Text AlbumFile::readComment(const IniDocument& doc, IniDocument::SectionRef section, int page) const {
    const std::int32_t lines = doc.readInt(section, u"Comment", 0);
    if (lines == 0) return Text(ShortText(u"Page").appendNumber(page + 1).append(u" コメント"));
    if (lines < 0) return Text();
    Text comment = readText(doc, section, commentLineKey(0), u"", kProfileTextCapacity);
    for (int line = 1; line < lines && comment.size() < kCommentCapacity; ++line) {
        comment += u"\r\n";
        comment += readText(doc, section, commentLineKey(line), u"", kProfileTextCapacity);
    }
    comment.resize(std::min(comment.size(), kCommentCapacity));
    return comment;
}

void AlbumFile::loadPage(Album& album, int page, bool newPage) {
    Batch batch(*this);
    IniDocument& doc = document();
    if (unreadable_ && !newPage) return;
    if (newPage) dropLeftoverSection(doc, page);
    if (isPastCap(page)) {
        // The section of that number belongs to a Page past the cap, not to this one.
        loadPageFrom(IniDocument(), album, page, newPage);
        return;
    }
    loadPageFrom(doc, album, page, newPage);
}

// A section beyond the Pages the file holds belongs to no Page (a Page removed by hand, or one
// past a count cut at the cap): a new Page must start from the defaults, not from its leftovers,
// nor from a second section of the same name that a hand-edited file may hold.
void AlbumFile::dropLeftoverSection(IniDocument& doc, int page) {
    if (page < pagesInFile_) return;
    const ShortText section = pageSection(page);
    while (doc.hasSection(section)) {
        doc.deleteSection(section);
        dirty_ = true;
    }
}

// Past the cap, Pages are loaded only as far as their sections go, so the last Page must have
// one (a new Page is saved only when it becomes current).
void AlbumFile::keepLastPageSection(IniDocument& doc, const Album& album) {
    const int last = static_cast<int>(album.pages.size()) - 1;
    if (last < pageCap_ || isPastCap(last) || doc.hasSection(pageSection(last))) return;
    savePageTo(doc, album, last, kSaveAllGroups);
}

void AlbumFile::loadPageFrom(const IniDocument& doc, Album& album, int page, bool newPage) {
    const bool isPage = page != kDefaultPage;
    if (isPage && (page < 0 || page >= static_cast<int>(album.pages.size()))) return;
    album.unicodeAlbum = fileIsUnicode();
    const ShortText name = pageSection(page);
    const IniDocument::SectionRef section = doc.section(name);
    // Every value is read before it is stored, so the DefaultPage can be its own defaults.
    const PageSettings& defaults = album.defaultPage;
    PageSettings& p = isPage ? album.pages[static_cast<std::size_t>(page)] : album.defaultPage;
    bool secondColoursFromDefault = newPage;
    for (const PageKey& row : kPageKeys) {
        if (!storedFor(isPage, row)) continue;
        Text PageSettings::*text = textField(row.field);
        switch (row.role) {
            case PageKeyRole::Version:
                setNumber(p, row.field, doc.readInt(section, row.key, 0));
                secondColoursFromDefault = newPage || static_cast<std::uint32_t>(p.PageVer) >= kPageVersion;
                break;
            case PageKeyRole::Label: p.*text = readText(doc, section, row.key, name, row.capacity); break;
            case PageKeyRole::Comment: p.*text = readComment(doc, section, page); break;
            case PageKeyRole::Path: p.*text = expandPath(readProfileText(doc, section, row.key, u""), folders_); break;
            case PageKeyRole::PageOnly: setNumber(p, row.field, doc.readInt(section, row.key, 0)); break;
            case PageKeyRole::SecondColour:
                // A Page from an older version gets a plain background.
                if (!secondColoursFromDefault) {
                    setNumber(p, row.field, doc.readInt(section, row.key, static_cast<std::int32_t>(p.FontColorBk)));
                    break;
                }
                [[fallthrough]];
            case PageKeyRole::Appearance:
                if (text) {
                    p.*text = readText(doc, section, row.key, defaults.*text, row.capacity);
                } else {
                    setNumber(p, row.field, doc.readInt(section, row.key, numberIn(defaults, row.field)));
                }
                break;
        }
    }
}

void AlbumFile::savePage(const Album& album, int page, unsigned groups) {
    Batch batch(*this);
    savePageTo(document(), album, page, groups);
}

void AlbumFile::savePageTo(IniDocument& doc, const Album& album, int page, unsigned groups) {
    const bool isPage = page != kDefaultPage;
    if (isPage && (page < 0 || page >= static_cast<int>(album.pages.size()) || isPastCap(page))) return;
    const ShortText section = pageSection(page);
    const PageSettings& p = isPage ? album.pages[static_cast<std::size_t>(page)] : album.defaultPage;
    for (const PageKey& row : kPageKeys) {
        if ((groups & row.group) == 0 || !storedFor(isPage, row)) continue;
        Text PageSettings::*text = textField(row.field);
        switch (row.role) {
            case PageKeyRole::Version: doc.writeInt(section, row.key, kPageVersion); break;
            case PageKeyRole::Label:
                doc.write(section, row.key, p.*text);
                deleteHexKey(doc, section, row.key);
                break;
            case PageKeyRole::Comment: writeComment(doc, section, p.*text); break;
            case PageKeyRole::Path: doc.write(section, row.key, tokenisePath(p.*text, folders_)); break;
            default:
                if (text) {
                    doc.write(section, row.key, p.*text);
                } else {
                    doc.writeInt(section, row.key, numberIn(p, row.field));
                }
        }
    }
    pageSaved_ = true;
    dirty_ = true;
}

void AlbumFile::saveAlbumSettings(const Album& album, bool withCurrentPage) {
    Batch batch(*this);
    saveAlbumSettingsTo(document(), album, withCurrentPage);
    keepLastPageSection(document(), album);
}

void AlbumFile::deletePageSection(int page) {
    // With Pages past the cap, removing a section would leave a hole before them.
    if (page < 0 || pagesPastCap_ != 0) return;
    Batch batch(*this);
    document().deleteSection(pageSection(page));
    dirty_ = true;
}

void AlbumFile::saveAlbumSettingsTo(IniDocument& doc, const Album& album, bool withCurrentPage) {
    const AlbumSettings& s = album.settings;
    for (const SettingsKey& row : kSettingsKeys) {
        if (Text AlbumSettings::*text = textField(row.field)) {
            doc.write(kMainSection, row.key, s.*text);
        } else if (row.key == kTabNumberKey) {
            doc.writeInt(kMainSection, row.key, pageToTab(album, album.currentPage));
        } else if (row.key == kPageCountKey) {
            doc.writeInt(kMainSection, row.key, pagesPastCap_ != 0 ? pagesInFile_ : pageCount(album));
        } else {
            doc.writeInt(kMainSection, row.key, numberIn(s, row.field));
        }
    }
    if (pagesPastCap_ == 0) pagesInFile_ = pageCount(album);
    if (withCurrentPage) savePageTo(doc, album, album.currentPage, kSaveAllGroups);
    const HistoryKeys& keys = historyKeys();
    for (std::size_t entry = 0; entry < kHistorySize; ++entry) {
        doc.writeInt(kMainSection, keys.number[entry], album.history[entry].pictureNumber);
        doc.write(kMainSection, keys.name[entry], album.history[entry].fileName);
    }
    dirty_ = true;
}

}  // namespace quillory
