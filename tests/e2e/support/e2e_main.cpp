// Entry point of the end-to-end tests: keeps a screenshot of the display for every failed test, in
// the folder named by QUILLORY_E2E_OUT or else out\e2e under the current folder.
#include "screen.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

std::filesystem::path artifactFolder() {
    const char* configured = std::getenv("QUILLORY_E2E_OUT");
    return configured != nullptr && *configured != '\0' ? std::filesystem::path(configured)
                                                          : std::filesystem::path("out") / "e2e";
}

// Captures the display at a test's first failed check, while the program under test still shows
// what went wrong (by the end of the test it has been closed).
class ScreenshotOnFailure : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override { captured_ = false; }

    void OnTestPartResult(const ::testing::TestPartResult& result) override {
        const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
        if (!result.failed() || captured_ || test == nullptr) {
            return;
        }
        captured_ = true;
        const std::filesystem::path file =
            artifactFolder() / (std::string(test->test_suite_name()) + "." + test->name() + ".bmp");
        if (quillory::e2e::saveScreenshot(file)) {
            std::printf("screenshot of the failure: %s\n", file.string().c_str());
        }
    }

    bool captured_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new ScreenshotOnFailure);
    return RUN_ALL_TESTS();
}
