// What the commands ask of the Win32 side: the two dialogs, the notification menu,
// the main window's show state, the message loop's end and other programs.
#pragma once

#include <windows.h>

#include "about_dialog_proc.h"
#include "panel_shell.h"
#include "panel_state.h"
#include "statistics_dialog_proc.h"

namespace qor {

class Win32PanelShell : public PanelShell {
public:
    // The main window is read from state at every call; trayMenu may be set later.
    Win32PanelShell(HINSTANCE instance, const PanelState& state, StatisticsWindow& statistics,
                    AboutWindow& about)
        : instance_(instance), state_(state), statistics_(statistics), about_(about) {}

    void TrayMenuSet(HMENU trayMenu) { trayMenu_ = trayMenu; }

    bool StatisticsExists() override;
    void StatisticsSendOk() override;
    void StatisticsFocus() override;
    void StatisticsCreate() override;
    void TrayMenuItemEnable(int commandId, bool enabled) override;
    void AboutRun() override;
    void MainWindowRestore() override;
    void MainWindowMinimize() override;
    void MainWindowHide() override;
    void QuitPost(int code) override;
    void CommandLineStart(const char* commandLine) override;

private:
    HWND Main() const;
    HWND StatisticsDialog() const;

    HINSTANCE instance_;
    const PanelState& state_;
    StatisticsWindow& statistics_;
    AboutWindow& about_;
    HMENU trayMenu_ = nullptr;
};

}  // namespace qor
