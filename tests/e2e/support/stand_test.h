// The fixture end-to-end tests derive from: a sandbox with its own quillory.exe, and the steps every
// test takes with the PhotoStandWindow (start, find, read the tabs, answer, close).
#pragma once

#include "album_bytes.h"
#include "app_process.h"
#include "sandbox.h"
#include "window_query.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace quillory::e2e {

// The PhotoStandWindow's caption for an album name: at most 64 characters of the name.
std::wstring standCaption(const std::wstring& albumName);

class StandTest : public ::testing::Test {
protected:
    void SetUp() override;

    // Starts the sandbox's quillory.exe with the argument (verbatim) from the sandbox folder.
    std::optional<AppProcess> launch(const std::wstring& argument = {});
    // The process's PhotoStandWindow once it is shown: a dialog titled "<albumName> - Quillory".
    HWND waitForStand(const AppProcess& app, const std::wstring& albumName);
    // The process's hidden HostWindow (class "Quillory").
    HWND findHost(const AppProcess& app);
    HWND tabControl(HWND stand);
    // The stand's PageView (the child dialog holding the picture surfaces) once it exists.
    HWND pageView(HWND stand);
    std::vector<std::wstring> tabs(HWND stand);
    // Asks the PhotoStandWindow to close, as its close box would, and waits for the exit code.
    std::optional<DWORD> closeStand(const AppProcess& app, HWND stand);

    std::optional<Bytes> albumBytes(std::wstring_view fileName) { return readFileBytes(sandbox_.file(fileName)); }
    std::optional<std::wstring> albumText(std::wstring_view fileName);

    // Writes the album into the sandbox as "<albumName>.qalbum" and starts the program on it.
    HWND startAlbum(const std::wstring& albumName, const Bytes& album);
    // Starts the program on the album (kept in app_) and returns its stand once shown; nothing
    // when the program did not start.
    HWND startStand(const std::wstring& albumName);
    // The started album's text once its program has closed, which it must do with exit code 0.
    std::wstring closedAlbum(HWND stand);
    // The started program's own message boxes that show (dialogs titled "Quillory"), apart from `others`.
    std::vector<HWND> messageBoxes(std::initializer_list<HWND> others);
    // Answers the message box, once one shows apart from `others`, and waits until it has gone, so
    // that the next one is a new box.
    bool answer(std::initializer_list<HWND> others, int button);

    Sandbox sandbox_;
    std::optional<AppProcess> app_;  // the program startStand started

private:
    std::wstring albumName_;
};

}  // namespace quillory::e2e
