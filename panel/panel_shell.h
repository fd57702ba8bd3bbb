// What the main window's commands ask of the Win32 shell around them: the dialogs,
// the notification menu, the main window's show state, the message loop and the
// starting of other programs.
#pragma once

namespace qor {

class PanelShell {
public:
    virtual ~PanelShell() = default;

    // Whether the Statistics dialog exists (its slot is filled).
    virtual bool StatisticsExists() = 0;
    // SendMessageA(dialog, WM_COMMAND, IDOK, 0): the dialog saves its position and
    // closes, emptying the slot.
    virtual void StatisticsSendOk() = 0;
    // SetFocus on the existing dialog.
    virtual void StatisticsFocus() = 0;
    // CreateDialogParamA of template 102, modeless, owned by the main window.
    virtual void StatisticsCreate() = 0;

    // EnableMenuItem on the notification menu, by command: enabled or greyed.
    virtual void TrayMenuItemEnable(int commandId, bool enabled) = 0;
    // DialogBoxParamA of template 113, owned by the main window; returns when it closes.
    virtual void AboutRun() = 0;

    // ShowWindow(SW_RESTORE) and SetForegroundWindow.
    virtual void MainWindowRestore() = 0;
    // ShowWindow(SW_MINIMIZE).
    virtual void MainWindowMinimize() = 0;
    // ShowWindow(SW_HIDE).
    virtual void MainWindowHide() = 0;
    // PostQuitMessage(code).
    virtual void QuitPost(int code) = 0;

    // WinExec(commandLine, SW_SHOWNORMAL); the caller ignores whether it started.
    virtual void CommandLineStart(const char* commandLine) = 0;
};

}  // namespace qor
