// The notification icon: its six pictures and what its mouse messages ask for.
#pragma once

#include <array>

#include "icon_table.h"
#include "panel_resources.h"

namespace qor {

// By picture index: idle, originating, answering, connected, disconnecting,
// retraining. Originating and answering share one picture.
inline constexpr std::array<IconSource, 6> TRAY_PICTURES{{
    {IDI_TRAY_IDLE, "Error loading IDLE Tray icon"},
    {IDI_TRAY_ACTIVE, "Error loading ORIG Tray icon"},
    {IDI_TRAY_ACTIVE, "Error loading ANSW Tray icon"},
    {IDI_TRAY_CONNECTED, "Error loading CONNECTED Tray icon"},
    {IDI_TRAY_DISCONNECTING, "Error loading DISC Tray icon"},
    {IDI_TRAY_RETRAINING, "Error loading RETRAIN Tray icon"},
}};

inline constexpr unsigned MOUSE_LEFT_DOUBLE_CLICK = 0x0203;  // WM_LBUTTONDBLCLK
inline constexpr unsigned MOUSE_RIGHT_DOWN = 0x0204;         // WM_RBUTTONDOWN

enum class TrayAction {
    None,
    // Bring the main window to the front, track the notification menu at the cursor
    // (left-aligned, left button, owned by the main window), then post it
    // WM_PANEL_USER.
    ShowMenu,
    // Post the main window the command ID_OPEN.
    Open,
};

// WM_PANEL_TRAY: first parameter the icon id, second the mouse message. Only our icon
// counts; a single left click does nothing.
TrayAction TrayNotify(unsigned iconId, unsigned mouseMessage);

}  // namespace qor
