#pragma once
// Scope objects for the device contexts of one paint (besides the shell's handle owners), so
// painting code reads straight through and every early return still frees what was made.
#include <windows.h>

#include <optional>

#include "base/geometry.h"
#include "base/gdi_handles_win.h"

namespace quillory {

// The caller's context, or the window's own for the duration of the paint.
class WindowContext {
public:
    WindowContext(HWND window, HDC given) : dc_(given) {
        if (dc_ == nullptr) dc_ = own_.emplace(window).get();
    }

    HDC get() const { return dc_; }

private:
    std::optional<WindowDc> own_;
    HDC dc_;
};

class MemoryContext {
public:
    explicit MemoryContext(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {}
    ~MemoryContext() {
        if (dc_ != nullptr) DeleteDC(dc_);
    }
    MemoryContext(const MemoryContext&) = delete;
    MemoryContext& operator=(const MemoryContext&) = delete;

    HDC get() const { return dc_; }

private:
    HDC dc_;
};

// Restores every mode, colour, clip and selection a paint changed on a borrowed context.
class SavedContext {
public:
    explicit SavedContext(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
    ~SavedContext() {
        if (saved_ != 0) RestoreDC(dc_, saved_);
    }
    SavedContext(const SavedContext&) = delete;
    SavedContext& operator=(const SavedContext&) = delete;

private:
    HDC dc_;
    int saved_;
};

inline Size clientSizeOf(HWND window) {
    RECT client{};
    if (!GetClientRect(window, &client)) return {};
    return {client.right - client.left, client.bottom - client.top};
}

inline RECT toRECT(const Rect& rect) { return {rect.x, rect.y, rect.right(), rect.bottom()}; }

}  // namespace quillory
