#pragma once
// The one reference this code holds on a COM object, released when the holder goes: the program
// runs for days, and a decoder object left behind on every picture would add up.
#include <unknwn.h>

#include <utility>

namespace quillory {

template <typename Interface>
class ComOwner {
public:
    ComOwner() = default;
    ~ComOwner() { reset(); }
    ComOwner(ComOwner&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
    ComOwner& operator=(ComOwner&& other) noexcept {
        if (this != &other) {
            reset();
            object_ = std::exchange(other.object_, nullptr);
        }
        return *this;
    }
    ComOwner(const ComOwner&) = delete;
    ComOwner& operator=(const ComOwner&) = delete;

    Interface* get() const { return object_; }
    Interface* operator->() const { return object_; }
    explicit operator bool() const { return object_ != nullptr; }

    // Where a creating call puts the new reference; any held before is released first.
    Interface** receive() {
        reset();
        return &object_;
    }

private:
    void reset() {
        if (object_ != nullptr) std::exchange(object_, nullptr)->Release();
    }

    Interface* object_ = nullptr;
};

}  // namespace quillory
