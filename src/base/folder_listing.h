#pragma once
// A folder's entries as one listing gave them. The names share one buffer that is kept from
// listing to listing, so listing folder after folder into the same FolderListing allocates only
// when a folder has more or longer names than any before it, never once per entry.
#include <cstdint>
#include <vector>

#include "base/text.h"

namespace quillory {

class FolderListing {
public:
    struct Item {
        TextView name;  // without the folder; valid until the listing changes
        bool isDirectory = false;
        std::uint64_t size = 0;  // bytes when listed; a file may change after its listing
    };

    void clear() {
        names_.clear();
        records_.clear();
    }
    void add(TextView name, bool isDirectory, std::uint64_t size) {
        records_.push_back({names_.size(), name.size(), isDirectory, size});
        names_.append(name);
    }
    std::size_t size() const { return records_.size(); }
    Item operator[](std::size_t index) const {
        const Record& record = records_[index];
        return {TextView(names_).substr(record.nameStart, record.nameLength), record.isDirectory, record.size};
    }

private:
    struct Record {
        std::size_t nameStart, nameLength;
        bool isDirectory;
        std::uint64_t size;
    };
    Text names_;
    std::vector<Record> records_;
};

}  // namespace quillory
