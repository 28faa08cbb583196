#pragma once
// How far a FolderBar click or wheel turn moves through the current folder Page's pictures, and
// the counter the bar shows.
#include <optional>

#include "base/text.h"

namespace quillory {

enum class StepDirection { Back, Next };

// What is held down while the bar's button is clicked.
struct StepModifiers {
    bool shift = false;
    bool rightButton = false;
    bool control = false;
};

// The folder index after a step: one picture, ten with Shift or the right button, the first or
// last with Control. The index stays within the folder and never wraps round; an empty folder
// leaves it at 0.
int steppedFolderIndex(int folderIndex, int folderCount, StepDirection direction, StepModifiers modifiers);

// The keys that move through a folder Page from its view: → and ← as the bar's next and back,
// Home and End to the first and last picture (as the bar's buttons with Control).
enum class FolderKey { Back, Next, First, Last };
struct FolderStep {
    StepDirection direction = StepDirection::Next;
    StepModifiers modifiers;
};
FolderStep folderKeyStep(FolderKey key);

// The wheel turned towards the person (a negative delta) steps forward, away from them back; a
// zero delta steps nowhere.
std::optional<StepDirection> wheelStep(int wheelDelta);

// " n / m ": the picture shown, counted from 1, of the folder's pictures; " n / m+ " when the
// folder held more pictures than the list takes, so the person knows some are not shown.
Text folderCounterText(int folderIndex, int folderCount, bool morePictures);

}  // namespace quillory
