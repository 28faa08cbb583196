#include "base/window_state_win.h"

#include <gtest/gtest.h>

#include "resource.h"

namespace quillory {
namespace {

constexpr int kMissingTemplate = 9999;
constexpr UINT kDestroyYourself = WM_APP + 1;
constexpr wchar_t kClassName[] = L"QuilloryStateTest";

// Counts the states alive, so a test sees exactly when the window freed its state.
struct Tracked {
    explicit Tracked(int& aliveCount) : alive(aliveCount) { ++alive; }
    ~Tracked() { --alive; }
    Tracked(const Tracked&) = delete;
    Tracked& operator=(const Tracked&) = delete;

    int& alive;
    int initialised = 0;
    bool failCreate = false;
    INT_PTR endWith = 0;
    bool* keptThroughDestroy = nullptr;
};

struct Other {};

INT_PTR trackedDialogProc(HWND dialog, Tracked& state, UINT message, WPARAM, LPARAM) {
    if (message != WM_INITDIALOG) return FALSE;
    ++state.initialised;
    if (state.endWith != 0) EndDialog(dialog, state.endWith);
    return TRUE;
}

LRESULT trackedWindowProc(HWND window, Tracked& state, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE: return state.failCreate ? -1 : 0;
        case kDestroyYourself: {
            int& alive = state.alive;
            const int before = alive;
            DestroyWindow(window);
            *state.keptThroughDestroy = alive == before && !IsWindow(window);
            return 0;
        }
        default: return DefWindowProcW(window, message, wParam, lParam);
    }
}

void registerTestClass() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = windowProcWithState<trackedWindowProc>;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kClassName;
    RegisterClassExW(&windowClass);
}

HWND createTrackedWindow(std::unique_ptr<Tracked> state) {
    registerTestClass();
    StateHandoff handoff(std::move(state));
    return CreateWindowExW(0, kClassName, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, GetModuleHandleW(nullptr),
                           handoff.createParams());
}

TEST(WindowState, ADialogOwnsItsStateFromCreationToDestruction) {
    int alive = 0;
    auto state = std::make_unique<Tracked>(alive);
    Tracked* seen = state.get();
    HWND dialog = createDialogWithState<trackedDialogProc>(GetModuleHandleW(nullptr), IDD_MESSAGE, nullptr, std::move(state));
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(seen->initialised, 1);
    EXPECT_EQ(windowState<Tracked>(dialog), seen);
    EXPECT_EQ(windowState<Other>(dialog), nullptr);
    DestroyWindow(dialog);
    EXPECT_EQ(alive, 0);
}

TEST(WindowState, AModalDialogAnswersAndFreesItsState) {
    int alive = 0;
    auto state = std::make_unique<Tracked>(alive);
    state->endWith = 7;
    EXPECT_EQ(showDialogWithState<trackedDialogProc>(GetModuleHandleW(nullptr), IDD_MESSAGE, nullptr, std::move(state)), 7);
    EXPECT_EQ(alive, 0);
}

TEST(WindowState, AWindowThatIsNeverMadeFreesItsState) {
    int alive = 0;
    EXPECT_EQ(createDialogWithState<trackedDialogProc>(GetModuleHandleW(nullptr), kMissingTemplate, nullptr,
                                                       std::make_unique<Tracked>(alive)),
              nullptr);
    EXPECT_EQ(alive, 0);

    auto refused = std::make_unique<Tracked>(alive);
    refused->failCreate = true;
    EXPECT_EQ(createTrackedWindow(std::move(refused)), nullptr);
    EXPECT_EQ(alive, 0);
}

TEST(WindowState, AHandlerThatDestroysItsWindowKeepsItsStateUntilItReturns) {
    int alive = 0;
    auto state = std::make_unique<Tracked>(alive);
    Tracked* seen = state.get();
    HWND window = createTrackedWindow(std::move(state));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(windowState<Tracked>(window), seen);
    bool keptThroughDestroy = false;
    seen->keptThroughDestroy = &keptThroughDestroy;
    SendMessageW(window, kDestroyYourself, 0, 0);
    EXPECT_TRUE(keptThroughDestroy);
    EXPECT_EQ(alive, 0);
}

}  // namespace
}  // namespace quillory
