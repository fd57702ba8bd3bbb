// The start-up decisions of the front panel: the tray-only switch, the window menu it
// chooses, and the hand-over to a copy that already runs.
#pragma once

#include "panel_state.h"
#include "window_ops.h"
#include "window_placement.h"

namespace qor {

// Whether the command line holds "/i" or "/I" anywhere (a plain substring search, so
// any argument with those two characters counts). A null command line holds nothing.
bool HasTrayOnlySwitch(const char* commandLine);
// The window class's menu: IDM_PANEL_TRAY_ONLY with the switch, else IDM_PANEL.
int PanelMenuId(const char* commandLine);
// With the switch, this run starts as a notification icon only and does not save its
// start mode. Called after the stored settings were read.
void TrayOnlySwitchApply(PanelState& state, const char* commandLine);
// Whether the main window is shown at start (start mode 0; any other value hides it).
bool PanelShownAtStart(const PanelState& state);

// A second copy found the running copy's window: that window becomes the main one,
// takes the stored position and top-most state, and the result says whether to post
// it WM_PANEL_SHOW (every stored start mode but 1).
bool SecondCopyHandOver(WindowPlacement& placement, PanelState& state,
                        WindowHandle runningWindow);

// WM_PANEL_SHOW: restore the window and bring it to the front only when its placement
// was read and its show state is SW_SHOWNORMAL (a hidden window reports that too); a
// minimized window stays minimized.
inline constexpr unsigned SHOW_STATE_NORMAL = 1;  // SW_SHOWNORMAL
bool PanelShowRestores(bool placementRead, unsigned showState);

}  // namespace qor
