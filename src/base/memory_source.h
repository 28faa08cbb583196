#pragma once
// A file's bytes held in memory, read like a file: for tests, fuzzers and data already loaded.
#include <algorithm>
#include <vector>

#include "base/platform.h"

namespace quillory {

class MemorySource final : public ByteSource {
public:
    explicit MemorySource(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}

    std::uint64_t size() const override { return bytes_.size(); }
    std::span<const std::uint8_t> bytes() const { return bytes_; }
    bool read(std::uint64_t offset, std::span<std::uint8_t> out) override {
        if (offset > bytes_.size() || out.size() > bytes_.size() - offset) return false;
        std::copy_n(bytes_.begin() + static_cast<std::ptrdiff_t>(offset), out.size(), out.begin());
        return true;
    }

private:
    std::vector<std::uint8_t> bytes_;
};

}  // namespace quillory
