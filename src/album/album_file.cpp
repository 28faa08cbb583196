#include "album/album_file.h"

#include <algorithm>

#include "album/page_tabs.h"
#include "album/profile_text.h"
#include "album/special_folders.h"
#include "base/format.h"

namespace quillory {

namespace {

constexpr TextView kMainSection = u"Quillory";
constexpr TextView kUnicodeMark = u";Quillory";

Text pageSection(int page) {
    if (page == kDefaultPage) return formatText(u"%s-Default", {u"Page"});
    return formatText(u"%s%d", {u"Page", page + 1});
}

Text backupPath(const Text& albumPath) {
    const std::size_t dot = albumPath.rfind(u'.');
    const std::size_t slash = albumPath.find_last_of(u"\\/");
    const bool hasExtension = dot != Text::npos && (slash == Text::npos || dot > slash);
    return (hasExtension ? albumPath.substr(0, dot) : albumPath) + u"_Backup.qalbum";
}

Text historyKey(TextView name, int entry) {
    return formatText(u"%s%02d", {name, entry});
}

void readAlbumSettings(const IniDocument& doc, AlbumSettings& s) {
    auto readInt = [&](TextView key, std::int32_t fallback) { return doc.readInt(kMainSection, key, fallback); };
    s.PageCount = readInt(u"PageCount", s.PageCount);
    s.TabStyle = static_cast<std::uint32_t>(readInt(u"TabStyle", static_cast<std::int32_t>(s.TabStyle)));
    s.TabNumber = readInt(u"TabNumber", s.TabNumber);
    s.xPosi = readInt(u"xPosi", s.xPosi);
    s.yPosi = readInt(u"yPosi", s.yPosi);
    s.xSize = readInt(u"xSize", s.xSize);
    s.ySize = readInt(u"ySize", s.ySize);
    s.LayerWindowLevel = static_cast<std::int16_t>(readInt(u"LayerWindowLevel", s.LayerWindowLevel));
    s.TabFontName = capped(readProfileText(doc, kMainSection, u"TabFontName", u"ＭＳ Ｐゴシック"), kTabFontNameCapacity);
    s.TabFontSize = readInt(u"TabFontSize", 12);
    s.SlideStyle = static_cast<std::uint32_t>(readInt(u"SlideStyle", 0x2203));
    s.SlideInterval = readInt(u"SlideInterval", s.SlideInterval);

    if (SlideEffect.get(s.SlideStyle) >= 9) SlideEffect.set(s.SlideStyle, 2);
    // At least one Page always exists.
    if (s.PageCount < 1) s.PageCount = 1;
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

void chooseMainPage(Album& album) {
    if ((album.settings.TabStyle & TabMainAtStart) == 0) return;
    album.currentPage = 0;
    for (std::size_t page = 0; page < album.pages.size(); ++page) {
        if (album.pages[page].Flag & FlagMainPage) {
            album.currentPage = static_cast<int>(page);
            break;
        }
    }
    album.settings.TabNumber = pageToTab(album, album.currentPage);
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
        fileWasUnicode_ = bytes && bytes->size() >= 2 && (*bytes)[0] == 0xFF && (*bytes)[1] == 0xFE;
        // Only a file that is not there is missing; one that is there but unreadable (locked,
        // access denied, a short read) must not be taken for an empty album.
        unreadable_ = !bytes && files_.exists(path_);
        if (bytes) {
            document_ = IniDocument::parse(*bytes, codePage_);
        } else {
            // A file that vanished is started anew as a Unicode album when something is saved.
            document_.emplace();
            if (!unreadable_) document_->resetTo(kUnicodeMark, true);
        }
    }
    return *document_;
}

void AlbumFile::finishBatch() {
    if (dirty_) {
        const bool mayWrite = !unreadable_ && !runsFromMemory_;
        lastSaveFailed_ = !(mayWrite && files_.replaceFile(path_, document_->serialise(codePage_)));
    }
    // Running from memory, the document is the album's only copy and lives on.
    if (!runsFromMemory_) document_.reset();
    dirty_ = false;
    unreadable_ = false;
    folders_.clear();
}

void AlbumFile::startAlbum(Album& album) {
    Batch batch(*this);
    album.defaultPage = makeDefaultPage();
    loadPage(album, kDefaultPage, false);
    loadAlbum(album);
}

std::int32_t AlbumFile::pagesToLoad(const IniDocument& doc, std::int32_t stored) const {
    if (stored <= pageCap_) return stored;
    const std::int64_t ceiling = static_cast<std::int64_t>(pageCap_) + static_cast<std::int64_t>(doc.sectionCount());
    std::int64_t last = pageCap_;
    for (std::size_t i = 0; i < doc.sectionCount(); ++i) {
        const std::int64_t number = pageNumberOf(doc.sectionName(i));
        if (number > last && number <= ceiling) last = number;
    }
    return static_cast<std::int32_t>(std::min<std::int64_t>(stored, last));
}

void AlbumFile::loadAlbum(Album& album) {
    Batch batch(*this);
    const IniDocument& doc = document();
    album.unicodeAlbum = fileWasUnicode_;
    readAlbumSettings(doc, album.settings);
    album.settings.PageCount = pagesToLoad(doc, album.settings.PageCount);
    if (album.settings.TabNumber < 0 || album.settings.TabNumber >= album.settings.PageCount) album.settings.TabNumber = 0;
    album.pages.assign(static_cast<std::size_t>(album.settings.PageCount), PageSettings{});
    for (int page = 0; page < album.settings.PageCount; ++page) loadPageFrom(doc, album, page, false);
    chooseMainPage(album);
    readHistory(doc, album);
    album.currentPage = tabToPage(album, album.settings.TabNumber);
    if (fileWasUnicode_) return;
    if (unreadable_) {
        runsFromMemory_ = true;
        rewriteAsUnicode(album, false);
        return;
    }
    convertLegacy(album, doc.hasSection(pageSection(kDefaultPage)));
}

void AlbumFile::convertLegacy(Album& album, bool hadDefaultPage) {
    album.settings.TabStyle |= TabStatusBar;
    files_.copyFileNew(path_, backupPath(path_));
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
    for (int entry = 1; entry <= static_cast<int>(kHistorySize); ++entry) {
        HistoryEntry& item = album.history[static_cast<std::size_t>(entry - 1)];
        item.pictureNumber = doc.readInt(kMainSection, historyKey(u"HistoryFileNumber", entry), -1);
        item.fileName = readText(doc, kMainSection, historyKey(u"HistoryFileName", entry), u"", kHistoryNameCapacity);
    }
}

Text AlbumFile::readText(const IniDocument& doc, TextView section, TextView key, TextView fallback,
                         std::size_t capacity) const {
    if (fileWasUnicode_) return doc.readString(section, key, fallback, capacity);
    return capped(readProfileText(doc, section, key, fallback), capacity);
}

Text AlbumFile::readComment(const IniDocument& doc, TextView section, int page) const {
    const std::int32_t lines = doc.readInt(section, u"Comment", 0);
    if (lines == 0) return formatText(u"%s%d コメント", {u"Page", page + 1});
    Text comment;
    for (int line = 0; line < lines && comment.size() < kCommentCapacity; ++line) {
        if (line > 0) comment += u"\r\n";
        comment += readText(doc, section, commentLineKey(line), u"", kProfileTextCapacity);
    }
    return capped(comment, kCommentCapacity);
}

void AlbumFile::loadPage(Album& album, int page, bool newPage) {
    Batch batch(*this);
    IniDocument& doc = document();
    if (unreadable_ && !newPage) return;
    if (newPage) dropLeftoverSection(doc, page);
    loadPageFrom(doc, album, page, newPage);
}

// A section beyond the file's PageCount belongs to no Page (a Page removed by hand, or a count
// cut at the cap): a new Page must start from the defaults, not from what it left behind.
void AlbumFile::dropLeftoverSection(IniDocument& doc, int page) {
    if (page < doc.readInt(kMainSection, u"PageCount", AlbumSettings{}.PageCount) || !doc.hasSection(pageSection(page))) return;
    doc.deleteSection(pageSection(page));
    dirty_ = true;
}

void AlbumFile::loadPageFrom(const IniDocument& doc, Album& album, int page, bool newPage) {
    const bool isPage = page != kDefaultPage;
    if (isPage && (page < 0 || page >= static_cast<int>(album.pages.size()))) return;
    album.unicodeAlbum = fileWasUnicode_;
    const Text section = pageSection(page);
    const PageSettings defaults = album.defaultPage;
    PageSettings& p = isPage ? album.pages[static_cast<std::size_t>(page)] : album.defaultPage;
    auto readInt = [&](TextView key, std::int32_t fallback) { return doc.readInt(section, key, fallback); };
    auto readBits = [&](TextView key, std::uint32_t fallback) {
        return static_cast<std::uint32_t>(readInt(key, static_cast<std::int32_t>(fallback)));
    };

    p.PageVer = readInt(u"PageVer", 0);
    const bool secondColoursFromDefault = static_cast<std::uint32_t>(p.PageVer) >= 100 || newPage;
    p.Label = readText(doc, section, u"Label", section, kLabelCapacity);
    p.Comment = readComment(doc, section, page);
    p.File = expandPath(readProfileText(doc, section, u"File", u""), folders_);
    p.FileNum = readInt(u"FileNum", 0);
    p.FolderFileNo = readInt(u"FolderFileNo", 0);
    p.Flag = readBits(u"Flag", defaults.Flag);
    p.PhotoFlag = readBits(u"PhotoFlag", defaults.PhotoFlag);
    p.FontName = readText(doc, section, u"FontName", defaults.FontName, kFontNameCapacity);
    p.FontSize = readInt(u"FontSize", defaults.FontSize);
    p.FontStyle = readBits(u"FontStyle", defaults.FontStyle);
    p.FontColor = readBits(u"FontColor", defaults.FontColor);
    p.FontColorBk = readBits(u"FontColorBk", defaults.FontColorBk);
    p.FontColor2 = readBits(u"FontColor2", secondColoursFromDefault ? defaults.FontColor2 : p.FontColorBk);
    p.FontColorBk2 = readBits(u"FontColorBk2", secondColoursFromDefault ? defaults.FontColorBk2 : p.FontColorBk);
    p.FontAlpha = static_cast<std::uint8_t>(readInt(u"FontAlpha", defaults.FontAlpha) & 0xFF);
}

void AlbumFile::savePage(const Album& album, int page, unsigned groups) {
    Batch batch(*this);
    savePageTo(document(), album, page, groups);
}

void AlbumFile::savePageTo(IniDocument& doc, const Album& album, int page, unsigned groups) {
    const bool isPage = page != kDefaultPage;
    if (isPage && (page < 0 || page >= static_cast<int>(album.pages.size()))) return;
    const Text section = pageSection(page);
    const PageSettings& p = isPage ? album.pages[static_cast<std::size_t>(page)] : album.defaultPage;
    auto writeBits = [&](TextView key, std::uint32_t bits) { doc.writeInt(section, key, static_cast<std::int32_t>(bits)); };

    if (groups & SaveText) {
        doc.writeInt(section, u"PageVer", 100);
        if (isPage) {
            doc.write(section, u"Label", p.Label);
            deleteHexKey(doc, section, u"Label");
            writeComment(doc, section, p.Comment);
        }
        writeBits(u"Flag", p.Flag);
        doc.write(section, u"FontName", p.FontName);
        doc.writeInt(section, u"FontSize", p.FontSize);
        writeBits(u"FontStyle", p.FontStyle);
        writeBits(u"FontColor", p.FontColor);
        writeBits(u"FontColorBk", p.FontColorBk);
        writeBits(u"FontColor2", p.FontColor2);
        writeBits(u"FontColorBk2", p.FontColorBk2);
        doc.writeInt(section, u"FontAlpha", p.FontAlpha);
    }
    if (groups & SavePicture) {
        if (isPage) {
            doc.write(section, u"File", tokenisePath(p.File, folders_));
            doc.writeInt(section, u"FileNum", p.FileNum);
            doc.writeInt(section, u"FolderFileNo", p.FolderFileNo);
        }
        writeBits(u"PhotoFlag", p.PhotoFlag);
    }
    doc.separateSections();
    dirty_ = true;
}

void AlbumFile::saveAlbumSettings(const Album& album, bool withCurrentPage) {
    Batch batch(*this);
    saveAlbumSettingsTo(document(), album, withCurrentPage);
}

void AlbumFile::deletePageSection(int page) {
    if (page < 0) return;
    Batch batch(*this);
    document().deleteSection(pageSection(page));
    dirty_ = true;
}

void AlbumFile::saveAlbumSettingsTo(IniDocument& doc, const Album& album, bool withCurrentPage) {
    const AlbumSettings& s = album.settings;
    auto writeInt = [&](TextView key, std::int32_t value) { doc.writeInt(kMainSection, key, value); };
    writeInt(u"xPosi", s.xPosi);
    writeInt(u"yPosi", s.yPosi);
    writeInt(u"xSize", s.xSize);
    writeInt(u"ySize", s.ySize);
    writeInt(u"TabStyle", static_cast<std::int32_t>(s.TabStyle));
    writeInt(u"TabNumber", s.TabNumber);
    writeInt(u"PageCount", s.PageCount);
    writeInt(u"LayerWindowLevel", s.LayerWindowLevel);
    doc.write(kMainSection, u"TabFontName", s.TabFontName);
    writeInt(u"TabFontSize", s.TabFontSize);
    writeInt(u"SlideStyle", static_cast<std::int32_t>(s.SlideStyle));
    writeInt(u"SlideInterval", s.SlideInterval);
    if (withCurrentPage) savePageTo(doc, album, album.currentPage, kSaveAllGroups);
    for (int entry = 1; entry <= static_cast<int>(kHistorySize); ++entry) {
        const HistoryEntry& item = album.history[static_cast<std::size_t>(entry - 1)];
        writeInt(historyKey(u"HistoryFileNumber", entry), item.pictureNumber);
        doc.write(kMainSection, historyKey(u"HistoryFileName", entry), item.fileName);
    }
    dirty_ = true;
}

}  // namespace quillory
