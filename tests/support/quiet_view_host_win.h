#pragma once
// A PageView's host that takes no action, for tests that drive the view alone.
#include "view/page_view_win.h"

namespace quillory::testing {

struct QuietViewHost : PageViewHost {
    void holdAndStop() override {}
    void actionDone() override {}
    void openMenu(POINT) override {}
    void openPageSettings() override {}
    void showDropped(const Text&, bool) override {}
    void addDroppedPage(const Text&) override {}
    void stepFolder(StepDirection, StepModifiers) override {}
    void lookChanged() override {}
    void folderRelisted(const FolderPlace&) override {}
    void pictureArrived() override {}

protected:
    ~QuietViewHost() = default;
};

}  // namespace quillory::testing
