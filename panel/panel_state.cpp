#include "panel_state.h"

#include "panel_resources.h"

namespace qor {

void StartModeChecksSet(WindowOps& windows, const PanelState& state) {
    const bool asWindow = state.startMode == START_AS_WINDOW;
    windows.SetMenuCheck(state.mainWindow, ID_START_WINDOW, asWindow);
    windows.SetMenuCheck(state.mainWindow, ID_START_TRAY, !asWindow);
}

void TopMostApply(WindowOps& windows, const PanelState& state) {
    const bool on = state.topMost != 0;
    windows.SetMenuCheck(state.mainWindow, ID_TOPMOST, on);
    windows.SetTopMost(state.mainWindow, on);
}

}  // namespace qor
