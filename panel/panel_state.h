// The front panel's process-wide settings and the main window they apply to. The
// program owns one; the placement and the commands read and change it.
#pragma once

#include "window_ops.h"

namespace qor {

// Start modes, stored as "Startup". Any other stored value is kept as it is: it is
// neither a window start nor a tray-only one.
inline constexpr int START_AS_WINDOW = 0;
inline constexpr int START_AS_TRAY_ICON = 1;

struct PanelState {
    // The main window; in a second copy of the program, the running copy's window.
    WindowHandle mainWindow = nullptr;
    // "AlwaysOnTop": 0 normal, any other value above other windows.
    int topMost = 0;
    int startMode = START_AS_WINDOW;
    // 1 when this run was started with the tray-only switch; the start mode is then
    // not saved.
    int trayOnlySwitch = 0;
};

// Check marks of the two start items: "Start as Window" for start mode 0, "Start as
// Tray Icon Only" for any other. A menu without these items is left unchanged.
void StartModeChecksSet(WindowOps& windows, const PanelState& state);
// The "Always on Top" mark and the main window's z-order band from the top-most flag.
void TopMostApply(WindowOps& windows, const PanelState& state);

}  // namespace qor
