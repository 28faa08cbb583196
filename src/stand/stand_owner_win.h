#pragma once
// What the stand tells the window that owns it (the HostWindow), which ends the program with it
// and shows its title in the taskbar's place.
#include "base/text.h"

namespace quillory {

class StandOwner {
public:
    // The person closed the stand and it has saved: the owner closes too.
    virtual void standClosed() = 0;
    // The stand's window is being destroyed: the owner no longer hands it messages.
    virtual void standGone() = 0;
    // The stand's title changed (the slide show started, paused or ended).
    virtual void standRetitled(const Text& title) = 0;

protected:
    ~StandOwner() = default;
};

}  // namespace quillory
