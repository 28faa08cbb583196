#include "album/profile_text.h"

#include "album/hex_twin.h"

namespace quillory {

namespace {

constexpr std::size_t kKeyNameCapacity = 31;

ShortText hexKey(TextView key) {
    return ShortText(key).append(u"Hex").cut(kKeyNameCapacity);
}

}  // namespace

Text readProfileText(const IniDocument& doc, IniDocument::SectionRef section, TextView key, TextView fallback) {
    const auto hex = doc.value(section, hexKey(key));
    if (hex && !hex->empty()) return decodeHexTwin(hex->substr(0, kHexTwinCapacity));
    return doc.readString(section, key, fallback, kProfileTextCapacity);
}

void deleteHexKey(IniDocument& doc, TextView section, TextView key) {
    doc.deleteKey(section, hexKey(key));
}

ShortText commentLineKey(int line) {
    return ShortText(u"Comment").appendNumber(line, 3);
}

// The line count is replaced where it stands rather than deleted and appended, so that saving an
// unchanged Page leaves its section byte for byte as it was.
void writeComment(IniDocument& doc, TextView section, TextView text) {
    int written = 0;
    while (written < kCommentLineLimit) {
        const std::size_t lineEnd = text.find(u"\r\n");
        const ShortText key = commentLineKey(written);
        doc.write(section, key, text.substr(0, lineEnd));
        deleteHexKey(doc, section, key);
        ++written;
        if (lineEnd == TextView::npos) break;
        text.remove_prefix(lineEnd + 2);
    }
    for (int leftover = written; leftover < kCommentLineLimit; ++leftover) {
        const ShortText key = commentLineKey(leftover);
        if (!doc.value(section, key)) break;
        doc.deleteKey(section, key);
    }
    doc.writeInt(section, u"Comment", written);
}

}  // namespace quillory
