#pragma once
// Failures the program carries on from leave a line in the debugger's output in debug builds
// (a debugger, DebugView, or Wine with WINEDEBUG=+debugstr), so a failure that is ignored on
// purpose is still seen while developing. Release builds compile the traces away.
#include <windows.h>

#include <cwchar>
#include <string>

namespace quillory {

#ifdef NDEBUG
inline void traceFailure(const wchar_t*, DWORD) {}
inline void traceRefusal(const std::wstring&, const wchar_t*) {}
#else
inline void traceFailure(const wchar_t* what, DWORD error) {
    wchar_t line[256];
    std::swprintf(line, sizeof(line) / sizeof(line[0]), L"Quillory: %ls failed (error %lu)\n", what, error);
    OutputDebugStringW(line);
}

// Something turned down on purpose, with what it concerned (a file's path, of any length).
inline void traceRefusal(const std::wstring& what, const wchar_t* subject) {
    OutputDebugStringW((L"Quillory: " + what + L": " + subject + L"\n").c_str());
}
#endif

// Passes `result` on, tracing `what` when it is a failure (false, null, zero).
template <typename Result>
Result traceIfFailed(Result result, const wchar_t* what) {
    if (!result) traceFailure(what, GetLastError());
    return result;
}

}  // namespace quillory
