#include <windows.h>
#include <gtest/gtest.h>

#include <optional>

#include "base/gdi_handles_win.h"
#include "base/background_brush_win.h"

namespace quillory {
namespace {

// A window class of its own whose background is a brush the class owns, as the system's is.
struct BrushedClass {
    BrushedClass() {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hbrBackground = classBrush;
        windowClass.lpszClassName = L"QuilloryBrushTest";
        RegisterClassW(&windowClass);
        window.reset(CreateWindowExW(0, L"QuilloryBrushTest", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                     GetModuleHandleW(nullptr), nullptr));
    }
    ~BrushedClass() {
        window.reset();
        UnregisterClassW(L"QuilloryBrushTest", GetModuleHandleW(nullptr));
        DeleteObject(classBrush);
    }
    HBRUSH installed() const { return reinterpret_cast<HBRUSH>(GetClassLongPtrW(window.get(), GCLP_HBRBACKGROUND)); }

    HBRUSH classBrush = CreateSolidBrush(RGB(1, 2, 3));
    UniqueWindow window;
};

bool alive(HGDIOBJ object) { return GetObjectType(object) == OBJ_BRUSH; }

TEST(DialogBackground, ReplacesOnlyItsOwnBrushAndGivesTheClassItsOwnBack) {
    BrushedClass brushed;
    ASSERT_NE(brushed.window.get(), nullptr);
    HBRUSH first = nullptr;
    {
        DialogBackground background;
        background.install(GetModuleHandleW(nullptr), brushed.window.get());
        first = background.brush();
        ASSERT_NE(first, nullptr);
        EXPECT_EQ(brushed.installed(), first);
        EXPECT_EQ(background.patternSize(), (Size{48, 48}));

        // A system colour change installs anew: the new brush is in place before the old one goes.
        background.install(GetModuleHandleW(nullptr), brushed.window.get());
        EXPECT_NE(background.brush(), first);
        EXPECT_EQ(brushed.installed(), background.brush());
        EXPECT_FALSE(alive(first));
        EXPECT_TRUE(alive(brushed.classBrush)) << "the class's own brush is never deleted";
    }
    EXPECT_EQ(brushed.installed(), brushed.classBrush);
    EXPECT_TRUE(alive(brushed.classBrush));
}

}  // namespace
}  // namespace quillory
