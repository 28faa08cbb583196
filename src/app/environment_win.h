#pragma once
// What the start-up measures of the system and reads from its own command line.
#include "base/text.h"

namespace quillory {

unsigned measureOsVersionCode();
int measureCommonControlsVersion();
void screenDpi(double& dpiX, double& dpiY);

// The running program's folder, with its trailing backslash.
Text programFolder();

// The full form of a path, of any length (relative to the current folder); the path itself when
// no full form can be made.
Text fullPathOf(const Text& path);

// The whole wide command line after the program's own name, leading blanks removed.
Text commandLineArgument();

}  // namespace quillory
