#pragma once
// A window's state object, attached once: whoever creates the window makes the state, the window
// owns it from its creation message on, and frees it after its last message (WM_NCDESTROY). The
// procedure is written as a handler that receives the state; nothing else casts the window's data.
//
// A new dialog:
//
//     struct FolderBarState {                 // everything the dialog owns, freed with it
//         explicit FolderBarState(App& owner) : app(owner) {}
//         App& app;
//         UniqueFont font;
//     };
//
//     INT_PTR folderBarProc(HWND dialog, FolderBarState& state, UINT message, WPARAM wParam, LPARAM lParam) {
//         switch (message) {
//             case WM_INITDIALOG: return onInitDialog(dialog, state);  // lParam is the helper's
//             case WM_COMMAND: return onCommand(dialog, state, LOWORD(wParam));
//             default: return FALSE;
//         }
//     }
//
//     HWND createFolderBar(App& app, HWND owner) {  // modeless; showDialogWithState for a modal one
//         return createDialogWithState<folderBarProc>(app.instance, IDD_FOLDERBAR, owner,
//                                                      std::make_unique<FolderBarState>(app));
//     }
//
// A window of a registered class names windowProcWithState<hostWindowProc> as the class's
// procedure and passes a StateHandoff's createParams() to CreateWindowExW.
//
// Messages that come before the creation message (WM_SETFONT for a dialog, WM_GETMINMAXINFO for a
// window) get the default answer without the handler. A modal dialog's results go out through
// references its state holds. The state stays valid until the outermost message of its window
// returns, so a handler may still touch it after calling DestroyWindow. A window that is never
// created, or dies before its creation message, frees the state when the creating call returns.
#include <windows.h>

#include <memory>

namespace quillory {

namespace window_state_detail {

template <typename Handler>
struct HandlerTraits;
template <typename Result, typename State>
struct HandlerTraits<Result (*)(HWND, State&, UINT, WPARAM, LPARAM)> {
    using StateType = State;
};

template <auto Handler>
using StateOf = typename HandlerTraits<decltype(Handler)>::StateType;

template <typename State>
const void* typeTag() {
    static const char tag = 0;
    return &tag;
}

// Lives in the window's user data while the window does.
struct StateBox {
    const void* type;
    int depth = 0;           // messages of this window being handled, nested
    bool windowGone = false;
};

template <typename State>
struct TypedStateBox final : StateBox {
    explicit TypedStateBox(std::unique_ptr<State> owned) : StateBox{typeTag<State>()}, state(std::move(owned)) {}
    std::unique_ptr<State> state;
};

inline StateBox* boxOf(HWND window) { return reinterpret_cast<StateBox*>(GetWindowLongPtrW(window, GWLP_USERDATA)); }

template <typename State>
void adopt(HWND window, LPARAM handoff) {
    auto* pending = reinterpret_cast<std::unique_ptr<State>*>(handoff);
    if (pending == nullptr || *pending == nullptr || boxOf(window) != nullptr) return;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new TypedStateBox<State>(std::move(*pending))));
}

// Runs one message through the handler and frees the state once the window is gone and no
// message of it is still being handled.
template <auto Handler, typename Result>
Result dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam, Result unhandled) {
    auto* box = static_cast<TypedStateBox<StateOf<Handler>>*>(boxOf(window));
    if (box == nullptr) return unhandled;
    ++box->depth;
    const Result result = Handler(window, *box->state, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        box->windowGone = true;
    }
    if (--box->depth == 0 && box->windowGone) delete box;
    return result;
}

}  // namespace window_state_detail

// Holds a state while its window is being created: createParams() is CreateWindowExW's lpParam,
// param() a dialog's creation parameter. When the window took the state, the handoff is empty.
template <typename State>
class StateHandoff {
public:
    explicit StateHandoff(std::unique_ptr<State> state) : pending_(std::move(state)) {}
    LPARAM param() { return reinterpret_cast<LPARAM>(&pending_); }
    void* createParams() { return &pending_; }

private:
    std::unique_ptr<State> pending_;
};

// The class procedure of a window whose handler is `Handler(HWND, State&, UINT, WPARAM, LPARAM)`.
template <auto Handler>
LRESULT CALLBACK windowProcWithState(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    using namespace window_state_detail;
    if (message == WM_NCCREATE) {
        adopt<StateOf<Handler>>(window, reinterpret_cast<LPARAM>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    }
    if (boxOf(window) == nullptr) return DefWindowProcW(window, message, wParam, lParam);
    return dispatch<Handler>(window, message, wParam, lParam, LRESULT{0});
}

// The dialog procedure of a dialog whose handler is `Handler(HWND, State&, UINT, WPARAM, LPARAM)`.
template <auto Handler>
INT_PTR CALLBACK dialogProcWithState(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    using namespace window_state_detail;
    if (message == WM_INITDIALOG) adopt<StateOf<Handler>>(dialog, lParam);
    return dispatch<Handler>(dialog, message, wParam, lParam, INT_PTR{FALSE});
}

// A modeless (or child) dialog from template `id` that owns `state`; nullptr when it cannot be made.
template <auto Handler>
HWND createDialogWithState(HINSTANCE instance, int id, HWND owner, std::unique_ptr<window_state_detail::StateOf<Handler>> state) {
    StateHandoff handoff(std::move(state));
    return CreateDialogParamW(instance, MAKEINTRESOURCEW(id), owner, dialogProcWithState<Handler>, handoff.param());
}

// Runs a modal dialog from template `id` that owns `state`; returns what EndDialog was given, -1
// when the dialog cannot be made.
template <auto Handler>
INT_PTR showDialogWithState(HINSTANCE instance, int id, HWND owner, std::unique_ptr<window_state_detail::StateOf<Handler>> state) {
    StateHandoff handoff(std::move(state));
    return DialogBoxParamW(instance, MAKEINTRESOURCEW(id), owner, dialogProcWithState<Handler>, handoff.param());
}

// The state of a window made with one of the above, for code outside its procedure (a function
// the window's owner calls); nullptr when the window has none or a state of another type.
template <typename State>
State* windowState(HWND window) {
    using namespace window_state_detail;
    StateBox* box = boxOf(window);
    if (box == nullptr || box->type != typeTag<State>() || box->windowGone) return nullptr;
    return static_cast<TypedStateBox<State>*>(box)->state.get();
}

}  // namespace quillory
