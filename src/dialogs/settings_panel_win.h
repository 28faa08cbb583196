#pragma once
// What every panel of the two settings dialogs does alike: it slides in, paints on the shared
// background continued across its frame, and reads and sets its controls.
#include <windows.h>

#include <optional>

#include "dialogs/dialog_host_win.h"
#include "dialogs/settings_ranges.h"

namespace quillory {

// Shows a panel (made hidden): sliding in from above when TabAnimate is set. The frame's panel
// switcher repaints every new panel afterwards.
void slideInPanel(HWND panel, const DialogHost& host);

// Whether a panel's edit boxes sit on the shared background or keep the system's colours.
enum class PanelEdits { SystemColours, SharedBackground };

// A panel's answer to WM_CTLCOLORDLG (lParam: the panel itself), WM_CTLCOLORSTATIC,
// WM_CTLCOLORBTN, and WM_CTLCOLOREDIT when `edits` asks: the shared background. Nothing for any
// other message, which the panel handles itself.
std::optional<INT_PTR> panelControlColour(const DialogHost& host, HWND frame, PanelEdits edits, UINT message,
                                          WPARAM wParam, LPARAM lParam);

// The same for a panel of either settings dialog, whose session holds the host and the frame.
template <typename Session>
std::optional<INT_PTR> panelControlColour(const Session& session, PanelEdits edits, UINT message, WPARAM wParam,
                                          LPARAM lParam) {
    return panelControlColour(session.host, session.frame, edits, message, wParam, lParam);
}

bool isChecked(HWND dialog, int id);
void setChecked(HWND dialog, int id, bool checked);
void enableControl(HWND dialog, int id, bool enabled);
void selectAllText(HWND dialog, int id);
// Pairs up-down arrows with their edit box (three digits at most), in `range`, at `position`
// (clamped to it).
void setUpDown(HWND dialog, int arrowsId, int editId, IntRange range, int position);
// The number typed into an up-down's edit box, clamped to `range`; the arrows and the box take it.
// An empty box takes the arrows' position back.
int takeTypedNumber(HWND dialog, int arrowsId, int editId, IntRange range);

}  // namespace quillory
