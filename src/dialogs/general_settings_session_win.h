#pragma once
// What the general settings dialog's frame shares with its panels while it is open. The panels
// write straight into the live AlbumSettings, so that the stand shows opacity and fonts at once;
// the frame keeps the six values it restores on キャンセル.
#include <windows.h>
#include <commctrl.h>

#include <optional>
#include <span>

#include "app/app_state_win.h"
#include "base/text.h"
#include "dialogs/dialog_host_win.h"
#include "dialogs/page_list.h"
#include "dialogs/settings_panel_win.h"

namespace quillory {

struct GeneralSettingsSession {
    StartupFacts& app;
    DialogHost host;
    PageListEdit& pageList;  // every Page, edited by the page list panel
    AlbumSettings savedSettings;
    HWND frame = nullptr;

    AlbumSettings& settings() { return app.album.settings; }
    // The panels' and the frame's slides follow TabAnimate as it is now, not as it was at opening.
    void followTabAnimate() { host.tabAnimate = (settings().TabStyle & TabAnimate) != 0; }
};

// The stand's layered style follows TabTranslucent; when translucent, it takes LayerWindowLevel.
void applyTranslucency(HWND stand, const AlbumSettings& settings);
// The opacity alone, while the slider moves.
void applyOpacity(HWND stand, const AlbumSettings& settings);

// Fills a drop-down list with `entries` and selects entry `selected`.
void fillList(HWND panel, int id, std::span<const TextView> entries, unsigned selected);
// The selected entry of a drop-down list; nothing when none is (a stored index the list does not
// offer selects none, and stays stored until the person picks an entry).
std::optional<unsigned> selectedEntry(HWND panel, int id);

}  // namespace quillory
