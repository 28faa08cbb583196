#pragma once
// Holds the slide show while the system sleeps and restarts its countdown on waking.
#include "stand/slide_countdown.h"

namespace quillory {

class SuspendNotice {
public:
    // Registers when the system offers the notice (Windows 8 and later); otherwise does nothing.
    explicit SuspendNotice(SlideCountdown& countdown);
    ~SuspendNotice();
    SuspendNotice(const SuspendNotice&) = delete;
    SuspendNotice& operator=(const SuspendNotice&) = delete;

private:
    void* registration_ = nullptr;
};

}  // namespace quillory
