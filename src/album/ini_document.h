#pragma once
// The album file as INI text: sections of "key=value" lines, read and edited the way the
// Windows private-profile functions do, and written back byte for byte with everything the
// program does not know (comments, blank lines, unknown keys) kept where it was.
//
// Section and key names match without regard to ASCII case; the first of duplicate sections or
// keys is the one read and written. Lines without "=" and keys before the first section are
// kept but never read. Lookups remember where they last found something, so even a const
// document is used by one thread at a time.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "album/album_encoding.h"
#include "base/platform.h"
#include "base/text.h"

namespace quillory {

class KeyHashSet;

class IniDocument {
public:
    // A document with no lines at all, as a file that does not exist.
    explicit IniDocument(bool unicode = true);

    // Unicode text in the form detectAlbumEncoding finds (UTF-16 of either byte order, a
    // trailing odd byte ignored, or UTF-8), otherwise ANSI text decoded through `codePage`.
    // Line ends may be CR LF, LF or CR.
    static IniDocument parse(std::span<const std::uint8_t> bytes, CodePage& codePage);
    // The same for bytes whose form detectAlbumEncoding has already found.
    static IniDocument parse(std::span<const std::uint8_t> bytes, AlbumEncoding encoding, CodePage& codePage);

    bool isUnicode() const { return unicode_; }

    // A section looked up once, for reading many of its keys; it lasts until the document is
    // changed. One made by default, or for a missing section, holds no keys.
    class SectionRef {
    public:
        SectionRef() = default;

    private:
        friend class IniDocument;
        explicit SectionRef(std::size_t index) : index_(index) {}
        std::size_t index_ = 0;  // into sections_, whose first entry is no named section
    };
    SectionRef section(TextView name) const;

    // The value with surrounding blanks removed, or nothing when the key is missing. The view
    // lasts until the document is changed.
    std::optional<TextView> value(TextView section, TextView key) const;
    std::optional<TextView> value(SectionRef section, TextView key) const;
    bool hasSection(TextView section) const;
    // The sections' names in file order, duplicates included.
    std::size_t sectionCount() const { return sections_.size() - 1; }
    TextView sectionName(std::size_t index) const { return nameOf(sections_[index + 1]); }
    // At most `capacity` code units of the value, or of `fallback` when the key is missing.
    Text readString(TextView section, TextView key, TextView fallback, std::size_t capacity) const;
    Text readString(SectionRef section, TextView key, TextView fallback, std::size_t capacity) const;
    // The signed decimal number at the start of the value (wrapping to 32 bits), 0 when there is
    // none; `fallback` when the key is missing or its value is empty.
    std::int32_t readInt(TextView section, TextView key, std::int32_t fallback) const;
    std::int32_t readInt(SectionRef section, TextView key, std::int32_t fallback) const;

    // Replaces the key's value in place, or appends the key after the last non-blank line of
    // its section, or appends the section at the end of the file. CR and LF in the value become
    // spaces so a value can never break into lines of its own.
    void write(TextView section, TextView key, TextView value);
    void writeInt(TextView section, TextView key, std::int32_t value);
    void deleteKey(TextView section, TextView key);
    void deleteSection(TextView section);

    // Adds an empty line before every section header that follows a non-empty line, so that
    // sections are set apart by one blank line. Returns whether anything was added.
    bool separateSections();

    // The whole file: FF FE and UTF-16LE for a Unicode document, whatever form it was read in,
    // else the ANSI encoding, with CR LF after every line (after the last one only when it had a
    // line end).
    std::vector<std::uint8_t> serialise(CodePage& codePage) const;

    // The text held: every line's, those replaced since the load included.
    std::size_t heldUnits() const { return text_.size(); }

    // Replaces everything with a single line that has no line end yet.
    void resetTo(TextView firstLine, bool unicode);

private:
    // Lines and names are ranges of text_, which holds the file as it was read followed by every
    // line written since; the lines stand in one vector in file order, each section holding a run
    // of them. A load or a save allocates for the document, not for each line or section.
    struct Range {
        std::size_t begin = 0;
        std::size_t size = 0;
    };
    struct Line {
        Range text;  // without the line end
        Range key;   // within the line, for a key line; empty otherwise
        std::uint64_t keyHash = 0;  // of the key, so that a lookup passes other keys at one compare each
    };
    struct Section {
        Range name;  // empty for the lines before the first header
        // Its lines are lines_[first, first + count): the header line first (except for the
        // lines before it).
        std::size_t first = 0;
        std::size_t count = 0;
        // One bit per key hash seen (of 512): a key whose bit is clear is missing, so a write that
        // adds a key need not pass every line first.
        std::array<std::uint64_t, 8> keyBits{};
        // With no key standing twice, a lookup may start anywhere: it starts after the previous
        // hit, since keys are mostly read and written in the order they stand in the file.
        bool uniqueKeys = true;
        mutable std::size_t nextLookup = 0;
    };
    struct IndexEntry {
        std::uint64_t hash;  // of the name, blind to ASCII case
        std::size_t section;
    };

    // Ranges are made within the text, so they are taken without checking.
    TextView textOf(Range range) const { return TextView(text_.data() + range.begin, range.size); }
    TextView nameOf(const Section& section) const { return textOf(section.name); }
    const Line& lineOf(const Section& section, std::size_t line) const { return lines_[section.first + line]; }
    Line& lineOf(const Section& section, std::size_t line) { return lines_[section.first + line]; }
    Line appendLine(TextView text);
    // "key=value" at the end of the text, the key taken as it is given.
    Line appendKeyLine(TextView key, std::uint64_t keyHash, TextView value);
    Line newKeyLine(TextView key, std::uint64_t keyHash, TextView value);
    Line classified(Range text) const;
    Line keyLineOf(Range text, std::size_t equals) const;  // a line that is no header, and its first "="
    bool reads(const Line& line, TextView value) const;  // writing the value would change nothing
    template <typename Put>
    void forEachPiece(Put put) const;  // the file's text, piece by piece: each line, then CR LF
    void startSection(Range name, const Line& header);  // a new last section
    const Section* findSection(TextView name) const;
    Section* findSection(TextView name);
    std::optional<std::size_t> findKey(const Section& section, TextView key, std::uint64_t hash) const;
    std::optional<std::size_t> findKeyIn(const Section& section, TextView key, std::uint64_t hash, std::size_t begin,
                                         std::size_t end) const;
    void addKeyLine(Section& section, std::size_t at, const Line& line);
    void takeParsedLine(Section& section, const Line& line, KeyHashSet& seen);  // into the last section
    // Lines in the middle of the vector move the lines of the sections after them.
    void insertLine(Section& section, std::size_t at, const Line& line);
    void eraseLines(Section& section, std::size_t at, std::size_t count);
    void moveLaterSections(const Section& section, std::ptrdiff_t lines);  // those after `section`
    // Whether the section needs a blank line after it, the next section with lines starting with
    // a header or not.
    bool needsBlankAfter(const Section& section, bool headerFollows) const;
    bool startsWithHeader(const Section& section) const;
    void addToIndex(std::size_t section);
    void rebuildIndex();

    bool unicode_;
    bool lastLineEnded_ = true;
    Text text_;
    std::vector<Line> lines_;
    std::vector<Section> sections_;  // sections_[0] holds the lines before the first header
    std::vector<IndexEntry> index_;  // by hash, then by section: the first of equal names first
    mutable std::size_t lastFound_ = 0;  // the section found last (0: none), tried first
};

}  // namespace quillory
