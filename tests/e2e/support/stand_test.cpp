#include "stand_test.h"

#include "input.h"
#include "resource.h"

#include <algorithm>

namespace quillory::e2e {

std::wstring standCaption(const std::wstring& albumName) {
    return albumName.substr(0, 64) + L" - Quillory";
}

void StandTest::SetUp() {
    ASSERT_TRUE(sandbox_.ready()) << "could not prepare " << sandbox_.folder();
}

std::optional<AppProcess> StandTest::launch(const std::wstring& argument) {
    return AppProcess::start(sandbox_.exe(), argument, sandbox_.folder());
}

HWND StandTest::waitForStand(const AppProcess& app, const std::wstring& albumName) {
    return waitForTopLevelWindow({L"#32770", standCaption(albumName), app.id(), true});
}

HWND StandTest::findHost(const AppProcess& app) {
    return findTopLevelWindow({L"Quillory", std::nullopt, app.id()});
}

HWND StandTest::tabControl(HWND stand) { return GetDlgItem(stand, IDC_TABS); }

HWND StandTest::pageView(HWND stand) {
    return waitFor([&]() -> HWND {
        for (HWND child : childWindows(stand)) {
            if (GetParent(child) == stand && GetDlgItem(child, IDC_PICTURE_SURFACE1) != nullptr) return child;
        }
        return nullptr;
    });
}

std::vector<std::wstring> StandTest::tabs(HWND stand) {
    return tabTexts(tabControl(stand)).value_or(std::vector<std::wstring>{});
}

std::optional<DWORD> StandTest::closeStand(const AppProcess& app, HWND stand) {
    if (!postClose(stand)) {
        return std::nullopt;
    }
    return app.waitForExit();
}

std::optional<std::wstring> StandTest::albumText(std::wstring_view fileName) {
    std::optional<Bytes> bytes = albumBytes(fileName);
    return bytes ? decodeUtf16le(*bytes) : std::nullopt;
}

HWND StandTest::startAlbum(const std::wstring& albumName, const Bytes& album) {
    EXPECT_TRUE(writeFileBytes(sandbox_.file(albumName + L".qalbum"), album));
    return startStand(albumName);
}

HWND StandTest::startStand(const std::wstring& albumName) {
    albumName_ = albumName;
    app_ = launch(albumName);
    return app_ ? waitForStand(*app_, albumName) : nullptr;
}

std::wstring StandTest::closedAlbum(HWND stand) {
    EXPECT_EQ(closeStand(*app_, stand), std::optional<DWORD>(0));
    return albumText(albumName_ + L".qalbum").value_or(L"");
}

std::vector<HWND> StandTest::messageBoxes(std::initializer_list<HWND> others) {
    std::vector<HWND> found;
    for (HWND window : topLevelWindows({L"#32770", L"Quillory", app_->id(), true})) {
        if (std::find(others.begin(), others.end(), window) == others.end()) found.push_back(window);
    }
    return found;
}

bool StandTest::answer(std::initializer_list<HWND> others, int button) {
    HWND box = waitFor([&] {
        const std::vector<HWND> boxes = messageBoxes(others);
        return boxes.empty() ? HWND{} : boxes.back();
    });
    return box != nullptr && PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0) &&
           waitUntil([&] { return !IsWindow(box); });
}

}  // namespace quillory::e2e
