#include "window_query.h"

#include "owned_handles.h"

#include <commctrl.h>

#include <array>

namespace quillory::e2e {
namespace {

constexpr UINT kMessageTimeoutMs = 5000;

bool matches(HWND window, const WindowMatch& match) {
    if (match.processId != 0 && windowProcess(window) != match.processId) {
        return false;
    }
    if (match.visibleOnly && !IsWindowVisible(window)) {
        return false;
    }
    if (!match.className.empty() && windowClass(window) != match.className) {
        return false;
    }
    return !match.title || windowText(window) == *match.title;
}

BOOL CALLBACK collectWindow(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

OwnedHandle openForBuffers(HWND window) {
    return OwnedHandle(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, windowProcess(window)));
}

}  // namespace

std::vector<HWND> topLevelWindows(const WindowMatch& match) {
    std::vector<HWND> all;
    EnumWindows(collectWindow, reinterpret_cast<LPARAM>(&all));
    std::vector<HWND> found;
    for (HWND window : all) {
        if (matches(window, match)) {
            found.push_back(window);
        }
    }
    return found;
}

HWND findTopLevelWindow(const WindowMatch& match) {
    std::vector<HWND> found = topLevelWindows(match);
    return found.empty() ? nullptr : found.front();
}

HWND waitForTopLevelWindow(const WindowMatch& match, Duration limit) {
    return waitFor([&] { return findTopLevelWindow(match); }, limit);
}

std::wstring windowText(HWND window) {
    std::array<wchar_t, 512> text{};
    int length = GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    return std::wstring(text.data(), static_cast<size_t>(length > 0 ? length : 0));
}

std::wstring windowClass(HWND window) {
    std::array<wchar_t, 256> name{};
    int length = GetClassNameW(window, name.data(), static_cast<int>(name.size()));
    return std::wstring(name.data(), static_cast<size_t>(length > 0 ? length : 0));
}

LONG_PTR windowStyle(HWND window) { return GetWindowLongPtrW(window, GWL_STYLE); }

LONG_PTR windowExStyle(HWND window) { return GetWindowLongPtrW(window, GWL_EXSTYLE); }

HWND windowOwner(HWND window) { return GetWindow(window, GW_OWNER); }

DWORD windowProcess(HWND window) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return process;
}

RECT windowRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

std::vector<HWND> childWindows(HWND parent) {
    std::vector<HWND> children;
    EnumChildWindows(parent, collectWindow, reinterpret_cast<LPARAM>(&children));
    return children;
}

HWND waitForPanelWith(HWND dialog, int id) {
    HWND found = nullptr;
    waitUntil([&] {
        HWND panel = FindWindowExW(dialog, nullptr, L"#32770", nullptr);
        // Visible only once every control is made: the tree may exist before the buttons below it.
        found = panel != nullptr && IsWindowVisible(panel) && GetDlgItem(panel, id) != nullptr ? panel : nullptr;
        return found != nullptr;
    });
    return found;
}

std::optional<LRESULT> sendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kMessageTimeoutMs, &result)) {
        return std::nullopt;
    }
    return static_cast<LRESULT>(result);
}

std::optional<std::wstring> remoteText(HWND control, UINT message, WPARAM wParam) {
    OwnedHandle process = openForBuffers(control);
    constexpr size_t kTextCapacity = 1024;
    std::array<wchar_t, kTextCapacity> text{};
    if (!process) {
        return std::nullopt;
    }
    RemoteBuffer remote(process.get(), sizeof text);
    if (!remote || !WriteProcessMemory(process.get(), remote.address(), text.data(), sizeof text, nullptr) ||
        !sendMessage(control, message, wParam, reinterpret_cast<LPARAM>(remote.address())) ||
        !ReadProcessMemory(process.get(), remote.address(), text.data(), sizeof text - sizeof(wchar_t), nullptr)) {
        return std::nullopt;
    }
    return std::wstring(text.data());
}

std::optional<std::wstring> statusBarText(HWND statusBar, int part) {
    return remoteText(statusBar, SB_GETTEXTW, static_cast<WPARAM>(part));
}

namespace {

// The text of every item of another process's tab control or list view. The item (`blank` with
// the text buffer filled in) and its text buffer are placed in the control's process for
// `getMessage` to fill. The control may answer with a pointer to its own copy of the text instead
// of filling ours, so the text is read where the item points afterwards.
template <typename Item>
std::optional<std::vector<std::wstring>> remoteItemTexts(HWND control, UINT countMessage, UINT getMessage, Item blank) {
    std::optional<LRESULT> count = sendMessage(control, countMessage);
    OwnedHandle process = openForBuffers(control);
    if (!count || !process) {
        return std::nullopt;
    }
    constexpr int kTextCapacity = 260;
    RemoteBuffer remote(process.get(), sizeof(Item) + kTextCapacity * sizeof(wchar_t));
    if (!remote) {
        return std::nullopt;
    }
    auto* remoteItem = static_cast<char*>(remote.address());
    auto* remoteText = reinterpret_cast<wchar_t*>(remoteItem + sizeof(Item));
    std::vector<std::wstring> texts;
    for (LRESULT index = 0; index < *count; ++index) {
        Item item = blank;
        item.pszText = remoteText;
        item.cchTextMax = kTextCapacity;
        std::array<wchar_t, kTextCapacity> text{};
        if (!WriteProcessMemory(process.get(), remoteItem, &item, sizeof item, nullptr) ||
            !WriteProcessMemory(process.get(), remoteText, text.data(), sizeof(wchar_t), nullptr) ||
            !sendMessage(control, getMessage, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(remoteItem)) ||
            !ReadProcessMemory(process.get(), remoteItem, &item, sizeof item, nullptr) ||
            !ReadProcessMemory(process.get(), item.pszText, text.data(), (text.size() - 1) * sizeof(wchar_t), nullptr)) {
            return std::nullopt;
        }
        texts.emplace_back(text.data());
    }
    return texts;
}

}  // namespace

std::optional<std::vector<std::wstring>> tabTexts(HWND tabControl) {
    TCITEMW blank{};
    blank.mask = TCIF_TEXT;
    return remoteItemTexts(tabControl, TCM_GETITEMCOUNT, TCM_GETITEMW, blank);
}

std::optional<int> selectedTab(HWND tabControl) {
    std::optional<LRESULT> selected = sendMessage(tabControl, TCM_GETCURSEL);
    if (!selected) {
        return std::nullopt;
    }
    return static_cast<int>(*selected);
}

std::vector<HTREEITEM> treeRoots(HWND tree) {
    std::vector<HTREEITEM> items;
    std::optional<LRESULT> item = sendMessage(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0);
    while (item && *item != 0) {
        items.push_back(reinterpret_cast<HTREEITEM>(*item));
        item = sendMessage(tree, TVM_GETNEXTITEM, TVGN_NEXT, *item);
    }
    return items;
}

bool setTreeCheck(HWND tree, HTREEITEM item, bool checked) {
    OwnedHandle process = openForBuffers(tree);
    if (!process) {
        return false;
    }
    RemoteBuffer remote(process.get(), sizeof(TVITEMW));
    TVITEMW state{};
    state.mask = TVIF_STATE;
    state.hItem = item;
    state.state = INDEXTOSTATEIMAGEMASK(checked ? 2 : 1);
    state.stateMask = TVIS_STATEIMAGEMASK;
    const std::optional<LRESULT> done =
        remote && WriteProcessMemory(process.get(), remote.address(), &state, sizeof state, nullptr)
            ? sendMessage(tree, TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(remote.address()))
            : std::nullopt;
    return done && *done != 0;
}

std::optional<bool> treeCheck(HWND tree, HTREEITEM item) {
    const std::optional<LRESULT> state = sendMessage(tree, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), TVIS_STATEIMAGEMASK);
    if (!state) {
        return std::nullopt;
    }
    return (*state & TVIS_STATEIMAGEMASK) == INDEXTOSTATEIMAGEMASK(2);
}

std::optional<RECT> tabItemRect(HWND tabControl, int index) {
    OwnedHandle process = openForBuffers(tabControl);
    RECT rect{};
    if (!process) {
        return std::nullopt;
    }
    RemoteBuffer remote(process.get(), sizeof rect);
    const std::optional<LRESULT> found =
        remote ? sendMessage(tabControl, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(remote.address()))
               : std::nullopt;
    if (!found || *found == 0 || !ReadProcessMemory(process.get(), remote.address(), &rect, sizeof rect, nullptr)) {
        return std::nullopt;
    }
    return rect;
}

std::optional<std::vector<std::wstring>> listViewTexts(HWND listView, int column) {
    LVITEMW blank{};
    blank.iSubItem = column;
    return remoteItemTexts(listView, LVM_GETITEMCOUNT, LVM_GETITEMTEXTW, blank);
}

}  // namespace quillory::e2e
