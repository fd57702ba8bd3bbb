#include "win32_panel_shell.h"

#include "win32_window_ops.h"

namespace qor {

HWND Win32PanelShell::Main() const { return ToHwnd(state_.mainWindow); }

HWND Win32PanelShell::StatisticsDialog() const { return ToHwnd(statistics_.logic.Dialog()); }

bool Win32PanelShell::StatisticsExists() { return statistics_.logic.IsOpen(); }

void Win32PanelShell::StatisticsSendOk() {
    SendMessageA(StatisticsDialog(), WM_COMMAND, IDOK, 0);
}

void Win32PanelShell::StatisticsFocus() { SetFocus(StatisticsDialog()); }

void Win32PanelShell::StatisticsCreate() { StatisticsWindowCreate(instance_, Main(), statistics_); }

void Win32PanelShell::TrayMenuItemEnable(int commandId, bool enabled) {
    if (trayMenu_ == nullptr) return;
    EnableMenuItem(trayMenu_, static_cast<UINT>(commandId),
                   MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

void Win32PanelShell::AboutRun() { AboutWindowRun(instance_, Main(), about_); }

void Win32PanelShell::MainWindowRestore() {
    ShowWindow(Main(), SW_RESTORE);
    SetForegroundWindow(Main());
}

void Win32PanelShell::MainWindowMinimize() { ShowWindow(Main(), SW_MINIMIZE); }

void Win32PanelShell::MainWindowHide() { ShowWindow(Main(), SW_HIDE); }

void Win32PanelShell::QuitPost(int code) { PostQuitMessage(code); }

void Win32PanelShell::CommandLineStart(const char* commandLine) {
    // The applet reports its own troubles; a failed start is not reported.
    WinExec(commandLine, SW_SHOWNORMAL);
}

}  // namespace qor
