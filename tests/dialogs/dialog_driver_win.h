#pragma once
// Drives a modal dialog from inside its own message loop: a thread timer finds the dialog once
// it is shown and hands it to the test, which inspects it and presses a button.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace quillory::testing {

class ModalDriver {
public:
    explicit ModalDriver(std::function<void(HWND)> action) : action_(std::move(action)) {
        current() = this;
        timer_ = SetTimer(nullptr, 0, 20, &ModalDriver::onTimer);
    }
    ~ModalDriver() {
        KillTimer(nullptr, timer_);
        current() = nullptr;
    }
    ModalDriver(const ModalDriver&) = delete;
    ModalDriver& operator=(const ModalDriver&) = delete;

    bool ran() const { return ran_; }

private:
    static ModalDriver*& current() {
        static ModalDriver* driver = nullptr;
        return driver;
    }

    static BOOL CALLBACK findDialog(HWND window, LPARAM found) {
        wchar_t className[16]{};
        GetClassNameW(window, className, 16);
        if (IsWindowVisible(window) && std::wstring(className) == L"#32770") {
            *reinterpret_cast<HWND*>(found) = window;
            return FALSE;
        }
        return TRUE;
    }

    static void CALLBACK onTimer(HWND, UINT, UINT_PTR, DWORD) {
        ModalDriver* driver = current();
        if (driver == nullptr || driver->ran_) return;
        HWND dialog = nullptr;
        EnumThreadWindows(GetCurrentThreadId(), findDialog, reinterpret_cast<LPARAM>(&dialog));
        if (dialog == nullptr) return;
        driver->ran_ = true;
        KillTimer(nullptr, driver->timer_);
        driver->action_(dialog);
    }

    std::function<void(HWND)> action_;
    UINT_PTR timer_ = 0;
    bool ran_ = false;
};

inline std::wstring windowText(HWND window) {
    wchar_t text[1024]{};
    GetWindowTextW(window, text, 1024);
    return text;
}

inline std::wstring itemText(HWND dialog, int id) { return windowText(GetDlgItem(dialog, id)); }

inline RECT clientRectOf(HWND parent, HWND child) {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// The labels of a toolbar's buttons that do not fit between the edges the button keeps beside its
// text, so that the toolbar shows them cut with "…".
inline std::vector<std::wstring> labelsCutShort(HWND toolbar) {
    std::vector<std::wstring> cut;
    HDC dc = GetDC(toolbar);
    HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(toolbar, WM_GETFONT, 0, 0)));
    const auto count = SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        TBBUTTON button{};
        SendMessageW(toolbar, TB_GETBUTTON, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&button));
        wchar_t label[64]{};
        SendMessageW(toolbar, TB_GETBUTTONTEXTW, static_cast<WPARAM>(button.idCommand), reinterpret_cast<LPARAM>(label));
        RECT place{};
        SendMessageW(toolbar, TB_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&place));
        SIZE size{};
        GetTextExtentPoint32W(dc, label, static_cast<int>(wcslen(label)), &size);
        if (size.cx > place.right - place.left - 2 * GetSystemMetrics(SM_CXEDGE)) cut.emplace_back(label);
    }
    SelectObject(dc, previous);
    ReleaseDC(toolbar, dc);
    return cut;
}

// Copies the window's screen area into a 24-bit BMP in the folder named by QUILLORY_SHOTS_DIR;
// nothing when it is not set. For looking at the dialogs, not for checking them.
inline void saveScreenshot(HWND window, const char* name) {
    const char* folder = std::getenv("QUILLORY_SHOTS_DIR");
    if (folder == nullptr) return;
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
    // Let the display catch up with the painting before copying it.
    for (int round = 0; round < 20; ++round) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(10);
    }
    RECT r{};
    GetWindowRect(window, &r);
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    const int stride = (width * 3 + 3) & ~3;
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(info.bmiHeader);
    file.bfSize = file.bfOffBits + static_cast<DWORD>(stride * height);
    const std::string path = std::string(folder) + "\\" + name + ".bmp";
    if (FILE* out = std::fopen(path.c_str(), "wb")) {
        std::fwrite(&file, sizeof(file), 1, out);
        std::fwrite(&info.bmiHeader, sizeof(info.bmiHeader), 1, out);
        std::fwrite(bits, static_cast<std::size_t>(stride), static_cast<std::size_t>(height), out);
        std::fclose(out);
    }
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

}  // namespace quillory::testing
