// QORPANEL.EXE as one object: everything the front panel holds while it runs, its
// start, its message loop and its end, and one handler per message kind of the main
// window, which the window procedure calls.
#pragma once

#include <windows.h>

#include <optional>

#include "about_box.h"
#include "about_dialog_proc.h"
#include "icon_table.h"
#include "lamp_tooltips.h"
#include "panel_commands.h"
#include "panel_outputs.h"
#include "panel_registry.h"
#include "panel_state.h"
#include "port_link.h"
#include "statistics_dialog.h"
#include "statistics_dialog_proc.h"
#include "status_monitor.h"
#include "win32_icons.h"
#include "win32_panel_boxes.h"
#include "win32_panel_shell.h"
#include "win32_panel_view.h"
#include "win32_port_device.h"
#include "win32_registry.h"
#include "win32_tray_icon.h"
#include "win32_window_ops.h"
#include "win32_window_timer.h"
#include "window_placement.h"

namespace qor {

class PanelProgram {
public:
    explicit PanelProgram(HINSTANCE instance) : instance_(instance) {}
    PanelProgram(const PanelProgram&) = delete;
    PanelProgram& operator=(const PanelProgram&) = delete;

    // From the start to the end: Start, then the message loop and End while the
    // window runs. Returns the quit code (0), or 1 when the window could not be made.
    int Run(const char* commandLine);

    enum class StartResult { Running, HandedOver, Failed };
    // A second copy hands over to the running one (HandedOver); otherwise the
    // window, the notification icon, the monitor and the stored settings (Running),
    // or Failed when the window could not be made.
    StartResult Start(const char* commandLine);
    // Until the quit message; returns its code.
    int MessageLoop();
    // Removes the notification icon, closes the link and frees the pictures, menus
    // and brushes. The window itself ends with the process.
    void End();

    // The main window; in a second copy, the running copy's window.
    HWND MainWindow() const { return ToHwnd(state_.mainWindow); }

    // The main window's messages, each from its window procedure.
    // WM_CREATE, before the template's controls exist.
    void PanelCreate(HWND window);
    // Whether message is the registered uninstall message (once registered).
    bool IsUninstallMessage(UINT message) const;
    void Command(unsigned commandId) { commands_.PanelCommand(commandId); }
    void Close() { commands_.PanelClose(); }
    void Destroyed();
    void SystemColoursChanged() { BrushCreate(); }
    // WM_CTLCOLORSTATIC and WM_CTLCOLORBTN: the brush to paint with, or null when
    // there is none (default processing then).
    HBRUSH ControlColour(HDC dc, HWND control);
    void MouseRelay(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        tips_.Relay(window, message, wParam, lParam);
    }
    void Timer(WPARAM timerId);
    void PowerEvent(WPARAM event);
    void TrayNotified(WPARAM iconId, LPARAM mouseMessage);
    // WM_PANEL_SHOW from a second copy.
    void ShowRequested();

private:
    void HandOver(HWND running);
    void BrushCreate();
    void BrushDelete();

    HINSTANCE instance_;
    PanelState state_;
    Win32Registry registry_;
    Win32PanelBoxes boxes_{state_};
    PanelRegistry panelRegistry_{registry_, boxes_};
    Win32WindowOps windows_;
    WindowPlacement placement_{windows_, panelRegistry_, boxes_, state_};
    Win32Icons icons_{instance_};
    IconTable trayPictures_{icons_, boxes_};
    Win32TrayIcon tray_;
    Win32PanelView view_{trayPictures_, tray_};
    PanelOutputs outputs_{view_};
    Win32PortDevice device_;
    PortLink link_{device_, outputs_};
    StatisticsDialog statistics_{link_, placement_};
    StatisticsWindow statisticsWindow_{statistics_, std::nullopt};
    AboutBox about_{windows_, icons_, boxes_};
    AboutWindow aboutWindow_{about_, std::nullopt};
    Win32PanelShell shell_{instance_, state_, statisticsWindow_, aboutWindow_};
    PanelCommands commands_{state_, windows_, placement_, shell_};
    LampToolTips tips_;
    // Made once the main window exists: the timer belongs to it.
    std::optional<Win32WindowTimer> timer_;
    std::optional<StatusMonitor> monitor_;
    HMENU trayMenuBar_ = nullptr;  // menu IDM_TRAY; its first pop-up is the notification menu
    HMENU trayMenu_ = nullptr;
    HACCEL accelerators_ = nullptr;
    HBRUSH brush_ = nullptr;
    UINT uninstallMessage_ = 0;
};

}  // namespace qor
