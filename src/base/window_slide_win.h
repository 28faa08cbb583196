#pragma once
// How long a window or dialog takes to slide in or out (AnimateWindow) when TabAnimate is set.
#include <windows.h>

namespace quillory {

constexpr DWORD kSlideMilliseconds = 95;

}  // namespace quillory
