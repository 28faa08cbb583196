#pragma once
// Functions that newer Windows versions add are looked up by name in a module the process has
// already loaded, so the program still starts where they are missing.
#include <windows.h>

namespace quillory {

template <typename Function>
Function lookUpSystemFunction(const wchar_t* module, const char* name) {
    HMODULE loaded = GetModuleHandleW(module);
    if (loaded == nullptr) return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(loaded, name)));
}

}  // namespace quillory
