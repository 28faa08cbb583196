#pragma once
// The decoder's flat interface and owners for its objects. The flat functions live in
// Gdiplus::DllExports; its Point and Rect would clash with ours, so nothing is imported wholesale.
#include <windows.h>

// The lean Windows headers leave out PROPID, which the decoder headers need.
#include <objidl.h>
#include <gdiplus.h>

#include <memory>

#include "base/debug_trace_win.h"

namespace quillory {

namespace gp = Gdiplus;
namespace gpflat = Gdiplus::DllExports;

template <typename Object, auto Free>
struct GdiplusDeleter {
    void operator()(Object* object) const { Free(object); }
};
template <typename Object, auto Free>
using GdiplusOwner = std::unique_ptr<Object, GdiplusDeleter<Object, Free>>;

using GraphicsOwner = GdiplusOwner<gp::GpGraphics, gpflat::GdipDeleteGraphics>;
using SolidBrushOwner = GdiplusOwner<gp::GpSolidFill, gpflat::GdipDeleteBrush>;
using FontOwner = GdiplusOwner<gp::GpFont, gpflat::GdipDeleteFont>;
using StringFormatOwner = GdiplusOwner<gp::GpStringFormat, gpflat::GdipDeleteStringFormat>;
using ImageOwner = GdiplusOwner<gp::GpImage, gpflat::GdipDisposeImage>;

inline GraphicsOwner graphicsOn(HDC dc) {
    gp::GpGraphics* graphics = nullptr;
    if (gpflat::GdipCreateFromHDC(dc, &graphics) != gp::Ok) return {};
    return GraphicsOwner(graphics);
}

inline SolidBrushOwner solidBrush(gp::ARGB argb) {
    gp::GpSolidFill* brush = nullptr;
    if (gpflat::GdipCreateSolidFill(argb, &brush) != gp::Ok) return {};
    return SolidBrushOwner(brush);
}

// Starts the decoder (unless not `wanted`) for as long as it lives; `started()` is the
// gdiplusActive switch.
class GdiplusSession {
public:
    explicit GdiplusSession(bool wanted = true) {
        if (!wanted) return;
        gp::GdiplusStartupInput input;
        const gp::Status status = gp::GdiplusStartup(&token_, &input, nullptr);
        if (status != gp::Ok) {
            token_ = 0;
            traceFailure(L"GdiplusStartup", static_cast<DWORD>(status));
        }
    }
    ~GdiplusSession() {
        if (token_ != 0) gp::GdiplusShutdown(token_);
    }
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;

    bool started() const { return token_ != 0; }

private:
    ULONG_PTR token_ = 0;
};

}  // namespace quillory
