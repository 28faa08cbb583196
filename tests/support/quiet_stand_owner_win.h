#pragma once
// The stand's owner when no HostWindow runs: there is nothing to close with it or to retitle.
#include "stand/stand_owner_win.h"

namespace quillory::testing {

struct QuietStandOwner final : StandOwner {
    void standClosed() override {}
    void standGone() override {}
    void standRetitled(const Text&) override {}
};

}  // namespace quillory::testing
