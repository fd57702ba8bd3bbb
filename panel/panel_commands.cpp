#include "panel_commands.h"

#include "install_layout.h"
#include "panel_resources.h"

namespace qor {

void PanelCommands::PanelCommand(unsigned commandId) {
    switch (commandId) {
        case ID_TOPMOST:
            state_.topMost = state_.topMost == 0 ? 1 : 0;
            TopMostApply(windows_, state_);
            break;
        case ID_START_WINDOW: StartModeSet(START_AS_WINDOW); break;
        case ID_START_TRAY: StartModeSet(START_AS_TRAY_ICON); break;
        case ID_EXIT: Exit(); break;
        case ID_ABOUT: About(); break;
        case ID_OPEN: shell_.MainWindowRestore(); break;
        case ID_STATISTICS: Statistics(); break;
        case ID_MINIMIZE: shell_.MainWindowMinimize(); break;
        case ID_CONFIGURE: shell_.CommandLineStart(COMMAND_CONFIGURE); break;
        default: break;
    }
}

void PanelCommands::PanelClose() {
    placement_.WindowSavePosition(state_.mainWindow, PANEL_WINDOW_NAME);
    shell_.MainWindowHide();
}

void PanelCommands::PanelDestroyed() {
    placement_.WindowSavePosition(state_.mainWindow, PANEL_WINDOW_NAME);
    shell_.QuitPost(0);
}

void PanelCommands::StartModeSet(int startMode) {
    state_.startMode = startMode;
    StartModeChecksSet(windows_, state_);
}

void PanelCommands::Exit() {
    if (shell_.StatisticsExists()) shell_.StatisticsSendOk();
    placement_.WindowSavePosition(state_.mainWindow, PANEL_WINDOW_NAME);
    shell_.QuitPost(0);
}

void PanelCommands::About() {
    // Greyed so that the notification menu cannot open a second box over the first.
    shell_.TrayMenuItemEnable(ID_ABOUT, false);
    shell_.AboutRun();
    shell_.TrayMenuItemEnable(ID_ABOUT, true);
}

void PanelCommands::Statistics() {
    if (shell_.StatisticsExists()) {
        shell_.StatisticsFocus();
    } else {
        shell_.StatisticsCreate();
    }
}

}  // namespace qor
