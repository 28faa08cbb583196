#pragma once
// What the stand's modal dialogs share: the host facts they need, the slide show held while they
// are open, and the one notice that the album could not be written.
#include <windows.h>

#include "dialogs/dialog_host_win.h"
#include "stand/slide_show_win.h"
#include "stand/stand_state_win.h"

namespace quillory {

// The facts of the running program every dialog reads, with the stand as the host that shows
// what they change.
DialogHost dialogHostOf(PhotoStandWindow& stand);

// Runs `dialog` with the slide show held and modalOpen set.
template <typename Dialog>
void runModal(PhotoStandWindow& stand, Dialog dialog) {
    UpdateWindow(stand.window);
    holdAndStop(stand);
    stand.modalOpen = true;
    dialog();
    stand.modalOpen = false;
    stand.countdown.resetIdleCountdown();
}

// After a save while the stand runs: when the album could not be written, the person is told,
// once per run, while there is still time to make the file writable; the program goes on from
// memory. (Closing tells nothing: it would only hold up the close, or a log-off.)
void tellIfSaveFailed(PhotoStandWindow& stand);

// Why no Page can be added (or removed): the album holds more Pages than a run shows, which the
// person is also told once the window shows, or it holds as many as a run can.
void tellPageCountFixed(PhotoStandWindow& stand);

}  // namespace quillory
