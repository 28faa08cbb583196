#pragma once
// The slide show's side of the PhotoStandWindow: timer 1, the compact running window and the way
// back from it, the picture step, the transition between the two picture surfaces, the history
// commands and the on/off toggle. The decisions are the core's (slide_countdown, slide_step,
// slide_history, slide_transition, compact_window); this file applies them to the windows.
#include <windows.h>

#include "base/geometry.h"
#include "stand/slide_step.h"

namespace quillory {

struct PhotoStandWindow;

// What the running state changes and must give back, and the step's memory.
struct SlideShowWindow {
    LONG_PTR standStyle = 0;
    LONG_PTR standExStyle = 0;
    LONG_PTR pageViewStyle = 0;
    LONG_PTR pageViewExStyle = 0;
    Rect compactFrame;  // the stand's own rectangle while the show runs
    bool compact = false;  // the show made the stand compact (not while full screen)
    SlideStepState step;
};

// Timer 1 drives the show once a second for the life of the stand.
void startSlideTimer(PhotoStandWindow& stand);
INT_PTR onSlideTimer(PhotoStandWindow& stand, WPARAM timer);

// A PageView made while the show runs (the keyboard changes Pages without stopping it) fills the
// compact window as its predecessor did.
void keepPageViewCompact(PhotoStandWindow& stand);

// The stand's commands that belong to the show (the transition the step posts, the history,
// the toggle); false for any other command.
bool runSlideCommand(PhotoStandWindow& stand, WORD command);

// The show at once, whatever the idle countdown says; the stand is brought to the front so that
// Space and Esc reach it.
void startSlideShowNow(PhotoStandWindow& stand);

// HoldAndStop: nothing advances until the next countdown reset, and a running show gives the
// window its tabs, frame and stored geometry back.
void holdAndStop(PhotoStandWindow& stand);

}  // namespace quillory
