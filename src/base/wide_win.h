#pragma once
// The one crossing between core text (char16_t) and the Win32 API (wchar_t, also UTF-16 here).
#include <cwchar>

#include "base/text.h"

namespace quillory {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Win32 wide text is UTF-16");

inline const wchar_t* wide(const Text& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }
inline wchar_t* wide(Text& text) { return reinterpret_cast<wchar_t*>(text.data()); }
inline Text fromWide(const wchar_t* text, std::size_t length) { return Text(reinterpret_cast<const char16_t*>(text), length); }
inline Text fromWide(const wchar_t* text) { return text == nullptr ? Text() : fromWide(text, std::wcslen(text)); }
// A zero-terminated wide text seen as core text, without a copy.
inline TextView wideView(const wchar_t* text) { return TextView(reinterpret_cast<const char16_t*>(text), std::wcslen(text)); }

}  // namespace quillory
