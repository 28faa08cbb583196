#pragma once
// The dialogs' host without a stand: it keeps what a dialog asked it to show, in order, so a test
// can tell that each change reaches the stand, and reaches it once.
#include <vector>

#include "dialogs/dialog_host_win.h"

namespace quillory::testing {

class RecordingStand final : public StandHost {
public:
    void showStandLook(StandLook look) override { looks.push_back(look); }
    void givePagePicture(PageSettings& page, const Text& path, bool) override { page.File = path; }

    std::vector<StandLook> looks;
};

}  // namespace quillory::testing
