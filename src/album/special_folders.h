#pragma once
// Paths inside well-known folders are stored with the folder replaced by a token such as
// %Pictures%, so an album moved to another machine or user still finds its pictures.
#include <array>
#include <map>
#include <optional>

#include "base/platform.h"
#include "base/text.h"

namespace quillory {

struct SpecialFolderEntry {
    TextView name;  // as stored in album files, "All Dsektop" included
    int csidl;
};

// In the order they are tried; the first match wins.
extern const std::array<SpecialFolderEntry, 17> kSpecialFolderTable;

// Asks the system once per folder until cleared: saving a long album looks up every folder of
// the table for every Page.
class CachedSpecialFolders final : public SpecialFolders {
public:
    explicit CachedSpecialFolders(SpecialFolders& source) : source_(source) {}
    std::optional<Text> folderPath(int csidl) override;
    void clear() { known_.clear(); }

private:
    SpecialFolders& source_;
    std::map<int, std::optional<Text>> known_;
};

// "C:\Users\A\Pictures\2024\a.jpg" -> "%Pictures%2024\a.jpg" when Pictures is C:\Users\A\Pictures.
// Only a whole folder at the start of the path is replaced (C:\Users\A\Pictures2 is not inside
// Pictures). The result holds at most 261 code units.
Text tokenisePath(TextView path, SpecialFolders& folders);
// The token form back to a full path; text before a token is dropped.
Text expandPath(TextView stored, SpecialFolders& folders);

// "C:\a\b.jpg" -> "C: > a > b.jpg" (at most 261 code units of the path are taken).
Text breadcrumbPath(TextView path, std::size_t capacity);
// "C:\Users\A\Pictures\2024\a.jpg" -> "[Pictures] \2024\a.jpg"; other paths unchanged.
Text folderLabelPath(TextView path, std::size_t capacity, SpecialFolders& folders);

}  // namespace quillory
