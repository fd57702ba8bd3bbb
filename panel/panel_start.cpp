#include "panel_start.h"

#include <cstring>

#include "panel_resources.h"

namespace qor {

bool HasTrayOnlySwitch(const char* commandLine) {
    if (commandLine == nullptr) return false;
    return std::strstr(commandLine, "/i") != nullptr || std::strstr(commandLine, "/I") != nullptr;
}

int PanelMenuId(const char* commandLine) {
    return HasTrayOnlySwitch(commandLine) ? IDM_PANEL_TRAY_ONLY : IDM_PANEL;
}

void TrayOnlySwitchApply(PanelState& state, const char* commandLine) {
    if (!HasTrayOnlySwitch(commandLine)) return;
    state.trayOnlySwitch = 1;
    state.startMode = START_AS_TRAY_ICON;
}

bool PanelShownAtStart(const PanelState& state) { return state.startMode == START_AS_WINDOW; }

bool SecondCopyHandOver(WindowPlacement& placement, PanelState& state,
                        WindowHandle runningWindow) {
    state.mainWindow = runningWindow;
    placement.WindowGetPosition(runningWindow, PANEL_WINDOW_NAME);
    return state.startMode != START_AS_TRAY_ICON;
}

bool PanelShowRestores(bool placementRead, unsigned showState) {
    return placementRead && showState == SHOW_STATE_NORMAL;
}

}  // namespace qor
