#pragma once
// One table per section of the album file: each key with the field it fills and the value that
// field starts with. Loading, saving and the start values all walk these tables, whose order is
// the order in which the keys are written.
#include <array>
#include <cstdint>
#include <type_traits>
#include <variant>

#include "album/album.h"

namespace quillory {

// The save groups of a Page's keys.
enum : unsigned { SaveText = 2, SavePicture = 4 };

// A stored field of a record, or nothing for a key whose value is derived from other state.
template <class Record>
using FieldOf = std::variant<std::monostate, std::int32_t Record::*, std::uint32_t Record::*, std::int16_t Record::*,
                             std::uint8_t Record::*, Text Record::*>;

// A number field's start value, or a text field's.
struct StartValue {
    std::int32_t number = 0;
    TextView text;
};

// The main section, "Quillory". TabNumber is not a field: it is the tab of the current Page; nor
// is PageCount: it is the number of Pages the album holds (a new album holds five).
inline constexpr TextView kTabNumberKey = u"TabNumber";
inline constexpr TextView kPageCountKey = u"PageCount";
inline constexpr std::int32_t kStartPageCount = 5;

struct SettingsKey {
    TextView key;
    FieldOf<AlbumSettings> field;
    StartValue start;
    std::size_t capacity = 0;  // a text field keeps this many code units of what it reads
};

inline constexpr std::array<SettingsKey, 12> kSettingsKeys{{
    {u"xPosi", &AlbumSettings::xPosi, {180}},
    {u"yPosi", &AlbumSettings::yPosi, {270}},
    {u"xSize", &AlbumSettings::xSize, {580}},
    {u"ySize", &AlbumSettings::ySize, {350}},
    {u"TabStyle", &AlbumSettings::TabStyle, {0x13100}},
    {kTabNumberKey, std::monostate{}, {0}},
    {kPageCountKey, std::monostate{}, {kStartPageCount}},
    {u"LayerWindowLevel", &AlbumSettings::LayerWindowLevel, {192}},
    {u"TabFontName", &AlbumSettings::TabFontName, {0, u"ＭＳ Ｐゴシック"}, kTabFontNameCapacity},
    {u"TabFontSize", &AlbumSettings::TabFontSize, {12}},
    {u"SlideStyle", &AlbumSettings::SlideStyle, {0x2203}},
    {u"SlideInterval", &AlbumSettings::SlideInterval, {23}},
}};

// How a Page key is stored and what a missing key gives.
enum class PageKeyRole : std::uint8_t {
    Version,       // 0 when missing; every save writes the current record version
    Label,         // the section name when missing; its Hex twin goes with every write
    Comment,       // lines in Comment000 …, their count in Comment
    Path,          // special folders as tokens
    PageOnly,      // 0 when missing; not stored for the DefaultPage
    Appearance,    // the DefaultPage's value when missing; the DefaultPage stores these too
    SecondColour,  // as Appearance, except that a Page of an older version takes its FontColorBk
};

// The Page sections Page1 … and Page-Default.
struct PageKey {
    TextView key;
    FieldOf<PageSettings> field;
    unsigned group;
    PageKeyRole role;
    StartValue start;  // the DefaultPage's, before the file is read; Pages start cleared
    std::size_t capacity = 0;
};

inline constexpr std::int32_t kPageVersion = 100;

inline constexpr std::array<PageKey, 16> kPageKeys{{
    {u"PageVer", &PageSettings::PageVer, SaveText, PageKeyRole::Version},
    {u"Label", &PageSettings::Label, SaveText, PageKeyRole::Label, {}, kLabelCapacity},
    {u"Comment", &PageSettings::Comment, SaveText, PageKeyRole::Comment, {}, kCommentCapacity},
    {u"Flag", &PageSettings::Flag, SaveText, PageKeyRole::Appearance, {0}},
    {u"FontName", &PageSettings::FontName, SaveText, PageKeyRole::Appearance, {0, u"MS UI Gothic"}, kFontNameCapacity},
    {u"FontSize", &PageSettings::FontSize, SaveText, PageKeyRole::Appearance, {13}},
    {u"FontStyle", &PageSettings::FontStyle, SaveText, PageKeyRole::Appearance, {FontBold}},
    {u"FontColor", &PageSettings::FontColor, SaveText, PageKeyRole::Appearance, {0x002020}},
    {u"FontColorBk", &PageSettings::FontColorBk, SaveText, PageKeyRole::Appearance, {0xE8E8E8}},
    {u"FontColor2", &PageSettings::FontColor2, SaveText, PageKeyRole::SecondColour, {0xE8E8E8}},
    {u"FontColorBk2", &PageSettings::FontColorBk2, SaveText, PageKeyRole::SecondColour, {0xE8E8E8}},
    {u"FontAlpha", &PageSettings::FontAlpha, SaveText, PageKeyRole::Appearance, {192}},
    {u"File", &PageSettings::File, SavePicture, PageKeyRole::Path, {}, kPathCapacity},
    {u"FileNum", &PageSettings::FileNum, SavePicture, PageKeyRole::PageOnly},
    {u"FolderFileNo", &PageSettings::FolderFileNo, SavePicture, PageKeyRole::PageOnly},
    {u"PhotoFlag", &PageSettings::PhotoFlag, SavePicture, PageKeyRole::Appearance, {ShowFileName | ShowDate | ShowAuthor}},
}};

// Whether the DefaultPage stores the key (it holds only the appearance of new Pages).
constexpr bool storedForDefaultPage(PageKeyRole role) {
    return role == PageKeyRole::Version || role == PageKeyRole::Appearance || role == PageKeyRole::SecondColour;
}

// The text member of a text field, or nullptr for a number field.
template <class Record>
Text Record::*textField(const FieldOf<Record>& field) {
    const auto* member = std::get_if<Text Record::*>(&field);
    return member ? *member : nullptr;
}

// A number field as the file stores it: bit sets and colours as their 32-bit pattern, 0 for a
// text field or a derived key.
template <class Record>
std::int32_t numberIn(const Record& record, const FieldOf<Record>& field) {
    return std::visit(
        [&](auto member) -> std::int32_t {
            using Member = decltype(member);
            if constexpr (std::is_same_v<Member, std::monostate> || std::is_same_v<Member, Text Record::*>) {
                return 0;
            } else {
                return static_cast<std::int32_t>(record.*member);
            }
        },
        field);
}

// Stores a number read from the file; a narrower field keeps the low bits (FontAlpha the low 8).
template <class Record>
void setNumber(Record& record, const FieldOf<Record>& field, std::int32_t value) {
    std::visit(
        [&](auto member) {
            using Member = decltype(member);
            if constexpr (!std::is_same_v<Member, std::monostate> && !std::is_same_v<Member, Text Record::*>) {
                using Value = std::remove_reference_t<decltype(record.*member)>;
                record.*member = static_cast<Value>(value);
            }
        },
        field);
}

// Gives every field of the table its start value.
template <class Record, class Keys>
void applyStartValues(Record& record, const Keys& keys) {
    for (const auto& row : keys) {
        if (Text Record::*text = textField(row.field)) {
            record.*text = Text(row.start.text);
        } else {
            setNumber(record, row.field, row.start.number);
        }
    }
}

}  // namespace quillory
