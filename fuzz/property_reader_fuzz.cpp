// Feeds arbitrary bytes to the property reader as a picture file, then formats every
// information text from whatever items it found.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

#include "base/std_platform.h"
#include "photoinfo/photo_format.h"
#include "photoinfo/property_reader.h"

namespace {

class MemorySource final : public quillory::ByteSource {
public:
    explicit MemorySource(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    std::uint64_t size() const override { return bytes_.size(); }
    bool read(std::uint64_t offset, std::span<std::uint8_t> out) override {
        if (offset > bytes_.size() || out.size() > bytes_.size() - offset) return false;
        std::copy_n(bytes_.begin() + static_cast<std::ptrdiff_t>(offset), out.size(), out.begin());
        return true;
    }

private:
    std::span<const std::uint8_t> bytes_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MemorySource source(std::span(data, size));
    (void)quillory::readDateTimeOriginal(source);
    quillory::Latin1CodePage codePage;
    quillory::PhotoInfo info;
    info.items = quillory::readPropertyItems(source);
    info.codePage = &codePage;
    for (int row = 0; row < quillory::kInfoRowCount; ++row) (void)quillory::infoRow(info, row);
    for (int group = 0; group < 6; ++group) {
        (void)quillory::formatInfoGroup(info, group, true);
    }
    (void)quillory::cameraText(info);
    (void)quillory::authorText(info);
    (void)quillory::shootingDateText(info, true);
    return 0;
}
