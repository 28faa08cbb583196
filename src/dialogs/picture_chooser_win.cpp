#include "dialogs/picture_chooser_win.h"

#include <commdlg.h>
#include <shlobj.h>

#include <array>
#include <memory>

#include "base/os_versions.h"
#include "base/wide_win.h"
#include "dialogs/dialog_placement_win.h"
#include "dialogs/picture_chooser.h"
#include "view/folder_scan_win.h"

namespace quillory {

namespace {

constexpr int kWiden = 80;
constexpr int kDeepen = 35;
constexpr int kTreeDeepen = 43;

using PathBuffer = std::array<wchar_t, kPathCapacity + 1>;

// The folder the file chooser started from last time; a drive-root File opens there again.
Text& lastInitialFolder() {
    static Text folder;
    return folder;
}

struct BrowseSession {
    const StartupFacts& app;
    const PageSettings& page;
    const DialogHost& host;
    HWND statusLine = nullptr;  // the prompt's static, turned into the status line
};

Text windowText(HWND window) {
    PathBuffer text{};
    GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    return fromWide(text.data());
}

Text classOf(HWND window) {
    std::array<wchar_t, 64> name{};
    GetClassNameW(window, name.data(), static_cast<int>(name.size()));
    return fromWide(name.data());
}

// The first child of `parent` of class `className` (and with `text`, when one is given).
HWND findChild(HWND parent, TextView className, std::optional<TextView> text = std::nullopt) {
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        if (classOf(child) == className && (!text || windowText(child) == *text)) return child;
    }
    return nullptr;
}

Rect rectInParent(HWND parent, HWND child) {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return Rect::fromEdges(r.left, r.top, r.right, r.bottom);
}

void grow(HWND parent, HWND child, int dx, int dy) {
    if (child == nullptr) return;
    const Rect r = rectInParent(parent, child);
    SetWindowPos(child, nullptr, 0, 0, r.dx + dx, r.dy + dy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void shift(HWND parent, HWND child, int dx, int dy) {
    if (child == nullptr) return;
    const Rect r = rectInParent(parent, child);
    SetWindowPos(child, nullptr, r.x + dx, r.y + dy, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The larger browser: more room for the tree and a status line as wide as the window.
void widenBrowser(HWND browser, BrowseSession& session) {
    RECT frame{};
    GetWindowRect(browser, &frame);
    SetWindowPos(browser, nullptr, 0, 0, frame.right - frame.left + kWiden, frame.bottom - frame.top + kDeepen,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (HWND tree = findChild(browser, u"SysTreeView32")) {
        grow(browser, tree, kWiden, kTreeDeepen);
        const LONG_PTR exStyle = GetWindowLongPtrW(tree, GWL_EXSTYLE);
        SetWindowLongPtrW(tree, GWL_EXSTYLE, (exStyle & ~static_cast<LONG_PTR>(WS_EX_CLIENTEDGE)) | WS_EX_STATICEDGE);
        SetWindowPos(tree, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    }
    session.statusLine = findChild(browser, u"Static", kBrowseStatusMarker);
    grow(browser, session.statusLine, kWiden, 0);
    // By identifier: the Cancel button carries the system's own language.
    shift(browser, GetDlgItem(browser, IDOK), kWiden, kDeepen);
    shift(browser, GetDlgItem(browser, IDCANCEL), kWiden, kDeepen);
}

// The folder the browser starts on: the Page's folder, or a file Page's picture's folder.
std::optional<Text> pagesFolder(const PageSettings& page) {
    const std::optional<Text> full = fullPathName(page.File);
    if (!full) return std::nullopt;
    const std::size_t separator = full->find_last_of(u'\\');
    return separator == Text::npos ? *full : full->substr(0, separator + 1);
}

// The status line for a folder the browser shows: its name and its number of pictures.
Text folderStatus(const StartupFacts& app, const std::optional<Text>& folder) {
    if (!folder) return u" ";
    Text path = *folder;
    if (path.size() > 3 && endsWith(path, u"\\")) path.pop_back();  // a drive root keeps its backslash
    const auto scratch = std::make_unique<FolderList>();
    const int count = scanFolderOnDisk(app.album, app.gdiplusActive, path + u"\\*.*", false, *scratch);
    return folderStatusLine(path, count);
}

void setStatus(HWND browser, const BrowseSession& session, const Text& text) {
    if (session.statusLine != nullptr) {
        SetWindowTextW(session.statusLine, wide(text));
    } else {
        SendMessageW(browser, BFFM_SETSTATUSTEXTW, 0, reinterpret_cast<LPARAM>(wide(text)));
    }
}

// The status line is filled here too: not every system reports the selection made here as a
// change, and the prompt's marker text must never show.
void onBrowserReady(HWND browser, BrowseSession& session) {
    SetWindowTextW(browser, wide(folderChooserTitle(session.app.albumName, session.page.Label)));
    SendMessageW(browser, BFFM_SETOKTEXT, 0, reinterpret_cast<LPARAM>(L"開く"));
    const bool larger = session.host.osVersionCode >= kWindowsXP;
    if (larger) widenBrowser(browser, session);
    placeDialogNearStand(browser, session.host);
    const std::optional<Text> folder = pagesFolder(session.page);
    if (folder) {
        SendMessageW(browser, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(wide(*folder)));
        SendMessageW(browser, BFFM_SETEXPANDED, TRUE, reinterpret_cast<LPARAM>(wide(*folder)));
    }
    setStatus(browser, session, folderStatus(session.app, folder));
}

void onSelectionChanged(HWND browser, const BrowseSession& session, PCIDLIST_ABSOLUTE item) {
    std::array<wchar_t, MAX_PATH> path{};
    const std::optional<Text> full =
        SHGetPathFromIDListW(item, path.data()) ? fullPathName(fromWide(path.data())) : std::nullopt;
    setStatus(browser, session, folderStatus(session.app, full));
}

int CALLBACK browseCallback(HWND browser, UINT message, LPARAM lParam, LPARAM data) {
    auto& session = *reinterpret_cast<BrowseSession*>(data);
    switch (message) {
        case BFFM_INITIALIZED: onBrowserReady(browser, session); break;
        case BFFM_SELCHANGED: onSelectionChanged(browser, session, reinterpret_cast<PCIDLIST_ABSOLUTE>(lParam)); break;
        default: break;
    }
    return 0;
}

}  // namespace

std::optional<Text> chooseFile(const StartupFacts& app, const PageSettings& page, HWND owner) {
    const FileChooserStart start = fileChooserStart(page.File, fullPathName, lastInitialFolder());
    lastInitialFolder() = start.folder;
    PathBuffer name{};
    start.name.copy(reinterpret_cast<char16_t*>(name.data()), name.size() - 1);
    const Text title = fileChooserTitle(app.albumName, page.Label);
    const Text filter = fileChooserFilter(app.gdiplusActive);
    OPENFILENAMEW request{};
    request.lStructSize = sizeof(request);
    request.hwndOwner = owner;
    request.lpstrFilter = wide(filter);
    request.nFilterIndex = 1;
    request.lpstrFile = name.data();
    request.nMaxFile = static_cast<DWORD>(name.size());
    request.lpstrInitialDir = start.folder.empty() ? nullptr : wide(lastInitialFolder());
    request.lpstrTitle = wide(title);
    request.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
    if (!GetOpenFileNameW(&request)) return std::nullopt;
    return fromWide(name.data());
}

std::optional<Text> chooseFolder(const StartupFacts& app, const PageSettings& page, HWND owner, const DialogHost& host) {
    BrowseSession session{app, page, host};
    std::array<wchar_t, MAX_PATH> displayName{};
    const Text prompt(host.osVersionCode >= kWindowsXP ? kBrowseStatusMarker : kBrowsePrompt);
    BROWSEINFOW request{};
    request.hwndOwner = owner;
    request.pszDisplayName = displayName.data();
    request.lpszTitle = wide(prompt);
    request.ulFlags = BIF_RETURNONLYFSDIRS | BIF_RETURNFSANCESTORS | BIF_NONEWFOLDERBUTTON | BIF_NOTRANSLATETARGETS;
    request.lpfn = browseCallback;
    request.lParam = reinterpret_cast<LPARAM>(&session);
    PIDLIST_ABSOLUTE item = SHBrowseForFolderW(&request);
    if (item == nullptr) return std::nullopt;
    std::array<wchar_t, MAX_PATH> path{};
    const bool hasPath = SHGetPathFromIDListW(item, path.data()) != FALSE;
    CoTaskMemFree(item);
    if (!hasPath) return std::nullopt;
    return fromWide(path.data());
}

}  // namespace quillory
