#pragma once
// Which Windows the program runs on, asked through functions looked up by name so that the
// program still starts on systems that lack them.
#include "dialogs/about_text.h"

namespace quillory {

SystemVersion querySystemVersion();
BitnessProbe probeBitness();

}  // namespace quillory
