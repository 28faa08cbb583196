#include "album/ini_document.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <functional>
#include <iterator>
#include <utility>

#include "album/album_encoding.h"
#include "album/key_hash_set.h"
#include "album/short_text.h"
#include "base/unit_words.h"

namespace quillory {

namespace {

// A file started afresh is mostly written whole next: about this much for five Pages.
constexpr std::size_t kNewFileUnits = 4096;
constexpr std::size_t kNewFileLines = 192;
constexpr std::size_t kNewFileSections = 8;
// A saved line is about this long with its line end, and a saved Page section this long, in code
// units: a load then mostly takes its lines and sections at once.
constexpr std::size_t kLineUnits = 14;
constexpr std::size_t kSectionUnits = 320;

// Most units are past both line ends, and one comparison tells them so.
bool isLineEnd(char16_t c) {
    return c <= u'\r' && (c == u'\r' || c == u'\n');
}

// The name of a header line ("[Name]" with blanks allowed around it), or nothing.
std::optional<TextView> headerName(TextView line) {
    // Most lines start with a key: neither a blank nor a bracket.
    if (line.empty() || (line.front() != u'[' && !isBlank(line.front()))) return std::nullopt;
    line = trimBlanks(line);
    if (line.empty() || line.front() != u'[') return std::nullopt;
    line.remove_prefix(1);
    const std::size_t close = line.find(u']');
    return trimBlanks(line.substr(0, close));
}

// The lanes of a word of four units that hold CR or LF.
std::uint64_t lineEnds(std::uint64_t word) {
    return unit_words::lanesEqualTo(word, u'\r') | unit_words::lanesEqualTo(word, u'\n');
}

// Hands visit(begin, equals, end) every line of the text without its line end, `equals` being
// where its first "=" stands (`end` when it has none); returns whether the last line had one.
template <typename Visit>
bool forEachLine(TextView text, Visit visit) {
    const auto equalsOrLineEnds = [](std::uint64_t word) { return unit_words::lanesEqualTo(word, u'=') | lineEnds(word); };
    const char16_t* const units = text.data();
    const std::size_t size = text.size();
    std::size_t start = 0;
    while (start < size) {
        const std::size_t equals = unit_words::findStop(units, start, size, equalsOrLineEnds);
        const bool hasEquals = equals < size && units[equals] == u'=';
        const std::size_t end = hasEquals ? unit_words::findStop(units, equals, size, lineEnds) : equals;
        visit(start, equals, end);
        if (end == size) return false;
        start = end + ((units[end] == u'\r' && end + 1 < size && units[end + 1] == u'\n') ? 2 : 1);
    }
    return true;
}

// FNV-1a over the name, four units at a time, with bit 5 of every unit cleared so that names
// differing only in ASCII case meet. The last four units are taken as one word even where it
// overlaps the word before. Other names may meet too; a lookup tells them apart by comparing the
// names. The hash lives only in memory, so it may differ between machines.
std::uint64_t nameHash(TextView name) {
    using namespace unit_words;
    constexpr std::uint64_t kCaseBits = kLaneOnes * 0x20u;
    std::uint64_t hash = 14695981039346656037ull;
    const auto mix = [&hash](std::uint64_t word) { hash = (hash ^ (word & ~kCaseBits)) * 1099511628211ull; };
    const std::size_t size = name.size();
    if (size < kUnits) {
        for (const char16_t c : name) mix(c);
        return hash;
    }
    std::size_t at = 0;
    for (; size - at >= kUnits; at += kUnits) mix(wordAt(name.data() + at));
    if (at < size) mix(wordAt(name.data() + size - kUnits));
    return hash;
}

// Appends the units of UTF-16 bytes in the given byte order (a trailing odd byte is ignored)
// through a small buffer: a string sized first would be filled twice.
void appendUtf16(Text& text, std::span<const std::uint8_t> bytes, std::endian order) {
    char16_t chunk[512];
    while (bytes.size() >= 2) {
        const std::size_t count = std::min(std::size(chunk), bytes.size() / 2);
        if (order == std::endian::native) {
            std::memcpy(chunk, bytes.data(), count * 2);
        } else {
            const std::size_t highByte = order == std::endian::big ? 0 : 1;
            for (std::size_t i = 0; i < count; ++i) {
                chunk[i] = static_cast<char16_t>(bytes[2 * i + (1 - highByte)] | (bytes[2 * i + highByte] << 8));
            }
        }
        text.append(chunk, count);
        bytes = bytes.subspan(count * 2);
    }
}

// A key hash's bit among a section's 512: the word and the bit within it, from the hash's top nine bits.
std::size_t keyWord(std::uint64_t hash) {
    return static_cast<std::size_t>(hash >> 61);
}

std::uint64_t keyBit(std::uint64_t hash) {
    return 1ull << ((hash >> 55) & 63);
}

// Whether "key=…" reads back with this key. The program's keys are plain ASCII names: one byte
// search rules out an "=" in them (a unit merely holding the byte 3D is sent the long way).
bool readsAsItself(TextView key) {
    if (key.empty() || key.front() == u'[' || key.front() == u';' || isBlank(key.front()) || isBlank(key.back())) {
        return false;
    }
    return std::memchr(key.data(), '=', key.size() * sizeof(char16_t)) == nullptr;
}

bool indexOrder(std::uint64_t hashA, std::size_t sectionA, std::uint64_t hashB, std::size_t sectionB) {
    return hashA != hashB ? hashA < hashB : sectionA < sectionB;
}

}  // namespace

IniDocument::IniDocument(bool unicode) : unicode_(unicode), sections_(1) {}

IniDocument::Line IniDocument::classified(Range text) const {
    const TextView view = textOf(text);
    return headerName(view) ? Line{text, {}} : keyLineOf(text, std::min(view.find(u'='), view.size()));
}

IniDocument::Line IniDocument::keyLineOf(Range text, std::size_t equals) const {
    Line line{text, {}};
    const TextView view = textOf(text);
    if (equals == view.size()) return line;
    std::size_t begin = 0;
    while (begin < equals && isBlank(view[begin])) ++begin;
    std::size_t end = equals;
    while (end > begin && isBlank(view[end - 1])) --end;
    if (end == begin || view[begin] == u';') return line;
    line.key = Range{text.begin + begin, end - begin};
    line.keyHash = nameHash(view.substr(begin, end - begin));
    return line;
}

IniDocument::Line IniDocument::appendLine(TextView text) {
    const std::size_t begin = text_.size();
    text_.append(text);
    return classified(Range{begin, text.size()});
}

// The key may be spelled as it stands in the file (a view into text_), so it is copied by
// position once there is room for the whole line.
IniDocument::Line IniDocument::appendKeyLine(TextView key, std::uint64_t keyHash, TextView value) {
    const std::less<const char16_t*> before;
    const auto inText = [&](TextView part) {
        return !part.empty() && !before(part.data(), text_.data()) && before(part.data(), text_.data() + text_.size());
    };
    if (inText(value)) return appendKeyLine(key, keyHash, Text(value));
    const bool keyInText = inText(key);
    const std::size_t keyAt = keyInText ? static_cast<std::size_t>(key.data() - text_.data()) : 0;
    const std::size_t begin = text_.size();
    text_.reserve(begin + key.size() + 1 + value.size());
    if (keyInText) {
        text_.append(text_, keyAt, key.size());
    } else {
        text_.append(key);
    }
    text_ += u'=';
    const std::size_t valueAt = text_.size();
    text_.append(value);
    if (unit_words::findStop(value.data(), 0, value.size(), lineEnds) != value.size()) {
        std::replace_if(text_.begin() + static_cast<std::ptrdiff_t>(valueAt), text_.end(), isLineEnd, u' ');
    }
    return Line{Range{begin, text_.size() - begin}, Range{begin, key.size()}, keyHash};
}

void IniDocument::startSection(Range name, const Line& header) {
    sections_.push_back(Section{name, lines_.size()});
    lines_.push_back(header);
    sections_.back().count = 1;
}

IniDocument IniDocument::parse(std::span<const std::uint8_t> bytes, CodePage& codePage) {
    return parse(bytes, detectAlbumEncoding(bytes), codePage);
}

IniDocument IniDocument::parse(std::span<const std::uint8_t> bytes, AlbumEncoding encoding, CodePage& codePage) {
    IniDocument doc(encoding != AlbumEncoding::Ansi);
    const auto units = bytes.subspan(markSize(bytes));
    const std::string_view chars(reinterpret_cast<const char*>(units.data()), units.size());
    switch (encoding) {
        case AlbumEncoding::Utf16LeMarked:
        case AlbumEncoding::Utf16Le:
        case AlbumEncoding::Utf16Be:
            // Room for the lines a save adds, so the first of them does not copy the whole text.
            doc.text_.reserve(units.size() / 2 + units.size() / 8 + 64);
            appendUtf16(doc.text_, units, encoding == AlbumEncoding::Utf16Be ? std::endian::big : std::endian::little);
            break;
        case AlbumEncoding::Utf8: doc.text_ = textFromUtf8(chars); break;
        case AlbumEncoding::Ansi: doc.text_ = codePage.decode(chars); break;
    }

    const TextView text(doc.text_);
    doc.lines_.reserve(text.size() / kLineUnits + 4);
    doc.sections_.reserve(text.size() / kSectionUnits + 2);
    KeyHashSet seen;
    doc.lastLineEnded_ = forEachLine(text, [&](std::size_t begin, std::size_t equals, std::size_t end) {
        const Range line{begin, end - begin};
        if (const auto name = headerName(text.substr(begin, end - begin))) {
            doc.startSection(Range{static_cast<std::size_t>(name->data() - text.data()), name->size()}, Line{line, {}});
            seen.clear();
        } else {
            doc.takeParsedLine(doc.sections_.back(), doc.keyLineOf(line, equals - begin), seen);
        }
    });
    doc.rebuildIndex();
    return doc;
}

void IniDocument::resetTo(TextView firstLine, bool unicode) {
    unicode_ = unicode;
    text_.clear();
    text_.reserve(kNewFileUnits);
    lines_.clear();
    lines_.reserve(kNewFileLines);
    sections_.assign(1, Section{});
    sections_.reserve(kNewFileSections);
    index_.clear();
    lastFound_ = 0;
    const Line line = appendLine(firstLine);
    if (const auto name = headerName(firstLine)) {
        startSection(Range{line.text.begin + static_cast<std::size_t>(name->data() - firstLine.data()), name->size()}, line);
        addToIndex(sections_.size() - 1);
    } else {
        KeyHashSet seen;
        takeParsedLine(sections_[0], line, seen);
    }
    lastLineEnded_ = false;
}

void IniDocument::addToIndex(std::size_t section) {
    const std::uint64_t hash = nameHash(nameOf(sections_[section]));
    const auto at = std::upper_bound(index_.begin(), index_.end(), IndexEntry{hash, section}, [](const IndexEntry& a, const IndexEntry& b) {
        return indexOrder(a.hash, a.section, b.hash, b.section);
    });
    index_.insert(at, IndexEntry{hash, section});
}

void IniDocument::rebuildIndex() {
    index_.clear();
    lastFound_ = 0;
    index_.reserve(sections_.size() - 1);
    for (std::size_t i = 1; i < sections_.size(); ++i) index_.push_back(IndexEntry{nameHash(nameOf(sections_[i])), i});
    std::sort(index_.begin(), index_.end(), [](const IndexEntry& a, const IndexEntry& b) {
        return indexOrder(a.hash, a.section, b.hash, b.section);
    });
}

const IniDocument::Section* IniDocument::findSection(TextView name) const {
    // Sections are mostly read and written key after key; sections added since stand after it, so
    // the one found last is still the first of its name.
    if (lastFound_ != 0 && equalsNoCase(nameOf(sections_[lastFound_]), name)) return &sections_[lastFound_];
    const std::uint64_t hash = nameHash(name);
    auto it = std::lower_bound(index_.begin(), index_.end(), hash, [](const IndexEntry& entry, std::uint64_t h) { return entry.hash < h; });
    for (; it != index_.end() && it->hash == hash; ++it) {
        if (equalsNoCase(nameOf(sections_[it->section]), name)) {
            lastFound_ = it->section;
            return &sections_[it->section];
        }
    }
    return nullptr;
}

IniDocument::Section* IniDocument::findSection(TextView name) {
    return const_cast<Section*>(std::as_const(*this).findSection(name));
}

std::optional<std::size_t> IniDocument::findKey(const Section& section, TextView key, std::uint64_t hash) const {
    if ((section.keyBits[keyWord(hash)] & keyBit(hash)) == 0) return std::nullopt;
    const std::size_t count = section.count;
    const std::size_t start = section.uniqueKeys ? std::min(section.nextLookup, count) : 0;
    auto found = findKeyIn(section, key, hash, start, count);
    if (!found) found = findKeyIn(section, key, hash, 0, start);
    if (found) section.nextLookup = *found + 1;
    return found;
}

std::optional<std::size_t> IniDocument::findKeyIn(const Section& section, TextView key, std::uint64_t hash,
                                                  std::size_t begin, std::size_t end) const {
    // A line without a key has an empty key and hash 0: were a key's hash 0, the names still differ.
    for (std::size_t i = begin; i < end; ++i) {
        const Line& line = lineOf(section, i);
        if (line.keyHash == hash && equalsNoCase(textOf(line.key), key)) return i;
    }
    return std::nullopt;
}

// A line read from the file, in file order: a key seen before makes the section's keys not unique.
// `seen` holds the hashes of the section's keys before this line.
void IniDocument::takeParsedLine(Section& section, const Line& line, KeyHashSet& seen) {
    if (line.key.size != 0) {
        if (!seen.insert(line.keyHash)) section.uniqueKeys = false;
        section.keyBits[keyWord(line.keyHash)] |= keyBit(line.keyHash);
    }
    lines_.push_back(line);
    ++section.count;
}

// A key the program names may not read back as that key (one starting with "[" would make a
// header), so such a line is classified like a line read; a key taken from a key line always does.
IniDocument::Line IniDocument::newKeyLine(TextView key, std::uint64_t keyHash, TextView value) {
    const Line line = appendKeyLine(key, keyHash, value);
    return readsAsItself(key) ? line : classified(line.text);
}

// A key line the section does not hold yet.
void IniDocument::addKeyLine(Section& section, std::size_t at, const Line& line) {
    section.keyBits[keyWord(line.keyHash)] |= keyBit(line.keyHash);
    insertLine(section, at, line);
}

void IniDocument::insertLine(Section& section, std::size_t at, const Line& line) {
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(section.first + at), line);
    ++section.count;
    moveLaterSections(section, 1);
}

void IniDocument::eraseLines(Section& section, std::size_t at, std::size_t count) {
    const auto from = lines_.begin() + static_cast<std::ptrdiff_t>(section.first + at);
    lines_.erase(from, from + static_cast<std::ptrdiff_t>(count));
    section.count -= count;
    moveLaterSections(section, -static_cast<std::ptrdiff_t>(count));
}

// Unsigned arithmetic wraps, so adding a negative count taken as unsigned moves a section back.
void IniDocument::moveLaterSections(const Section& section, std::ptrdiff_t lines) {
    for (auto later = sections_.begin() + (&section - sections_.data()) + 1; later != sections_.end(); ++later) {
        later->first += static_cast<std::size_t>(lines);
    }
}

IniDocument::SectionRef IniDocument::section(TextView name) const {
    const Section* found = findSection(name);
    return SectionRef(found ? static_cast<std::size_t>(found - sections_.data()) : 0);
}

std::optional<TextView> IniDocument::value(TextView section, TextView key) const {
    return value(this->section(section), key);
}

std::optional<TextView> IniDocument::value(SectionRef section, TextView key) const {
    if (section.index_ == 0) return std::nullopt;
    const Section& found = sections_[section.index_];
    const auto line = findKey(found, key, nameHash(key));
    if (!line) return std::nullopt;
    const Line& keyLine = lineOf(found, *line);
    const TextView text = textOf(keyLine.text);
    // Only blanks stand between the key and its "=".
    const char16_t* equals = text.data() + (keyLine.key.begin + keyLine.key.size - keyLine.text.begin);
    while (*equals != u'=') ++equals;
    const char16_t* const valueStart = equals + 1;
    return trimBlanks(TextView(valueStart, static_cast<std::size_t>(text.data() + text.size() - valueStart)));
}

bool IniDocument::hasSection(TextView section) const {
    return findSection(section) != nullptr;
}

Text IniDocument::readString(TextView section, TextView key, TextView fallback, std::size_t capacity) const {
    return readString(this->section(section), key, fallback, capacity);
}

Text IniDocument::readString(SectionRef section, TextView key, TextView fallback, std::size_t capacity) const {
    return capped(value(section, key).value_or(fallback), capacity);
}

std::int32_t IniDocument::readInt(TextView section, TextView key, std::int32_t fallback) const {
    return readInt(this->section(section), key, fallback);
}

std::int32_t IniDocument::readInt(SectionRef section, TextView key, std::int32_t fallback) const {
    const auto text = value(section, key);
    if (!text || text->empty()) return fallback;
    const bool negative = text->front() == u'-';
    const TextView digits = text->substr(negative || text->front() == u'+' ? 1 : 0);
    std::uint32_t number = 0;
    for (const char16_t c : digits) {
        if (c < u'0' || c > u'9') break;
        number = number * 10u + static_cast<std::uint32_t>(c - u'0');
    }
    return static_cast<std::int32_t>(negative ? 0u - number : number);
}

void IniDocument::write(TextView section, TextView key, TextView value) {
    const std::uint64_t hash = nameHash(key);
    Section* found = findSection(section);
    if (!found) {
        const std::size_t begin = text_.size();
        text_ += u'[';
        text_.append(section);
        text_ += u']';
        startSection(Range{begin + 1, section.size()}, classified(Range{begin, text_.size() - begin}));
        addToIndex(sections_.size() - 1);
        addKeyLine(sections_.back(), sections_.back().count, newKeyLine(key, hash, value));
        lastLineEnded_ = true;
        return;
    }
    if (const auto existing = findKey(*found, key, hash)) {
        Line& old = lineOf(*found, *existing);
        // Most saves write back what was read: such a line stays as it is, byte for byte.
        if (!reads(old, value)) old = appendKeyLine(textOf(old.key), old.keyHash, value);
        return;
    }
    std::size_t at = found->count;
    while (at > 1 && trimBlanks(textOf(lineOf(*found, at - 1).text)).empty()) --at;
    if (found == &sections_.back() && at == found->count) lastLineEnded_ = true;
    addKeyLine(*found, at, newKeyLine(key, hash, value));
}

bool IniDocument::reads(const Line& line, TextView value) const {
    const TextView text = textOf(line.text);
    const std::size_t keySize = line.key.size;
    return line.key.begin == line.text.begin && text.size() == keySize + 1 + value.size() && text[keySize] == u'=' &&
           (value.empty() || std::memcmp(text.data() + keySize + 1, value.data(), value.size() * sizeof(char16_t)) == 0);
}

void IniDocument::writeInt(TextView section, TextView key, std::int32_t value) {
    write(section, key, ShortText(u"").appendNumber(value));
}

void IniDocument::deleteKey(TextView section, TextView key) {
    Section* found = findSection(section);
    if (!found) return;
    if (const auto line = findKey(*found, key, nameHash(key))) eraseLines(*found, *line, 1);
}

void IniDocument::deleteSection(TextView section) {
    Section* found = findSection(section);
    if (!found) return;
    eraseLines(*found, 0, found->count);
    sections_.erase(sections_.begin() + (found - sections_.data()));
    rebuildIndex();
}

bool IniDocument::startsWithHeader(const Section& section) const {
    const TextView first = textOf(lineOf(section, 0).text);
    return !first.empty() && first.front() == u'[';
}

bool IniDocument::needsBlankAfter(const Section& section, bool headerFollows) const {
    return headerFollows && lineOf(section, section.count - 1).text.size != 0;
}

// Sections without lines are passed over. The blank lines are put in place from the back in one
// pass, so that a file of many sections set apart nowhere is not moved once per section.
bool IniDocument::separateSections() {
    std::size_t blanks = 0;
    bool headerFollows = false;
    for (std::size_t i = sections_.size(); i-- > 0;) {
        if (sections_[i].count == 0) continue;
        if (needsBlankAfter(sections_[i], headerFollows)) ++blanks;
        headerFollows = startsWithHeader(sections_[i]);
    }
    if (blanks == 0) return false;
    lines_.resize(lines_.size() + blanks);
    headerFollows = false;
    // `blanks` counts those still to place: all of them go after lines before this section's end.
    for (std::size_t i = sections_.size(); i-- > 0 && blanks != 0;) {
        Section& section = sections_[i];
        const bool blank = section.count != 0 && needsBlankAfter(section, headerFollows);
        if (section.count != 0) headerFollows = startsWithHeader(section);
        const std::size_t before = blanks - (blank ? 1 : 0);  // the blanks the sections before this one get
        const auto from = lines_.begin() + static_cast<std::ptrdiff_t>(section.first);
        std::move_backward(from, from + static_cast<std::ptrdiff_t>(section.count), from + static_cast<std::ptrdiff_t>(section.count + before));
        section.first += before;
        if (blank) lineOf(section, section.count++) = Line{};
        blanks = before;
    }
    return true;
}

template <typename Put>
void IniDocument::forEachPiece(Put put) const {
    for (const Line& line : lines_) {
        put(textOf(line.text));
        put(TextView(u"\r\n"));
    }
}

std::vector<std::uint8_t> IniDocument::serialise(CodePage& codePage) const {
    std::size_t size = 0;
    for (const Line& line : lines_) size += line.text.size + 2;
    // Every line is written with its line end; the last one's is cut off afterwards if it had none.
    const std::size_t kept = !lastLineEnded_ && size >= 2 ? size - 2 : size;
    if (!unicode_) {
        Text text;
        text.reserve(size);
        forEachPiece([&](TextView piece) { text += piece; });
        text.resize(kept);
        const std::string ansi = codePage.encode(text);
        return std::vector<std::uint8_t>(ansi.begin(), ansi.end());
    }
    // Written straight into the bytes: the file's text is never held twice.
    std::vector<std::uint8_t> bytes(2 + 2 * size);
    bytes[0] = 0xFF;
    bytes[1] = 0xFE;
    std::uint8_t* at = bytes.data() + 2;
    forEachPiece([&](TextView piece) {
        if constexpr (std::endian::native == std::endian::little) {
            std::memcpy(at, piece.data(), piece.size() * 2);
            at += piece.size() * 2;
        } else {
            for (const char16_t unit : piece) {
                *at++ = static_cast<std::uint8_t>(unit & 0xFF);
                *at++ = static_cast<std::uint8_t>(unit >> 8);
            }
        }
    });
    bytes.resize(2 + 2 * kept);
    return bytes;
}

}  // namespace quillory
