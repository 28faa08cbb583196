#pragma once
// The album file's text encodings on top of the INI document: texts with a Hex twin, and the
// Page comment spread over numbered keys.
#include "album/ini_document.h"
#include "album/short_text.h"

namespace quillory {

// Texts are read up to this many code units.
constexpr std::size_t kProfileTextCapacity = 259;
// At most this many comment lines are written.
constexpr int kCommentLineLimit = 5;

// The key's Hex twin when it holds anything, otherwise the key itself (or `fallback`).
Text readProfileText(const IniDocument& doc, IniDocument::SectionRef section, TextView key, TextView fallback);
void deleteHexKey(IniDocument& doc, TextView section, TextView key);

// Comment000, Comment001 … for the lines of a comment; the line count is `Comment`.
ShortText commentLineKey(int line);
// Writes up to five lines of `text` (split at CR LF), removes the lines of a longer earlier
// comment and stores the line count.
void writeComment(IniDocument& doc, TextView section, TextView text);

}  // namespace quillory
