#include "window_watch.h"

#include "window_query.h"

#include <algorithm>

namespace quillory::e2e {
namespace {

// The report callback carries no context, so it finds the watch of its thread here (one watch
// per thread at a time).
thread_local std::vector<DWORD>* activeCreators = nullptr;

}  // namespace

WindowCreationWatch::WindowCreationWatch()
    : hook_(SetWinEventHook(EVENT_OBJECT_CREATE, EVENT_OBJECT_CREATE, nullptr, onEvent, 0, 0, WINEVENT_OUTOFCONTEXT)) {
    activeCreators = &creators_;
}

WindowCreationWatch::~WindowCreationWatch() {
    if (hook_ != nullptr) {
        UnhookWinEvent(hook_);
    }
    activeCreators = nullptr;
}

void CALLBACK WindowCreationWatch::onEvent(HWINEVENTHOOK, DWORD, HWND, LONG object, LONG, DWORD thread, DWORD) {
    if (object == OBJID_WINDOW && activeCreators != nullptr) {
        activeCreators->push_back(thread);
    }
}

void WindowCreationWatch::takeReports() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageW(&message);
    }
}

std::optional<DWORD> WindowCreationWatch::waitForExit(const AppProcess& app, Duration limit) {
    const bool ended = waitUntil([&] {
        takeReports();
        return !app.running();
    }, limit);
    takeReports();
    return ended ? app.waitForExit(Duration{0}) : std::nullopt;
}

HWND WindowCreationWatch::waitForWindow(const WindowMatch& match, Duration limit) {
    return waitFor([&] {
        takeReports();
        return findTopLevelWindow(match);
    }, limit);
}

bool WindowCreationWatch::windowCreatedBy(DWORD threadId) const {
    return std::find(creators_.begin(), creators_.end(), threadId) != creators_.end();
}

}  // namespace quillory::e2e
