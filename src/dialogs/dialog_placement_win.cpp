#include "dialogs/dialog_placement_win.h"

#include "dialogs/dialog_placement.h"
#include "base/win_geometry_win.h"

namespace quillory {

void placeDialogNearStand(HWND dialog, const DialogHost& host) {
    const PlacementMargins margins = drawPlacementMargins(*host.random, host.vistaOrLater());
    const Rect stand = host.standWindow != nullptr ? windowRect(host.standWindow) : Rect{};
    const Rect dialogRect = windowRect(dialog);
    const Point at = placeNearStand(monitorAround(stand), stand, Size{dialogRect.dx, dialogRect.dy}, margins,
                                    host.vistaOrLater());
    SetWindowPos(dialog, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
}

}  // namespace quillory
