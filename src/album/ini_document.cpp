#include "album/ini_document.h"

#include <algorithm>
#include <utility>

#include "base/format.h"

namespace quillory {

namespace {

bool isBlank(char16_t c) {
    return c == u' ' || c == u'\t';
}

TextView trimmed(TextView text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

Text upperCased(TextView text) {
    Text upper(text);
    for (char16_t& c : upper) c = asciiUpper(c);
    return upper;
}

// The name of a header line ("[Name]" with blanks allowed around it), or nothing.
std::optional<TextView> headerName(TextView line) {
    line = trimmed(line);
    if (line.empty() || line.front() != u'[') return std::nullopt;
    line.remove_prefix(1);
    const std::size_t close = line.find(u']');
    return trimmed(line.substr(0, close));
}

Text withoutLineBreaks(TextView value) {
    Text safe(value);
    std::replace(safe.begin(), safe.end(), u'\r', u' ');
    std::replace(safe.begin(), safe.end(), u'\n', u' ');
    return safe;
}

Text decodeUtf16(std::span<const std::uint8_t> bytes) {
    Text text;
    text.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        text.push_back(static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8)));
    }
    return text;
}

void appendUtf16(std::vector<std::uint8_t>& out, TextView text) {
    for (char16_t c : text) {
        out.push_back(static_cast<std::uint8_t>(c & 0xFF));
        out.push_back(static_cast<std::uint8_t>(c >> 8));
    }
}

}  // namespace

IniDocument::Line IniDocument::makeLine(Text text) {
    Line line{std::move(text)};
    const TextView view(line.text);
    const std::size_t equals = view.find(u'=');
    if (equals == TextView::npos || headerName(view)) return line;
    std::size_t begin = 0;
    while (begin < equals && isBlank(view[begin])) ++begin;
    std::size_t end = equals;
    while (end > begin && isBlank(view[end - 1])) --end;
    if (end == begin || view[begin] == u';') return line;
    line.isKey = true;
    line.keyBegin = begin;
    line.keyEnd = end;
    return line;
}

void IniDocument::addParsedLine(Text text) {
    if (const auto name = headerName(text)) {
        sections_.push_back(Section{Text(*name), {}});
        index_.emplace(upperCased(*name), sections_.size() - 1);
    }
    sections_.back().lines.push_back(makeLine(std::move(text)));
}

IniDocument IniDocument::parse(std::span<const std::uint8_t> bytes, CodePage& codePage) {
    const bool unicode = bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE;
    IniDocument doc(unicode);
    const Text text = unicode ? decodeUtf16(bytes.subspan(2))
                              : codePage.decode(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    doc.sections_.push_back(Section{});
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = start;
        while (end < text.size() && text[end] != u'\r' && text[end] != u'\n') ++end;
        doc.addParsedLine(text.substr(start, end - start));
        if (end == text.size()) {
            doc.lastLineEnded_ = false;
            break;
        }
        end += (text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n') ? 2 : 1;
        start = end;
    }
    return doc;
}

void IniDocument::resetTo(TextView firstLine, bool unicode) {
    unicode_ = unicode;
    sections_.assign(1, Section{});
    index_.clear();
    addParsedLine(Text(firstLine));
    lastLineEnded_ = false;
}

void IniDocument::rebuildIndex() {
    index_.clear();
    for (std::size_t i = 1; i < sections_.size(); ++i) index_.emplace(upperCased(sections_[i].name), i);
}

const IniDocument::Section* IniDocument::findSection(TextView name) const {
    const auto it = index_.find(upperCased(name));
    return it == index_.end() ? nullptr : &sections_[it->second];
}

IniDocument::Section* IniDocument::findSection(TextView name) {
    return const_cast<Section*>(std::as_const(*this).findSection(name));
}

std::optional<std::size_t> IniDocument::findKey(const Section& section, TextView key) {
    for (std::size_t i = 0; i < section.lines.size(); ++i) {
        const Line& line = section.lines[i];
        if (line.isKey && equalsNoCase(TextView(line.text).substr(line.keyBegin, line.keyEnd - line.keyBegin), key)) return i;
    }
    return std::nullopt;
}

std::optional<TextView> IniDocument::value(TextView section, TextView key) const {
    const Section* found = findSection(section);
    if (!found) return std::nullopt;
    const auto line = findKey(*found, key);
    if (!line) return std::nullopt;
    const TextView text(found->lines[*line].text);
    return trimmed(text.substr(text.find(u'=') + 1));
}

bool IniDocument::hasSection(TextView section) const {
    return findSection(section) != nullptr;
}

Text IniDocument::readString(TextView section, TextView key, TextView fallback, std::size_t capacity) const {
    return capped(value(section, key).value_or(fallback), capacity);
}

std::int32_t IniDocument::readInt(TextView section, TextView key, std::int32_t fallback) const {
    const auto text = value(section, key);
    if (!text || text->empty()) return fallback;
    std::size_t i = 0;
    const bool negative = (*text)[0] == u'-';
    if (negative || (*text)[0] == u'+') ++i;
    std::uint32_t number = 0;
    for (; i < text->size() && (*text)[i] >= u'0' && (*text)[i] <= u'9'; ++i) {
        number = number * 10u + static_cast<std::uint32_t>((*text)[i] - u'0');
    }
    return static_cast<std::int32_t>(negative ? 0u - number : number);
}

void IniDocument::write(TextView section, TextView key, TextView value) {
    Text line = Text(key) + u'=' + withoutLineBreaks(value);
    Section* found = findSection(section);
    if (!found) {
        sections_.push_back(Section{Text(section), {makeLine(u"[" + Text(section) + u"]")}});
        index_.emplace(upperCased(section), sections_.size() - 1);
        sections_.back().lines.push_back(makeLine(std::move(line)));
        lastLineEnded_ = true;
        return;
    }
    if (const auto existing = findKey(*found, key)) {
        Line& old = found->lines[*existing];
        old = makeLine(old.text.substr(old.keyBegin, old.keyEnd - old.keyBegin) + u'=' + withoutLineBreaks(value));
        return;
    }
    std::size_t at = found->lines.size();
    while (at > 1 && trimmed(found->lines[at - 1].text).empty()) --at;
    if (found == &sections_.back() && at == found->lines.size()) lastLineEnded_ = true;
    found->lines.insert(found->lines.begin() + static_cast<std::ptrdiff_t>(at), makeLine(std::move(line)));
}

void IniDocument::writeInt(TextView section, TextView key, std::int32_t value) {
    write(section, key, formatText(u"%d", {value}));
}

void IniDocument::deleteKey(TextView section, TextView key) {
    Section* found = findSection(section);
    if (!found) return;
    if (const auto line = findKey(*found, key)) found->lines.erase(found->lines.begin() + static_cast<std::ptrdiff_t>(*line));
}

void IniDocument::deleteSection(TextView section) {
    const auto it = index_.find(upperCased(section));
    if (it == index_.end()) return;
    sections_.erase(sections_.begin() + static_cast<std::ptrdiff_t>(it->second));
    rebuildIndex();
}

bool IniDocument::separateSections() {
    bool added = false;
    Section* holder = nullptr;  // the section that holds the line before the current one
    for (Section& section : sections_) {
        if (section.lines.empty()) continue;
        const Text& first = section.lines.front().text;
        if (holder && !first.empty() && first.front() == u'[' && !holder->lines.back().text.empty()) {
            holder->lines.push_back(Line{});
            added = true;
        }
        holder = &section;
    }
    return added;
}

std::vector<std::uint8_t> IniDocument::serialise(CodePage& codePage) const {
    Text text;
    for (const Section& section : sections_) {
        for (const Line& line : section.lines) {
            text += line.text;
            text += u"\r\n";
        }
    }
    if (!lastLineEnded_ && text.size() >= 2) text.resize(text.size() - 2);
    std::vector<std::uint8_t> bytes;
    if (unicode_) {
        bytes.reserve(2 + text.size() * 2);
        bytes.push_back(0xFF);
        bytes.push_back(0xFE);
        appendUtf16(bytes, text);
    } else {
        const std::string ansi = codePage.encode(text);
        bytes.assign(ansi.begin(), ansi.end());
    }
    return bytes;
}

}  // namespace quillory
