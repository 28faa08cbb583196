#include "album/profile_text.h"

#include "album/hex_twin.h"
#include "base/format.h"

namespace quillory {

namespace {

constexpr std::size_t kKeyNameCapacity = 31;

Text hexKey(TextView key) {
    return capped(Text(key) + u"Hex", kKeyNameCapacity);
}

}  // namespace

Text readProfileText(const IniDocument& doc, TextView section, TextView key, TextView fallback) {
    const Text hex = doc.readString(section, hexKey(key), u"", kHexTwinCapacity);
    if (!hex.empty()) return decodeHexTwin(hex);
    return doc.readString(section, key, fallback, kProfileTextCapacity);
}

void deleteHexKey(IniDocument& doc, TextView section, TextView key) {
    doc.deleteKey(section, hexKey(key));
}

Text commentLineKey(int line) {
    return formatText(u"%s%03d", {u"Comment", line});
}

// The line count is replaced where it stands rather than deleted and appended, so that saving an
// unchanged Page leaves its section byte for byte as it was.
void writeComment(IniDocument& doc, TextView section, TextView text) {
    int written = 0;
    while (written < kCommentLineLimit) {
        const std::size_t lineEnd = text.find(u"\r\n");
        const Text key = commentLineKey(written);
        doc.write(section, key, text.substr(0, lineEnd));
        deleteHexKey(doc, section, key);
        ++written;
        if (lineEnd == TextView::npos) break;
        text.remove_prefix(lineEnd + 2);
    }
    for (int leftover = written; leftover < kCommentLineLimit; ++leftover) {
        const Text key = commentLineKey(leftover);
        if (!doc.value(section, key)) break;
        doc.deleteKey(section, key);
    }
    doc.writeInt(section, u"Comment", written);
}

}  // namespace quillory
