// The commands of the window menu, the notification menu and the accelerators, and
// the main window's close and destruction.
#pragma once

#include "panel_shell.h"
#include "panel_state.h"
#include "window_ops.h"
#include "window_placement.h"

namespace qor {

class PanelCommands {
public:
    PanelCommands(PanelState& state, WindowOps& windows, WindowPlacement& placement,
                  PanelShell& shell)
        : state_(state), windows_(windows), placement_(placement), shell_(shell) {}

    // One command by id (the low word of WM_COMMAND's first parameter); unknown ids do
    // nothing. The registered uninstall message runs ID_EXIT.
    void PanelCommand(unsigned commandId);
    // WM_CLOSE: save the main window's settings and hide it; the program keeps running
    // in the notification area. The window procedure answers 1.
    void PanelClose();
    // WM_DESTROY: save the main window's settings and end the message loop.
    void PanelDestroyed();

private:
    void StartModeSet(int startMode);
    void Exit();
    void About();
    void Statistics();

    PanelState& state_;
    WindowOps& windows_;
    WindowPlacement& placement_;
    PanelShell& shell_;
};

}  // namespace qor
