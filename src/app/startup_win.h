#pragma once
#include <windows.h>

namespace quillory {

// The whole run: start-up, message loop, shutdown. Returns the process's exit code.
int runQuillory(HINSTANCE instance);

}  // namespace quillory
