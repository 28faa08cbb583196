#pragma once
// What the stand's modal dialogs share: the host facts they need, and the slide show held while
// they are open.
#include <windows.h>

#include "dialogs/dialog_host_win.h"
#include "stand/stand_commands_win.h"
#include "stand/stand_state_win.h"

namespace quillory {

DialogHost dialogHostOf(const PhotoStandWindow& stand);

// Runs `dialog` with the slide show held and ModalOpen set.
template <typename Dialog>
void runModal(PhotoStandWindow& stand, Dialog dialog) {
    App& app = stand.app;
    UpdateWindow(stand.window);
    holdAndStop(app);
    app.ModalOpen = true;
    dialog();
    app.ModalOpen = false;
    app.countdown.resetIdleCountdown();
}

}  // namespace quillory
